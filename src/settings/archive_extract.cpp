// ZIP extraction with minizip.
#include "settings/archive_extract.h"

#include <unzip.h>

#include <memory>

#include "core/file_io.h"
#include "core/template_fill.h"
#include "settings/messages.h"
#include "zip_open.h"

namespace velquist {
namespace {

namespace text = settings_messages;

struct ArchiveCloser {
    void operator()(void* archive) const { unzClose(archive); }
};
using Archive = std::unique_ptr<void, ArchiveCloser>;

// The current entry's bytes; refuses more than `maxBytes` whatever the header claims.
Result<std::string> readCurrentEntry(unzFile archive, std::string_view name, uint64_t maxBytes) {
    const auto failure = [name](const char* templ) {
        return Status::failure(fillTemplate(templ, {{"{名称}", name}}));
    };
    if (unzOpenCurrentFile(archive) != UNZ_OK) {
        return failure(text::kArchiveEntryDamaged);
    }
    std::string bytes;
    char buffer[65536];
    int n = 0;
    while ((n = unzReadCurrentFile(archive, buffer, sizeof buffer)) > 0) {
        if (bytes.size() + static_cast<size_t>(n) > maxBytes) {
            unzCloseCurrentFile(archive);
            return failure(text::kArchiveEntryTooLarge);
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    // Closing checks the CRC of everything read.
    if (unzCloseCurrentFile(archive) != UNZ_OK || n < 0) {
        return failure(text::kArchiveEntryDamaged);
    }
    return bytes;
}

}  // namespace

Status extractZipEntry(const std::string& zipPath, std::string_view entryName,
                       const std::string& destination, uint64_t maxBytes) {
    Archive archive(openZipArchive(zipPath));
    if (!archive) {
        return Status::failure(text::kArchiveUnreadable);
    }
    constexpr int kCaseSensitive = 1;
    if (unzLocateFile(archive.get(), std::string(entryName).c_str(), kCaseSensitive) != UNZ_OK) {
        return Status::failure(fillTemplate(text::kArchiveEntryMissing, {{"{名称}", entryName}}));
    }
    Result<std::string> bytes = readCurrentEntry(archive.get(), entryName, maxBytes);
    if (!bytes) {
        return bytes.status();
    }
    if (Status written = writeFileAtomically(destination, *bytes); !written) {
        return written;
    }
    return setExecutable(destination, true);
}

}  // namespace velquist
