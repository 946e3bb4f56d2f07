// Background picture loads on worker threads.
#include "app/background_loader.h"

#include <QMetaObject>
#include <chrono>

namespace velquist {

BackgroundLoader::BackgroundLoader(QObject* parent) : QObject(parent) {}

BackgroundLoader::~BackgroundLoader() {
    for (auto& [load, worker] : m_workers) {
        *worker.cancel = true;
    }
    for (auto& [load, worker] : m_workers) {
        worker.thread.join();
    }
}

void BackgroundLoader::cancel() {
    for (auto& [load, worker] : m_workers) {
        *worker.cancel = true;  // stop fetching; the result is dropped as not the newest
    }
    m_sequence.begin();
}

void BackgroundLoader::load(const std::string& address) {
    cancel();  // superseded
    const uint64_t load = m_sequence.begin();
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    // The worker never outlives this object (the destructor joins it), so it may post to it.
    std::thread thread([this, load, address, cancel, limits = m_limits] {
        ProgressPace pace(std::chrono::milliseconds(100));
        const auto onProgress = [&](const HttpProgress& progress) {
            if (pace.due(ProgressPace::Clock::now())) {
                post(load, address, progress);
            }
        };
        Result<Picture> result = loadPicture(address, cancel.get(), limits, onProgress);
        QMetaObject::invokeMethod(
            this,
            [this, load, address, result = std::move(result)]() mutable {
                deliver(load, address, std::move(result));
            },
            Qt::QueuedConnection);
    });
    m_workers.emplace(load, Worker{std::move(thread), std::move(cancel)});
}

// Runs on the worker: hands one progress report to the UI thread.
void BackgroundLoader::post(uint64_t load, const std::string& address,
                            const HttpProgress& progress) {
    QMetaObject::invokeMethod(
        this,
        [this, load, address, progress] {
            if (m_sequence.isLatest(load) && m_onProgress) {
                m_onProgress(address, progress);
            }
        },
        Qt::QueuedConnection);
}

void BackgroundLoader::deliver(uint64_t load, const std::string& address, Result<Picture> result) {
    if (auto it = m_workers.find(load); it != m_workers.end()) {
        it->second.thread.join();  // it has nothing left to do but return
        m_workers.erase(it);
    }
    if (m_sequence.isLatest(load) && m_onFinished) {
        m_onFinished(address, std::move(result));
    }
}

}  // namespace velquist
