// The store of recent maps: entry names, keeping, pruning and listing.
#include "mapfile/recent_maps.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/address.h"
#include "core/file_io.h"
#include "core/template_fill.h"
#include "mapfile/map_file.h"
#include "mapfile/map_limits.h"
#include "mapfile/messages.h"

namespace velquist {
namespace {

namespace fs = std::filesystem;
namespace mm = mapfile_messages;

// Entries are named by the local time they were replaced at and a number that orders those of
// the same second, "20261208-140312-00.vqmap", so that names sort as the entries' age.
constexpr size_t kStampLength = 15;  // "20261208-140312"
constexpr size_t kNameLength = kStampLength + 3 + kMapFileExtension.size();

// UTF-8 names on every system (a plain std::string would be the ANSI code page on Windows).
fs::path fsPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool isDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isEntryName(std::string_view name) {
    return name.size() == kNameLength && isDigits(name.substr(0, 8)) && name[8] == '-' &&
           isDigits(name.substr(9, 6)) && name[kStampLength] == '-' &&
           isDigits(name.substr(kStampLength + 1, 2)) &&
           name.substr(kStampLength + 3) == kMapFileExtension;
}

std::string stampOf(std::time_t when) {
    std::tm local{};
    if (const std::tm* t = std::localtime(&when)) {  // only the UI thread keeps maps
        local = *t;
    }
    char stamp[kStampLength + 1] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

// The next name for `stamp`: after every entry of the same second.
std::string nextName(const std::string& stamp, const std::vector<std::string>& names) {
    int number = 0;
    for (const std::string& name : names) {
        if (name.compare(0, kStampLength, stamp) == 0) {
            number = std::max(number, std::stoi(name.substr(kStampLength + 1, 2)) + 1);
        }
    }
    number = std::min(number, 99);
    const char digits[] = {static_cast<char>('0' + number / 10),
                           static_cast<char>('0' + number % 10), '\0'};
    return stamp + "-" + digits + std::string(kMapFileExtension);
}

// "12-08 14:03" out of "20261208-140312-00.vqmap".
std::string replacedAtOf(std::string_view name) {
    return std::string(name.substr(4, 2)) + "-" + std::string(name.substr(6, 2)) + " " +
           std::string(name.substr(9, 2)) + ":" + std::string(name.substr(11, 2));
}

fs::path canonical(const std::string& path) {
    std::error_code ignored;
    fs::path found = fs::weakly_canonical(fsPath(path), ignored);
    return found.empty() ? fsPath(path) : found;
}

}  // namespace

RecentMaps::RecentMaps(const std::string& settingsDir)
    : m_settingsDir(settingsDir),
      m_folder(settingsDir + "/" + std::string(kRecentMapsFolderName)) {}

std::vector<std::string> RecentMaps::entryNames() const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(fsPath(m_folder), error), end; !error && it != end;
         it.increment(error)) {
        std::string name = utf8Of(it->path().filename());
        if (isEntryName(name)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), std::greater<>());
    return names;
}

Status RecentMaps::keep(const MapDocument& map, std::time_t when) {
    if (Status limits = checkMapLimits(map); !limits) {
        return limits;
    }
    std::error_code error;
    fs::create_directories(fsPath(m_folder), error);
    if (error) {
        return Status::failure(fillTemplate(mm::kRecentFolderFailed, {{"{文件夹}", m_folder}}) +
                               describeErrno(error.value()));
    }
    const std::string bytes = writeMapFile(map);
    std::vector<std::string> names = entryNames();
    const std::string name = nextName(stampOf(when), names);
    if (Status written = writeFileAtomically(m_folder + "/" + name, bytes); !written) {
        return written;
    }
    for (const std::string& old : names) {
        const std::string path = m_folder + "/" + old;
        Result<std::string> kept = readWholeFile(path, kMaxMapFileBytes);
        if (old != name && kept && kept.value() == bytes) {
            removeFile(path);  // the same map kept before: only the newest copy stays
        }
    }
    names = entryNames();
    for (size_t i = kRecentMapsKept; i < names.size(); ++i) {
        removeFile(m_folder + "/" + names[i]);
    }
    return {};
}

std::string RecentMaps::keepReplaced(const MapDocument& current, std::time_t when) {
    if (current.hotspots.empty()) {
        return {};
    }
    const std::string count = std::to_string(current.hotspots.size());
    const Status kept = keep(current, when);
    if (!kept) {
        return fillTemplate(mm::kRecentKeepFailed, {{"{个数}", count}, {"{原因}", kept.message()}});
    }
    return fillTemplate(mm::kRecentKept, {{"{个数}", count}});
}

std::vector<RecentMap> RecentMaps::list() const {
    std::vector<RecentMap> entries;
    for (const std::string& name : entryNames()) {
        const std::string path = m_folder + "/" + name;
        const Result<MapDocument> map = loadMapFile(path);
        if (map) {
            entries.push_back({path, pictureFileName(map->pictureAddress), map->hotspots.size(),
                               replacedAtOf(name)});
        }
    }
    return entries;
}

bool RecentMaps::keptByProgram(const std::string& path) const {
    const fs::path file = canonical(path);
    return file.parent_path() == canonical(m_folder) ||
           file == canonical(m_settingsDir + "/" + std::string(kAutosaveFileName));
}

std::string recentMapCaption(const RecentMap& entry) {
    return fillTemplate(mm::kRecentCaption,
                        {{"{图片}", entry.pictureName.empty() ? std::string(mm::kRecentNoPicture)
                                                              : entry.pictureName},
                         {"{个数}", std::to_string(entry.hotspotCount)},
                         {"{时间}", entry.replacedAt}});
}

std::string pictureFileName(std::string_view address) {
    const ClassifiedAddress classified = classifyAddress(address);
    std::string_view path = address;
    if (classified.kind == AddressKind::LocalFile) {
        path = classified.path;
    } else if (classified.kind == AddressKind::Web) {
        path = path.substr(0, path.find_first_of("?#"));
    }
    const size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(name.empty() ? path : name);
}

}  // namespace velquist
