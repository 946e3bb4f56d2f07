// The main window's keeping of the map: the autosave and its restoring at start, map files and
// imported image-map code.
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QShortcut>
#include <QTimer>
#include <ctime>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "core/template_fill.h"
#include "editor/drop_rules.h"
#include "editor/messages.h"
#include "mapfile/image_map_import.h"
#include "mapfile/map_file.h"
#include "mapfile/messages.h"
#include "mapfile/recent_maps.h"

namespace velquist {
namespace {

namespace mm = mapfile_messages;

std::string autosavePath(const std::string& programDir) {
    return programDir + "/" + std::string(kAutosaveFileName);
}

std::string countOf(const MapDocument& document) {
    return std::to_string(document.hotspots.size());
}

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

// Code copied from a page or from the code window: an image map, not some other text.
bool looksLikeImageMapCode(const QString& text) {
    return text.contains(QStringLiteral("<area"), Qt::CaseInsensitive) ||
           text.contains(QStringLiteral("<map"), Qt::CaseInsensitive);
}

}  // namespace

std::string MainWindow::keepReplacedMap() {
    m_state.mapFilePath.clear();  // the file's map is no longer the one edited
    return RecentMaps(m_state.programDir)
        .keepReplaced(m_state.editor.document(), std::time(nullptr));
}

void MainWindow::replaceMap(const char* label, const MapDocument& document, std::string status) {
    status += keepReplacedMap();
    HotspotEditor& editor = m_state.editor;
    const Background& shown = editor.map().background();
    std::shared_ptr<const Picture> picture;
    if (shown.picture && !document.pictureAddress.empty() &&
        shown.address == document.pictureAddress) {
        picture = shown.picture;  // the same picture: shared, not fetched again
    }
    const bool fetch = !picture && !document.pictureAddress.empty();
    editor.replaceMap(label, document, std::move(picture), std::move(status));
    if (fetch) {
        fetchMapPicture(document.pictureAddress);
    }
    refresh();
}

void MainWindow::restoreAutosave() {
    const std::string path = autosavePath(m_state.programDir);
    Result<MapDocument> load = loadMapFile(path);
    HotspotEditor& editor = m_state.editor;
    switch (load.code()) {
        case StatusCode::NotFound:
            return;
        case StatusCode::Damaged: {
            const std::string asideName =
                std::string(kAutosaveFileName) + std::string(kSetAsideSuffix);
            const Status aside = setAsideCorruptFile(path);
            std::string status =
                aside ? fillTemplate(mm::kAutosaveSetAside, {{"{文件名}", asideName}})
                      : std::string(mm::kAutosaveUnreadable);
            editor.setStatus(status + load.error());
            break;
        }
        case StatusCode::Ok:
            if (load->hotspots.empty()) {
                return;
            }
            replaceMap(editor_messages::kStepRestore, *load,
                       fillTemplate(mm::kRestored, {{"{个数}", countOf(*load)}}));
            // The restored map is what the autosave holds already.
            m_autosavedChange = editor.changeCount();
            break;
        default:  // there but not readable: left as it is
            editor.setStatus(mm::kAutosaveUnreadable + load.error());
            break;
    }
    refresh();
}

void MainWindow::autosaveNow() {
    m_autosaveTimer->stop();
    HotspotEditor& editor = m_state.editor;
    if (editor.changeCount() == m_autosavedChange) {
        return;
    }
    m_autosavedChange = editor.changeCount();
    const Status saved = saveMapFile(autosavePath(m_state.programDir), editor.document());
    if (saved) {
        m_autosaveFailureShown = false;
        return;
    }
    // Said once: every later change would fail the same way.
    if (!std::exchange(m_autosaveFailureShown, true)) {
        editor.setStatus(mm::kAutosaveFailed + saved.message());
        refresh();
    }
}

std::optional<std::string> MainWindow::askForMapFile(MapDialog kind) {
    return m_mapFileDialog ? m_mapFileDialog(kind) : showMapFileDialog(this, kind);
}

void MainWindow::saveMapFileAs() {
    const std::optional<std::string> chosen = askForMapFile(MapDialog::SaveMap);
    if (!chosen) {
        return;
    }
    saveMapTo(withMapFileExtension(*chosen));
}

void MainWindow::saveMap() {
    if (m_state.mapFilePath.empty()) {
        saveMapFileAs();
        return;
    }
    saveMapTo(m_state.mapFilePath);
}

void MainWindow::saveMapTo(const std::string& path) {
    const Status saved = saveMapFile(path, m_state.editor.document());
    m_state.editor.setStatus(saved ? mm::kSaved + path : mm::kSaveFailed + saved.message());
    if (saved) {
        rememberMapFile(path);
    }
    refresh();
}

void MainWindow::rememberMapFile(const std::string& path) {
    // The program's own files are rewritten by the program alone: Ctrl+S asks instead.
    const bool own = RecentMaps(m_state.programDir).keptByProgram(path);
    m_state.mapFilePath = own ? std::string() : path;
}

void MainWindow::openMapFile() {
    const std::optional<std::string> chosen = askForMapFile(MapDialog::OpenMap);
    if (chosen) {
        openMapFileAt(*chosen);
    }
}

void MainWindow::openMapFileAt(const std::string& path) {
    const Result<MapDocument> load = loadMapFile(path);
    if (!load) {
        m_state.editor.setStatus(mm::kOpenFailed + load.error());
        refresh();
        return;
    }
    replaceMap(editor_messages::kStepOpenMap, *load,
               fillTemplate(mm::kOpened, {{"{个数}", countOf(*load)}}));
    rememberMapFile(path);
}

void MainWindow::openRecentMap(const std::string& path) {
    const Result<MapDocument> load = loadMapFile(path);
    if (!load) {
        m_state.editor.setStatus(mm::kRecentOpenFailed + load.error());
        refresh();
        return;
    }
    replaceMap(editor_messages::kStepOpenRecent, *load,
               fillTemplate(mm::kRecentOpened, {{"{个数}", countOf(*load)}}));
}

void MainWindow::fillRecentMapsMenu() {
    m_recentMenu->clear();
    for (const RecentMap& entry : RecentMaps(m_state.programDir).list()) {
        QAction* item = m_recentMenu->addAction(QString::fromStdString(recentMapCaption(entry)));
        connect(item, &QAction::triggered, this,
                [this, path = entry.path] { openRecentMap(path); });
    }
    m_recentMenu->menuAction()->setEnabled(!m_recentMenu->isEmpty());
}

void MainWindow::wireFileKeys() {
    // Ctrl+Shift+S and Ctrl+O belong to their menu items.
    auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, &MainWindow::saveMap);
}

