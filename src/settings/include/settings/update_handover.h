// Hand-over to the online updater: put it in place, tell it what runs, start it.
#pragma once

#include <string>
#include <string_view>

#include "platform/process_launcher.h"

namespace velquist {

// The product name the updater compares against the published one; the version is the
// program's own.
inline constexpr std::string_view kHandoverProduct = "Velquist";

// Writes the updater out of `updaterArchive` into `programDir` unless "xz.exe" is already there,
// writes the hand-over file "gx.ini" (with `versionFileAddress` as the place of the version
// file) and starts the updater with `launcher`, with no arguments, whatever blanks the folder
// has. Returns the text for the status line.
std::string startOnlineUpdate(const std::string& programDir, std::string_view updaterArchive,
                              std::string_view versionFileAddress, ProcessLauncher& launcher);

}  // namespace velquist
