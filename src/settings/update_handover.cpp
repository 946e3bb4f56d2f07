// The update hand-over.
#include "settings/update_handover.h"

#include <algorithm>

#include "core/file_io.h"
#include "core/ini_file.h"
#include "core/program_dir.h"
#include "settings/archive_extract.h"
#include "settings/messages.h"
#include "updater/handover_file.h"

namespace velquist {
namespace {

namespace text = settings_messages;

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
constexpr bool isVisibleAscii(char c) {
    return c > ' ' && c <= '~';
}

static_assert(kUpdaterToken.size() == 86);
static_assert(std::all_of(kUpdaterToken.begin(), kUpdaterToken.begin() + 14, isDigit));
static_assert(std::all_of(kUpdaterToken.begin(), kUpdaterToken.end(), isVisibleAscii));
static_assert(kUpdaterToken.ends_with("=="));

// Puts "xz.exe" in place through "xz.zip"; false only when the archive cannot be written.
bool placeUpdater(const std::string& programDir, std::string_view archive) {
    const std::string zipPath = joinPath(programDir, kUpdaterZip);
    if (!writeFileAtomically(zipPath, std::string(archive))) {
        return false;
    }
    // A failed extraction shows as a failed start a moment later.
    extractZipEntry(zipPath, kUpdaterExe, joinPath(programDir, kUpdaterExe));
    removeFile(zipPath);
    return true;
}

// Failed writes go unremarked: the updater is started anyway and says what it misses.
void writeHandover(const std::string& iniPath, std::string_view versionFileAddress) {
    writeIniValue(iniPath, handover::kSection, handover::kVersionKey, kHandoverVersion);
    writeIniValue(iniPath, handover::kSection, handover::kProductKey, kHandoverProduct);
    writeIniValue(iniPath, handover::kSection, handover::kIdKey, handover::kIdValue);
    writeIniValue(iniPath, handover::kSection, handover::kDownloadKey, versionFileAddress);
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
    if (!launcher.start(updater, {std::string(kUpdaterToken)})) {
        removeFile(iniPath);
        return text::kUpdaterStartFailed;
    }
    return text::kUpdaterStarted;
}

}  // namespace velquist
