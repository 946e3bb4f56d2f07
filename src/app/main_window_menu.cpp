// The main window's drop-down menu items "设置", "官网" and "更新".
#include <QDesktopServices>
#include <QTimer>
#include <QUrl>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/settings_window.h"
#include "settings/site.h"
#include "settings/update_handover.h"
#include "updater/updater_archive.h"

namespace velquist {

void openUrlInBrowser(const QUrl& address) {
    // The browser's own behaviour is all the user sees; the tool reports nothing.
    QDesktopServices::openUrl(address);
}

void MainWindow::openSettingsWindow() {
    showSingle(m_settingsWindow, [this] {
        auto* window = new SettingsWindow(m_state.editor, m_state.programDir);
        connect(window, &SettingsWindow::editorChanged, this, &MainWindow::refresh);
        return window;
    });
}

void MainWindow::openHomePage() {
    m_openUrl(QUrl(toQString(kHomePageAddress)));
}

void MainWindow::startUpdate() {
    UpdateStart started = startOnlineUpdate(m_state.programDir, embedded::kUpdaterArchive,
                                            kVersionFileAddress, *m_launcher);
    m_state.editor.setStatus(started.status);
    refresh();
    if (!started.watch) {
        return;
    }
    m_updaters.push_back(std::move(*started.watch));
    if (m_updaterPoll == nullptr) {
        // Polled rather than waited for, so the window stays live while the updater works.
        m_updaterPoll = new QTimer(this);
        m_updaterPoll->setInterval(100);
        connect(m_updaterPoll, &QTimer::timeout, this, &MainWindow::pollUpdaters);
    }
    m_updaterPoll->start();
}

void MainWindow::pollUpdaters() {
    for (auto it = m_updaters.begin(); it != m_updaters.end();) {
        if (std::optional<std::string> outcome = it->poll()) {
            m_state.editor.setStatus(*outcome);
            refresh();
            it = m_updaters.erase(it);
        } else {
            ++it;
        }
    }
    if (m_updaters.empty()) {
        m_updaterPoll->stop();
    }
}

}  // namespace velquist
