// The main window's drop-down menu items "设置", "官网" and "更新".
#include <QDesktopServices>
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
        auto* window = new SettingsWindow(m_state.editor);
        connect(window, &SettingsWindow::editorChanged, this, &MainWindow::refresh);
        return window;
    });
}

void MainWindow::openHomePage() {
    m_openUrl(QUrl(toQString(kHomePageAddress)));
}

void MainWindow::startUpdate() {
    m_state.editor.setStatus(startOnlineUpdate(m_state.programDir, embedded::kUpdaterArchive,
                                               kVersionFileAddress, *m_launcher));
    refresh();
}

}  // namespace velquist