void MainWindow::dropReceived(const std::vector<std::string>& items) {
    DropDecision decision = decideDrop(items);
    switch (decision.action) {
        case DropAction::LoadPicture:
            startLoad(decision.address);
            return;
        case DropAction::OpenMapFile:
            openMapFileAt(decision.address);
            return;
        case DropAction::Refused:
            m_state.editor.setStatus(std::move(decision.status));
            refresh();
            return;
    }
}

void MainWindow::importCode() {
    std::string code;
    const QString clipboard = QGuiApplication::clipboard()->text();
    if (looksLikeImageMapCode(clipboard)) {
        code = clipboard.toStdString();
    } else {
        const std::optional<std::string> chosen = askForMapFile(MapDialog::OpenCode);
        if (!chosen) {
            return;
        }
        Result<std::string> bytes = readWholeFile(*chosen, kMaxImportedCodeBytes);
        if (!bytes) {
            m_state.editor.setStatus(mm::kImportFailed + bytes.error());
            refresh();
            return;
        }
        code = decodeTextFile(bytes.value());
    }
    Result<ImportedMap> imported = importImageMap(code);
    if (!imported) {
        m_state.editor.setStatus(mm::kImportFailed + imported.error());
        refresh();
        return;
    }
    replaceMap(editor_messages::kStepImport,
               importedOnto(imported.value(), m_state.editor.document()),
               importedMessage(imported.value()) + mm::kImportedTail);
}

}  // namespace velquist
