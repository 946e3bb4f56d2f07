// ZIP writing with minizip.
#include "updater/zip_pack.h"

#include <zip.h>

#include "core/file_io.h"

namespace velquist {
namespace {

constexpr unsigned long kMadeOnUnix = 3u << 8 | 20u;  // "version made by": Unix, ZIP 2.0

bool addEntry(zipFile zip, const ZipEntry& entry) {
    zip_fileinfo info{};
    info.tmz_date = tm_zip{0, 0, 0, 1, 0, 2024};  // 2024-01-01 00:00:00
    info.external_fa = (entry.executable ? 0100755ul : 0100644ul) << 16;
    if (zipOpenNewFileInZip4_64(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                Z_DEFLATED, Z_BEST_COMPRESSION, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                Z_DEFAULT_STRATEGY, nullptr, 0, kMadeOnUnix, 0, 0) != ZIP_OK) {
        return false;
    }
    const bool written = entry.bytes.empty() ||
                         zipWriteInFileInZip(zip, entry.bytes.data(),
                                             static_cast<unsigned>(entry.bytes.size())) == ZIP_OK;
    return zipCloseFileInZip(zip) == ZIP_OK && written;
}

}  // namespace

Status writeZip(const std::string& path, const std::vector<ZipEntry>& entries) {
    const std::string temp = path + ".part";
    zipFile zip = zipOpen64(temp.c_str(), APPEND_STATUS_CREATE);
    if (zip == nullptr) {
        return Status::failure(describeErrno(errno));
    }
    bool ok = true;
    for (const ZipEntry& entry : entries) {
        ok = ok && addEntry(zip, entry);
    }
    ok = zipClose(zip, nullptr) == ZIP_OK && ok;
    if (!ok || !replaceFile(temp, path)) {
        removeFile(temp);
        return Status::failure("cannot write " + path);
    }
    return Status();
}

}  // namespace velquist
