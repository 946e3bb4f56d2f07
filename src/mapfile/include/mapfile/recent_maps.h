// The store of recent maps: every map with hotspots that a load replaced, kept as a map file in
// one folder beside pz.ini, the newest 20 of them.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"
#include "mapfile/map_document.h"

namespace velquist {

inline constexpr std::string_view kRecentMapsFolderName = "maps";
inline constexpr size_t kRecentMapsKept = 20;

// One kept map, as the "最近的热区" menu lists it.
struct RecentMap {
    std::string path;         // the entry's map file
    std::string pictureName;  // the picture's file name; empty for a map without a picture
    size_t hotspotCount = 0;
    std::string replacedAt;  // local time, "12-08 14:03"
};

class RecentMaps {
public:
    // `settingsDir` is the folder of pz.ini; the store is its "maps" folder, made when needed.
    explicit RecentMaps(const std::string& settingsDir);

    // Keeps `map` as the newest entry, replaced at `when`, and drops the oldest beyond 20. A map
    // kept already (the same file content) moves to the front instead of being kept twice.
    Status keep(const MapDocument& map, std::time_t when);
    // Called by every path that replaces the map: keeps `current` when it has a hotspot and
    // answers the note the status line adds to the action's own message ("" for no hotspots).
    std::string keepReplaced(const MapDocument& current, std::time_t when);
    // The entries, most recent first; an entry that cannot be read is left out.
    std::vector<RecentMap> list() const;
    // Whether `path` is a file the program keeps itself (an entry or the autosave), which
    // Ctrl+S must never write into.
    bool keptByProgram(const std::string& path) const;

private:
    std::vector<std::string> entryNames() const;  // newest first

    std::string m_settingsDir;
    std::string m_folder;
};

// "banner.jpg · 8 个热区 · 12-08 14:03"
std::string recentMapCaption(const RecentMap& entry);

// The file name at the end of a picture address, without a query or fragment.
std::string pictureFileName(std::string_view address);

}  // namespace velquist
