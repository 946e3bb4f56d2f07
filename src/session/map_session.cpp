// The session's picture loads, the autosave and its restoring, and the one way a map is replaced.
#include "session/map_session.h"

#include <ctime>
#include <utility>

#include "core/template_fill.h"
#include "editor/messages.h"
#include "mapfile/map_file.h"
#include "mapfile/messages.h"
#include "mapfile/recent_maps.h"
#include "settings/remembered_address.h"

namespace velquist {

namespace mm = mapfile_messages;

MapSession::MapSession(HotspotEditor& editor, std::string settingsDir)
    : m_editor(editor), m_settingsDir(std::move(settingsDir)) {}

SessionUpdate MapSession::unchanged() {
    SessionUpdate update;
    update.refresh = false;
    return update;
}

// Nothing is shown before the dialog: what the user picks decides.
SessionUpdate MapSession::asking(MapDialog dialog) {
    SessionUpdate update = unchanged();
    update.ask = dialog;
    return update;
}

SessionUpdate MapSession::report(std::string said) {
    SessionUpdate update;
    update.said = std::move(said);
    return update;
}

SessionUpdate MapSession::startLoad(const std::string& address, bool keepHotspots) {
    SessionUpdate update;
    update.loadSaid = m_editor.loadStarted(
        address, keepHotspots ? LoadPurpose::KeepHotspots : LoadPurpose::Replace);
    update.load = address;
    return update;
}

SessionUpdate MapSession::addPicture(const std::string& address) {
    SessionUpdate update;
    update.loadSaid = m_editor.loadStarted(address, LoadPurpose::AddPicture);
    update.load = address;
    return update;
}

SessionUpdate MapSession::fetchMapPicture(const std::string& address) {
    SessionUpdate update;
    update.loadSaid = m_editor.loadStarted(address, LoadPurpose::MapPicture);
    update.load = address;
    return update;
}

SessionUpdate MapSession::cancelLoad() {
    SessionUpdate update;
    update.said = m_editor.cancelLoad();
    update.cancelLoad = true;
    return update;
}

SessionUpdate MapSession::escapePressed() {
    if (Said dismissed = m_editor.dismissProposals()) {
        return report(std::move(*dismissed));
    }
    if (m_editor.runningLoad()) {
        return cancelLoad();
    }
    // Then a selection of several hotspots is cleared; one selected hotspot stays.
    if (m_editor.map().selectedIds().size() > 1) {
        SessionUpdate update;
        update.said = m_editor.clearSelection();
        return update;
    }
    return unchanged();
}

SessionUpdate MapSession::loadFinished(const std::string& address, Result<Picture> result) {
    const bool userLoad = m_editor.runningLoad() != LoadPurpose::MapPicture;
    const std::string kept =
        result && m_editor.loadReplacesMap() ? keepReplacedMap() : std::string();
    SessionUpdate update;
    update.said = m_editor.finishLoad(address, std::move(result));
    if (userLoad) {
        // The address is remembered whether the picture came or not.
        const Status remembered = rememberAddress(m_settingsDir, address);
        update.said =
            update.said.value_or(std::string()) + rememberedAddressNote(remembered) + kept;
    }
    return update;
}

SessionUpdate MapSession::redo() {
    Said said = m_editor.redo();
    const Background& b = m_editor.map().background();
    SessionUpdate update;
    if (!b.picture && !b.address.empty() && !m_editor.runningLoad()) {
        update = fetchMapPicture(b.address);
    }
    update.said = std::move(said);
    return update;
}

std::string MapSession::keepReplacedMap() {
    m_mapFilePath.clear();  // the file's map is no longer the one edited
    return RecentMaps(m_settingsDir).keepReplaced(m_editor.document(), std::time(nullptr));
}

SessionUpdate MapSession::replaceMap(const char* label, const MapDocument& document,
                                     std::string said) {
    said += keepReplacedMap();
    const Background& shown = m_editor.map().background();
    const std::string address = pageAddressOf(document);
    std::shared_ptr<const Picture> picture;
    if (shown.picture && !address.empty() && shown.address == address) {
        picture = shown.picture;  // the same picture: shared, not fetched again
    }
    const bool fetch = !picture && !address.empty();
    m_editor.replaceMap(label, document, std::move(picture));
    SessionUpdate update = fetch ? fetchMapPicture(address) : SessionUpdate{};
    update.said = std::move(said);
    return update;
}

std::string MapSession::autosavePath() const {
    return m_settingsDir + "/" + std::string(kAutosaveFileName);
}

SessionUpdate MapSession::restoreAutosave() {
    const std::string path = autosavePath();
    Result<MapDocument> load = loadMapFile(path);
    switch (load.code()) {
        case StatusCode::Ok:
            break;
        case StatusCode::NotFound:
            return unchanged();
        case StatusCode::Damaged: {
            const std::string asideName =
                std::string(kAutosaveFileName) + std::string(kSetAsideSuffix);
            const Status aside = setAsideCorruptFile(path);
            const std::string status =
                aside ? fillTemplate(mm::kAutosaveSetAside, {{"{文件名}", asideName}})
                      : std::string(mm::kAutosaveUnreadable);
            return report(status + load.error());
        }
        default:  // there but not readable: left as it is
            return report(mm::kAutosaveUnreadable + load.error());
    }
    if (load->hotspots.empty()) {
        return unchanged();
    }
    const std::string count = std::to_string(load->hotspots.size());
    SessionUpdate update = replaceMap(editor_messages::kStepRestore, *load,
                                      fillTemplate(mm::kRestored, {{"{个数}", count}}));
    // The restored map is what the autosave holds already.
    m_autosavedChange = m_editor.changeCount();
    return update;
}

SessionUpdate MapSession::autosave() {
    if (!autosaveDue()) {
        return unchanged();
    }
    m_autosavedChange = m_editor.changeCount();
    const Status saved = saveMapFile(autosavePath(), m_editor.document());
    if (saved) {
        m_autosaveFailureShown = false;
        return unchanged();
    }
    // Said once: every later change would fail the same way.
    if (std::exchange(m_autosaveFailureShown, true)) {
        return unchanged();
    }
    return report(mm::kAutosaveFailed + saved.message());
}

}  // namespace velquist
