// Version check and download of a newer program.
#include "updater/update_check.h"

#include <algorithm>
#include <optional>

#include "core/file_io.h"
#include "core/handover_names.h"
#include "core/ini_file.h"
#include "core/program_dir.h"
#include "core/template_fill.h"
#include "core/text.h"
#include "core/version.h"
#include "updater/messages.h"
#include "updater/sha256.h"
#include "updater/version_file.h"

namespace velquist {
namespace {

namespace text = updater_messages;

// A version file is a few lines; a big answer is not one.
constexpr uint64_t kMaxVersionFile = 1u << 20;
constexpr size_t kMaxNameLength = 200;

// The body of a successful answer; any other status is a failure naming it.
Result<std::string> fetch(const std::string& address, const HttpLimits& limits) {
    Result<HttpResponse> response = httpGet(address, nullptr, limits);
    if (!response) {
        return response.status();
    }
    if (response->status < 200 || response->status > 299) {
        return Status::failure(
            fillTemplate(text::kServerAnswered, {{"{状态}", formatNumber(response->status)}}));
    }
    return std::move(response->body);
}

// Why the download cannot be trusted to run, or nothing when it matches the published checksum.
std::optional<std::string> checksumProblem(const std::string& published, std::string_view bytes) {
    if (published.empty()) {
        return text::kNoChecksum;
    }
    const bool hex =
        published.size() == 64 && std::all_of(published.begin(), published.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
        });
    if (!hex) {
        return text::kChecksumUnusable;
    }
    if (sha256Hex(bytes) != published) {
        return text::kChecksumMismatch;
    }
    return std::nullopt;
}

// Saved either way; runnable only when `runnable`. The mode is set in both cases because an
// atomic write keeps the mode of a file it replaces.
Status saveProgram(const std::string& path, const std::string& bytes, bool runnable) {
    if (Status written = writeFileAtomically(path, bytes); !written) {
        return written;
    }
    return setExecutable(path, runnable);
}

struct Handover {
    std::string version;
    std::string product;
    std::string versionFileAddress;
};

Result<Handover> readHandover(const std::string& programDir) {
    const std::string ini = joinPath(programDir, kUpdateIni);
    const auto value = [&ini](std::string_view key) {
        return readIniValue(ini, handover::kSection, key);
    };
    if (value(handover::kIdKey) != handover::kIdValue) {
        return Status::failure(text::kStopped);
    }
    Handover h{value(handover::kVersionKey), value(handover::kProductKey),
               value(handover::kDownloadKey)};
    if (h.versionFileAddress.empty()) {
        return Status::failure(text::kNoVersionAddress);
    }
    if (h.product.empty()) {
        h.product = kProductName;
    }
    return h;
}

Result<VersionInfo> fetchVersionInfo(const std::string& address, HttpLimits limits) {
    limits.maxBytes = std::min(limits.maxBytes, kMaxVersionFile);
    Result<std::string> bytes = fetch(address, limits);
    if (!bytes) {
        return Status::failure(
            fillTemplate(text::kVersionFetchFailed, {{"{原因}", bytes.error()}}));
    }
    Result<VersionInfo> info = readVersionFile(*bytes);
    if (!info) {
        return Status::failure(fillTemplate(text::kBadVersionFile, {{"{原因}", info.error()}}));
    }
    return info;
}

}  // namespace

std::string newProgramName(std::string_view product, std::string_view version) {
    std::string name = std::string(product) + "-" + std::string(version);
    for (char& c : name) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '_';
        if (!safe) {
            c = '_';
        }
    }
    if (name.size() > kMaxNameLength) {
        name.resize(kMaxNameLength);
    }
    return name;
}

Result<std::string> runUpdate(const std::string& programDir, const HttpLimits& limits) {
    Result<Handover> handover = readHandover(programDir);
    if (!handover) {
        return handover.status();
    }
    Result<VersionInfo> latest = fetchVersionInfo(handover->versionFileAddress, limits);
    if (!latest) {
        return latest.status();
    }
    const std::string& version = latest->version;
    if (version == handover->version) {
        return fillTemplate(text::kUpToDate, {{"{名称}", handover->product}, {"{版本}", version}});
    }
    Result<std::string> program = fetch(latest->downloadAddress, limits);
    if (program && program->empty()) {
        program = Status::failure(text::kEmptyDownload);
    }
    if (!program) {
        return Status::failure(fillTemplate(text::kDownloadFailed,
                                            {{"{版本}", version}, {"{原因}", program.error()}}));
    }
    const std::string unverified = joinPath(programDir, newProgramName(handover->product, version));
    const std::string runnable = unverified + std::string(runnableSuffix());
    const std::optional<std::string> problem = checksumProblem(latest->sha256, *program);
    // Where the name makes a program (Windows), only a verified download gets that name, and a
    // runnable copy from before must not stay beside the new unverified bytes.
    const std::string path = problem ? unverified : runnable;
    if (Status saved = saveProgram(path, *program, !problem); !saved) {
        return Status::failure(
            fillTemplate(text::kSaveFailed, {{"{路径}", path}, {"{原因}", saved.message()}}));
    }
    if (problem && runnable != unverified) {
        removeFile(runnable);
    }
    if (problem) {
        return fillTemplate(text::kDownloadedNotRunnable,
                            {{"{版本}", version}, {"{路径}", path}, {"{原因}", *problem}});
    }
    return fillTemplate(text::kDownloaded,
                        {{"{版本}", version}, {"{路径}", path}, {"{名称}", handover->product}});
}

}  // namespace velquist
