// The update hand-over.
#include "settings/update_handover.h"

#include <utility>

#include "core/encoding.h"
#include "core/file_io.h"
#include "core/handover_names.h"
#include "core/ini_file.h"
#include "core/program_dir.h"
#include "core/text.h"
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
        {handover::kProductKey, kProductName},
        {handover::kIdKey, handover::kIdValue},
        {handover::kDownloadKey, versionFileAddress}};
    for (const auto& [key, value] : values) {
        (void)writeIniValue(iniPath, handover::kSection, key, value);
    }
}

}  // namespace

std::optional<std::string> UpdaterWatch::poll() {
    for (const std::string& line : m_output.readLines()) {
        if (!trimmed(line, " \t\r").empty()) {
            m_lastLine = line;
        }
    }
    if (!m_output.ended()) {
        return std::nullopt;
    }
    // Ours prints UTF-8; an updater put there by someone else may print GBK.
    return m_lastLine.empty() ? std::string(text::kUpdaterSaidNothing) : decodeTextFile(m_lastLine);
}

UpdateStart startOnlineUpdate(const std::string& programDir, std::string_view updaterArchive,
                              std::string_view versionFileAddress, ProcessLauncher& launcher) {
    const std::string updater = joinPath(programDir, kUpdaterExe);
    // Whatever is there, file or folder, is used as it is.
    if (!pathExists(updater) && !placeUpdater(programDir, updaterArchive)) {
        return {text::kUpdaterWriteFailed, std::nullopt};
    }
    const std::string iniPath = joinPath(programDir, kUpdateIni);
    writeHandover(iniPath, versionFileAddress);
    // Its path is one argument, so blanks in the folder cannot start another program. The
    // start returns once the updater runs (on Windows, once it is ready for input or after a
    // second at most).
    Result<ProcessOutput> output = launcher.startReadingOutput(updater, {});
    if (!output) {
        removeFile(iniPath);
        return {text::kUpdaterStartFailed, std::nullopt};
    }
    return {text::kUpdaterStarted, UpdaterWatch(std::move(output).value())};
}

}  // namespace velquist
