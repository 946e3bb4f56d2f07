// The main window's drop-down menu: its order, and the items "设置", "官网", "更新" and
// "建议热区".
#include <QDesktopServices>
#include <QKeySequence>
#include <QMenu>
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

void MainWindow::buildDropDownMenu() {
    m_dropDownMenu = new QMenu(this);
    m_dropDownMenu->setObjectName("下拉");
    using Action = void (MainWindow::*)();
    struct Item {
        const char* caption;
        Action action;  // null: the "最近的热区" submenu
        QKeySequence key;
    };
    // Sections between separators; a section whose features are all missing is left out.
    const std::vector<std::vector<Item>> sections = {
        {{"设置", &MainWindow::openSettingsWindow, {}},
         {"官网", &MainWindow::openHomePage, {}},
         {"更新", &MainWindow::startUpdate, {}}},
        {{"建议热区", &MainWindow::proposeHotspots, QKeySequence(Qt::Key_G)},
         {"热区列表", &MainWindow::openHotspotList, QKeySequence(Qt::Key_F2)}},
        {{"添加图片", &MainWindow::openAddPictureWindow, {}},
         {"切片导出…", &MainWindow::openSliceExportWindow, {}},
         {"替换图片地址…", &MainWindow::openReplaceAddressesWindow, {}}},
        {{"保存热区文件…", &MainWindow::saveMapFileAs,
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
         {"打开热区文件…", &MainWindow::openMapFile, QKeySequence(Qt::CTRL | Qt::Key_O)},
         {"最近的热区", nullptr, {}},
         {"从代码导入热区…", &MainWindow::importCode, {}}},
        {{"退出", &MainWindow::endProgram, {}}}};
    for (const std::vector<Item>& section : sections) {
        if (section.empty()) {
            continue;
        }
        if (!m_dropDownMenu->isEmpty()) {
            m_dropDownMenu->addSeparator();
        }
        for (const Item& item : section) {
            QAction* added = nullptr;
            if (item.action == nullptr) {
                m_recentMenu = m_dropDownMenu->addMenu(QString::fromUtf8(item.caption));
                m_recentMenu->setObjectName(item.caption);
                added = m_recentMenu->menuAction();
            } else {
                added = m_dropDownMenu->addAction(QString::fromUtf8(item.caption));
                connect(added, &QAction::triggered, this, item.action);
            }
            added->setObjectName(item.caption);
            if (!item.key.isEmpty()) {
                added->setShortcut(item.key);
                addAction(added);  // the key works while the menu is shut
            }
        }
    }
    // Filled as the menu opens: the store changes with every replaced map.
    connect(m_dropDownMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMapsMenu);
}

void MainWindow::proposeHotspots() {
    edit([](HotspotEditor& e) { return e.proposeHotspots(); });
}

void MainWindow::openSettingsWindow() {
    showSingle(m_settingsWindow, [this] {
        auto* window = new SettingsWindow(m_state.editor, m_state.statusLine, m_state.programDir);
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
    m_state.statusLine.show(started.status);
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
            m_state.statusLine.show(*outcome);
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
