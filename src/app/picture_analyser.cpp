// Picture analyses on worker threads.
#include "app/picture_analyser.h"

#include <QMetaObject>

namespace velquist {

PictureAnalyser::PictureAnalyser(QObject* parent) : QObject(parent) {}

PictureAnalyser::~PictureAnalyser() {
    for (auto& [id, thread] : m_workers) {
        thread.join();
    }
}

void PictureAnalyser::start(AnalysisRequest request) {
    const uint64_t id = ++m_started;
    // The worker never outlives this object (the destructor joins it), so it may post to it.
    std::thread thread([this, id, request = std::move(request)] {
        AnalysisResult result = analysePicture(request);
        QMetaObject::invokeMethod(
            this,
            [this, id, result = std::move(result)]() mutable { deliver(id, std::move(result)); },
            Qt::QueuedConnection);
    });
    m_workers.emplace(id, std::move(thread));
}

void PictureAnalyser::deliver(uint64_t worker, AnalysisResult result) {
    if (auto it = m_workers.find(worker); it != m_workers.end()) {
        it->second.join();  // it has nothing left to do but return
        m_workers.erase(it);
    }
    if (m_onFinished) {
        m_onFinished(std::move(result));
    }
}

}  // namespace velquist
