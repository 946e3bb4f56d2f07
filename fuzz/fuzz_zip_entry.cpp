// Fuzz target: taking the updater entry out of an archive from anywhere.
#include <sys/stat.h>

#include "core/file_io.h"
#include "fuzz_support.h"
#include "settings/archive_extract.h"

using namespace velquist;

namespace {

// Small, so that expanding archives reach the limit quickly.
constexpr uint64_t kMaxEntryBytes = 1u << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::MemoryFile archive;
    static const fuzz::ScratchDir dir;
    static const std::string destination = dir.file("xz.exe");
    archive.assign(fuzz::asBytes(data, size));
    ::unlink(destination.c_str());

    const Status status = extractZipEntry(archive.path(), "xz.exe", destination, kMaxEntryBytes);
    const std::vector<std::string> left = dir.names();
    if (!status) {
        fuzz::require(!status.message().empty(), "a refusal says why");
        fuzz::require(left.empty(), "a refused archive leaves nothing behind");
        return 0;
    }
    fuzz::require(left.size() == 1 && left[0] == "xz.exe", "only the named entry is written");
    struct stat st {};
    fuzz::require(::stat(destination.c_str(), &st) == 0 && (st.st_mode & 0111) != 0 &&
                      static_cast<uint64_t>(st.st_size) <= kMaxEntryBytes,
                  "the entry is executable and within the limit");
    return 0;
}
