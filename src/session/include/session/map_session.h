// What happens to the edited map as a whole: picture loads and what each is for, the autosave
// and its restoring at start, map files, "最近的热区", imported code and drops. Each action
// changes the editor and answers what the window does and says besides showing it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"
#include "editor/hotspot_editor.h"
#include "mapfile/map_document.h"
#include "pictures/picture.h"

namespace velquist {

// The file dialogs a map action may need.
enum class MapDialog { SaveMap, OpenMap, OpenCode };

// What the window does after an action, besides showing what the editor holds.
struct SessionUpdate {
    Said said;  // for the status line
    // With `load`: what the load said as it started, its last word so far (see MainStatusLine).
    Said loadSaid;
    bool cancelLoad = false;          // stop the loader's running load
    std::optional<std::string> load;  // start the loader on this address
    // Show this dialog, then hand its answer to MapSession::chosen.
    std::optional<MapDialog> ask;
    bool refresh = true;  // false: nothing changed on screen
};

// An entry of "最近的热区" as the menu shows it.
struct RecentMapItem {
    std::string caption;
    std::string path;
};

class MapSession {
public:
    // `settingsDir` is the folder of pz.ini, the autosave and the store of recent maps.
    MapSession(HotspotEditor& editor, std::string settingsDir);

    // --- picture loads ---
    // An address confirmed (or given at start): a new map, or with `keepHotspots` the picture
    // under the map's hotspots.
    SessionUpdate startLoad(const std::string& address, bool keepHotspots = false);
    // "添加图片": the picture of `address` goes below the page's last one.
    SessionUpdate addPicture(const std::string& address);
    // Esc or "取消": the load under way stops, the map stays.
    SessionUpdate cancelLoad();
    // Esc, the first use that applies: proposed hotspots are dismissed, else a running load is
    // cancelled, else nothing happens.
    SessionUpdate escapePressed();
    // The loader's result for the newest load. A replaced map with hotspots is kept among the
    // recent ones; the address of a load the user asked for is remembered either way.
    SessionUpdate loadFinished(const std::string& address, Result<Picture> result);
    // Ctrl+Y: a map redone before its picture came (or after it failed) fetches it again.
    SessionUpdate redo();

    // --- the autosave ---
    // At start: the map of the last session, when its autosave holds hotspots, as one undo
    // step; a damaged autosave is set aside and said so.
    SessionUpdate restoreAutosave();
    // Whether the map changed since the autosave was written.
    bool autosaveDue() const { return m_editor.changeCount() != m_autosavedChange; }
    // Writes the autosave when it is due; a failure is said once until a write succeeds.
    SessionUpdate autosave();

    // --- map files, "最近的热区", imported code, drops ---
    // Ctrl+S: the file the map was opened from or last saved to; asks when there is none.
    SessionUpdate saveMap();
    // The answer of a dialog an update asked for (nothing: cancelled).
    SessionUpdate chosen(MapDialog dialog, const std::optional<std::string>& path);
    SessionUpdate openMapFile(const std::string& path);
    // An entry of "最近的热区": as one undo step, picture included; Ctrl+S asks afterwards.
    SessionUpdate openRecentMap(const std::string& path);
    std::vector<RecentMapItem> recentMaps() const;
    // "从代码导入热区…": the clipboard's text when it is image-map code, else a file is asked for.
    SessionUpdate importCode(std::string_view clipboard);
    // What a drop on the canvas carries (see decideDrop).
    SessionUpdate drop(const std::vector<std::string>& items);
    // A start argument, also one a later start hands over: a map file or a picture's address
    // (see decideArgument).
    SessionUpdate openArgument(const std::string& address);
    // The file Ctrl+S writes; empty when it must ask.
    const std::string& mapFilePath() const { return m_mapFilePath; }

private:
    // Every path that replaces the map calls this first: the map, when it has hotspots, goes to
    // "最近的热区". Answers the note the status line adds to the action's own message.
    std::string keepReplacedMap();
    // The map becomes `document` (one undo step); its picture is shared when it is the one on
    // screen, else fetched.
    SessionUpdate replaceMap(const char* label, const MapDocument& document, std::string said);
    SessionUpdate fetchMapPicture(const std::string& address);
    SessionUpdate saveMapTo(const std::string& path);
    // Ctrl+S writes `path` from now on, unless it is a file the program keeps itself.
    void rememberMapFile(const std::string& path);
    SessionUpdate importCodeText(std::string_view code);
    SessionUpdate importCodeFile(const std::string& path);
    static SessionUpdate unchanged();
    static SessionUpdate asking(MapDialog dialog);
    static SessionUpdate report(std::string said);
    std::string autosavePath() const;

    HotspotEditor& m_editor;
    std::string m_settingsDir;
    std::string m_mapFilePath;
    uint64_t m_autosavedChange = 0;  // the editor's change count the autosave holds
    bool m_autosaveFailureShown = false;
};

}  // namespace velquist
