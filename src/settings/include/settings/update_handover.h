// Hand-over to the online updater: put it in place, tell it what runs, start it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/process_launcher.h"

namespace velquist {

// Follows a running updater's output; once the updater has ended, its last line that is not
// blank is the outcome for the status line.
class UpdaterWatch {
public:
    explicit UpdaterWatch(ProcessOutput output) : m_output(std::move(output)) {}
    // Reads what the updater has printed, without waiting: the outcome once it has ended
    // (a fixed text when it said nothing), nothing while it runs.
    std::optional<std::string> poll();

private:
    ProcessOutput m_output;
    std::string m_lastLine;
};

struct UpdateStart {
    std::string status;                 // for the status line now
    std::optional<UpdaterWatch> watch;  // when the updater was started: poll it until it ends
};

// Writes the updater out of `updaterArchive` into `programDir` unless "xz.exe" is already there,
// writes the hand-over file "gx.ini" (with `versionFileAddress` as the place of the version
// file) and starts the updater with `launcher`, with no arguments, whatever blanks the folder
// has; its output is read through the returned watch.
UpdateStart startOnlineUpdate(const std::string& programDir, std::string_view updaterArchive,
                              std::string_view versionFileAddress, ProcessLauncher& launcher);

}  // namespace velquist
