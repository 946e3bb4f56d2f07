// The update hand-over.
#include "settings/update_handover.h"

#include <utility>

#include "core/file_io.h"
#include "core/handover_names.h"
#include "core/ini_file.h"
#include "core/program_dir.h"
#include "core/version.h"
#include "settings/archive_extract.h"
#include "settings/messages.h"

namespace velquist {
namespace {

namespace text = settings_messages;

// Puts "xz.exe" in place through "xz.zip"; false only when the archive cannot be written.
bool placeUpdater(const std::string& programDir, std::string_view archive) {
    const std::string zipPath = joinPath(programDir, kUpdaterZip);
    if (!writeFileAtomically(zipPath, std::string(archive))) {
        return false;
    }
    // A failed extraction shows as a failed start a moment later.
    (void)extractZipEntry(zipPath, kUpdaterExe, joinPath(programDir, kUpdaterExe));
    removeFile(zipPath);
    return true;
}

// Failed writes go unremarked: the updater is started anyway and says what it misses.
void writeHandover(const std::string& iniPath, std::string_view versionFileAddress) {
    const std::pair<std::string_view, std::string_view> values[] = {
        {handover::kVersionKey, kProgramTitle},
        {handover::kProductKey, kHandoverProduct},
        {handover::kIdKey, handover::kIdValue},
        {handover::kDownloadKey, versionFileAddress}};
    for (const auto& [key, value] : values) {
        (void)writeIniValue(iniPath, handover::kSection, key, value);
    }
}

}  // namespace

std::string startOnlineUpdate(const std::string& programDir, std::string_view updaterArchive,
                              std::string_view versionFileAddress, ProcessLauncher& launcher) {
    const std::string updater = joinPath(programDir, kUpdaterExe);
    // Whatever is there, file or folder, is used as it is.
    if (!pathExists(updater) && !placeUpdater(programDir, updaterArchive)) {
        return text::kUpdaterWriteFailed;
    }
    const std::string iniPath = joinPath(programDir, kUpdateIni);
    writeHandover(iniPath, versionFileAddress);
    // Its path is one argument, so blanks in the folder cannot start another program. The
    // start returns once the updater runs (on Windows, once it is ready for input or after a
    // second at most).
    if (!launcher.start(updater, {})) {
        removeFile(iniPath);
        return text::kUpdaterStartFailed;
    }
    return text::kUpdaterStarted;
}

}  // namespace velquist
