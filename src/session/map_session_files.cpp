// The session's map files, "最近的热区", imported image-map code and drops on the canvas.
#include <utility>

#include "core/encoding.h"
#include "core/file_io.h"
#include "core/template_fill.h"
#include "core/text.h"
#include "editor/drop_rules.h"
#include "editor/messages.h"
#include "mapfile/image_map_import.h"
#include "mapfile/map_file.h"
#include "mapfile/messages.h"
#include "mapfile/recent_maps.h"
#include "session/map_session.h"

namespace velquist {
namespace {

namespace mm = mapfile_messages;

std::string countOf(const MapDocument& document) {
    return std::to_string(document.hotspots.size());
}

// Code copied from a page or from the code window: an image map, not some other text.
bool looksLikeImageMapCode(std::string_view text) {
    constexpr bool kIgnoreCase = true;
    return findText(text, "<area", 0, kIgnoreCase) != std::string_view::npos ||
           findText(text, "<map", 0, kIgnoreCase) != std::string_view::npos;
}

}  // namespace

SessionUpdate MapSession::saveMap() {
    if (m_mapFilePath.empty()) {
        return asking(MapDialog::SaveMap);
    }
    return saveMapTo(m_mapFilePath);
}

SessionUpdate MapSession::chosen(MapDialog dialog, const std::optional<std::string>& path) {
    if (!path) {
        return unchanged();
    }
    switch (dialog) {
        case MapDialog::SaveMap:
            return saveMapTo(withMapFileExtension(*path));
        case MapDialog::OpenMap:
            return openMapFile(*path);
        case MapDialog::OpenCode:
            return importCodeFile(*path);
    }
    return unchanged();
}

SessionUpdate MapSession::saveMapTo(const std::string& path) {
    const Status saved = saveMapFile(path, m_editor.document());
    if (!saved) {
        return report(mm::kSaveFailed + saved.message());
    }
    rememberMapFile(path);
    return report(mm::kSaved + path);
}

void MapSession::rememberMapFile(const std::string& path) {
    // The program's own files are rewritten by the program alone: Ctrl+S asks instead.
    const bool own = RecentMaps(m_settingsDir).keptByProgram(path);
    m_mapFilePath = own ? std::string() : path;
}

SessionUpdate MapSession::openMapFile(const std::string& path) {
    Result<MapDocument> load = loadMapFile(path);
    if (!load) {
        return report(mm::kOpenFailed + load.error());
    }
    SessionUpdate update = replaceMap(editor_messages::kStepOpenMap, *load,
                                      fillTemplate(mm::kOpened, {{"{个数}", countOf(*load)}}));
    rememberMapFile(path);
    return update;
}

SessionUpdate MapSession::openRecentMap(const std::string& path) {
    Result<MapDocument> load = loadMapFile(path);
    if (!load) {
        return report(mm::kRecentOpenFailed + load.error());
    }
    return replaceMap(editor_messages::kStepOpenRecent, *load,
                      fillTemplate(mm::kRecentOpened, {{"{个数}", countOf(*load)}}));
}

std::vector<RecentMapItem> MapSession::recentMaps() const {
    std::vector<RecentMapItem> items;
    for (const RecentMap& entry : RecentMaps(m_settingsDir).list()) {
        items.push_back({recentMapCaption(entry), entry.path});
    }
    return items;
}

SessionUpdate MapSession::importCode(std::string_view clipboard) {
    if (looksLikeImageMapCode(clipboard)) {
        return importCodeText(clipboard);
    }
    return asking(MapDialog::OpenCode);
}

SessionUpdate MapSession::importCodeFile(const std::string& path) {
    Result<std::string> bytes = readWholeFile(path, kMaxImportedCodeBytes);
    if (!bytes) {
        return report(mm::kImportFailed + bytes.error());
    }
    return importCodeText(decodeTextFile(bytes.value()));
}

SessionUpdate MapSession::importCodeText(std::string_view code) {
    Result<ImportedMap> imported = importImageMap(code);
    if (!imported) {
        return report(mm::kImportFailed + imported.error());
    }
    return replaceMap(editor_messages::kStepImport,
                      importedOnto(imported.value(), m_editor.document()),
                      importedMessage(imported.value()) + mm::kImportedTail);
}

SessionUpdate MapSession::drop(const std::vector<std::string>& items) {
    DropDecision decision = decideDrop(items);
    switch (decision.action) {
        case DropAction::LoadPicture:
            return startLoad(decision.address);
        case DropAction::OpenMapFile:
            return openMapFile(decision.address);
        case DropAction::Refused:
            break;
    }
    return report(std::move(decision.status));
}

SessionUpdate MapSession::openArgument(const std::string& address) {
    const DropDecision decision = decideArgument(address);
    if (decision.action == DropAction::OpenMapFile) {
        return openMapFile(decision.address);
    }
    return startLoad(decision.address);
}

}  // namespace velquist
