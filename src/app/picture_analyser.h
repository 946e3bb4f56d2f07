// Runs the editor's picture analyses on worker threads and hands each answer to the UI thread.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <thread>

#include "editor/picture_analysis.h"

namespace velquist {

class PictureAnalyser : public QObject {
    Q_OBJECT
public:
    explicit PictureAnalyser(QObject* parent = nullptr);
    // Waits for running analyses (each ends within a fraction of a second).
    ~PictureAnalyser() override;

    void start(AnalysisRequest request);
    bool busy() const { return !m_workers.empty(); }

    // Receives each answer on the UI thread; the editor drops what no longer fits.
    using Finished = std::function<void(AnalysisResult result)>;
    void setOnFinished(Finished onFinished) { m_onFinished = std::move(onFinished); }

private:
    void deliver(uint64_t worker, AnalysisResult result);

    std::map<uint64_t, std::thread> m_workers;
    uint64_t m_started = 0;
    Finished m_onFinished;
};

}  // namespace velquist
