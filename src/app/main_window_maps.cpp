// The main window's side of keeping the map: the file dialogs, the clipboard and the menu of
// recent maps; what becomes of the map is MapSession's.
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

#include "app/main_window.h"

namespace velquist {
namespace {

std::optional<std::string> showMapFileDialog(QWidget* parent, MainWindow::MapDialog kind) {
    QString chosen;
    const QString maps = QStringLiteral("热区文件 (*.vqmap);;所有文件 (*)");
    const QString code = QStringLiteral("网页代码 (*.htm *.html *.txt);;所有文件 (*)");
    switch (kind) {
        case MainWindow::MapDialog::SaveMap:
            chosen = QFileDialog::getSaveFileName(parent, QString(), QString(), maps);
            break;
        case MainWindow::MapDialog::OpenMap:
            chosen = QFileDialog::getOpenFileName(parent, QString(), QString(), maps);
            break;
        case MainWindow::MapDialog::OpenCode:
            chosen = QFileDialog::getOpenFileName(parent, QString(), QString(), code);
            break;
    }
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return chosen.toStdString();
}

}  // namespace

void MainWindow::restoreAutosave() {
    apply(m_session.restoreAutosave());
}

void MainWindow::autosaveNow() {
    m_autosaveTimer->stop();
    apply(m_session.autosave());
}

void MainWindow::askForMapFile(MapDialog kind) {
    const std::optional<std::string> chosen =
        m_mapFileDialog ? m_mapFileDialog(kind) : showMapFileDialog(this, kind);
    apply(m_session.chosen(kind, chosen));
}

void MainWindow::saveMapFileAs() {
    askForMapFile(MapDialog::SaveMap);
}

void MainWindow::saveMap() {
    apply(m_session.saveMap());
}

void MainWindow::openMapFile() {
    askForMapFile(MapDialog::OpenMap);
}

void MainWindow::fillRecentMapsMenu() {
    m_recentMenu->clear();
    for (const RecentMapItem& entry : m_session.recentMaps()) {
        QAction* item = m_recentMenu->addAction(QString::fromStdString(entry.caption));
        connect(item, &QAction::triggered, this,
                [this, path = entry.path] { apply(m_session.openRecentMap(path)); });
    }
    m_recentMenu->menuAction()->setEnabled(!m_recentMenu->isEmpty());
}

void MainWindow::dropReceived(const std::vector<std::string>& items) {
    apply(m_session.drop(items));
}

void MainWindow::importCode() {
    apply(m_session.importCode(QGuiApplication::clipboard()->text().toStdString()));
}

}  // namespace velquist
