// Runs picture loads on worker threads and hands each result back to the UI thread.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "core/status.h"
#include "editor/picture_loader.h"
#include "pictures/picture.h"

namespace velquist {

class BackgroundLoader : public QObject {
    Q_OBJECT
public:
    explicit BackgroundLoader(QObject* parent = nullptr);
    // Cancels running loads and waits for their threads (a cancelled fetch ends within a second).
    ~BackgroundLoader() override;

    // Starts loading `address`; a load still running is cancelled and its result dropped.
    void load(const std::string& address);
    // The load under way stops (its connection closes within a second) and reports nothing.
    void cancel();
    bool busy() const { return !m_workers.empty(); }
    // Limits of the fetch (tests use small ones).
    void setLimits(const HttpLimits& limits) { m_limits = limits; }

    // Receives the newest load's result on the UI thread (the picture is moved, never copied).
    using Finished = std::function<void(const std::string& address, Result<Picture> result)>;
    void setOnFinished(Finished onFinished) { m_onFinished = std::move(onFinished); }
    // Receives the newest load's download progress on the UI thread, at most ten times a second
    // (`loadingStatus` makes the status text of it).
    using Progress = std::function<void(const std::string& address, const HttpProgress& progress)>;
    void setOnProgress(Progress onProgress) { m_onProgress = std::move(onProgress); }

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> cancel;
    };

    void deliver(uint64_t load, const std::string& address, Result<Picture> result);
    void post(uint64_t load, const std::string& address, const HttpProgress& progress);

    LoadSequence m_sequence;
    std::map<uint64_t, Worker> m_workers;
    HttpLimits m_limits;
    Finished m_onFinished;
    Progress m_onProgress;
};

}  // namespace velquist
