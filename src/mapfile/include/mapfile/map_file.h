// Map files: the whole map as versioned JSON (UTF-8), written atomically and read strictly.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/status.h"
#include "mapfile/map_document.h"

namespace velquist {

inline constexpr std::string_view kMapFileFormat = "velquist-map";
// Version 2 holds a page of several pictures (`pictures`); a page of one picture is still written
// as version 1, which older copies of the tool read.
inline constexpr int kMapFileVersion = 2;
inline constexpr std::string_view kMapFileExtension = ".vqmap";
inline constexpr std::string_view kAutosaveFileName = "autosave.vqmap";
inline constexpr std::string_view kSetAsideSuffix = ".bad";
inline constexpr uint64_t kMaxMapFileBytes = 64u << 20;

// The file's bytes: one hotspot per line, text as UTF-8 (invalid UTF-8 becomes U+FFFD).
std::string writeMapFile(const MapDocument& map);

// The map of a file, or why it cannot be read: empty, truncated, damaged, foreign, from a newer
// version, or a value of the wrong type or outside the limits of mapfile/map_limits.h. Never a
// partial map.
Result<MapDocument> readMapFile(std::string_view bytes);

// The chosen name with ".vqmap" added unless it already ends in it (any letter case).
std::string withMapFileExtension(std::string_view chosen);

// Checks the limits, then replaces the file atomically: on failure the old file is intact.
Status saveMapFile(const std::string& path, const MapDocument& map);

// The map in the file at `path`. A failure is NotFound when there is no such file (for the
// autosave, a fresh start), Damaged when the file was read but is not a map this version can open
// (for the autosave, set aside), or another code when it is there but cannot be read (left as it
// is); its message says why.
Result<MapDocument> loadMapFile(const std::string& path);

// Renames `path` to `path` + ".bad", replacing an older one, so that a damaged autosave is kept
// for a look but no longer read at start.
Status setAsideCorruptFile(const std::string& path);

}  // namespace velquist
