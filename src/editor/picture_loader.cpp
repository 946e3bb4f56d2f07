// Background picture loading: from the web or from a file on this computer.
#include "editor/picture_loader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/address.h"
#include "core/file_io.h"
#include "core/template_fill.h"
#include "core/text.h"
#include "editor/messages.h"
#include "pictures/picture_decoder.h"

namespace velquist {
namespace {

// Small reads let a cancelled load of a large file on a slow share end soon.
constexpr size_t kReadChunk = size_t{1} << 20;

class OpenFile {
public:
    explicit OpenFile(int fd) : m_fd(fd) {}
    ~OpenFile() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

Status unreadable(int err) {
    if (err == ENOENT || err == ENOTDIR) {
        return Status::failure(editor_messages::kFileMissing);
    }
    if (err == EISDIR) {
        return Status::failure(editor_messages::kFileIsFolder);
    }
    return Status::failure(editor_messages::kFileUnreadable + describeErrno(err));
}

Status tooLarge(uint64_t maxBytes) {
    return Status::failure(
        fillTemplate(editor_messages::kFileOverLimit, {{"{上限}", formatByteSize(maxBytes)}}));
}

Result<Picture> fetchPicture(const std::string& address, const std::atomic<bool>* cancel,
                             const HttpLimits& limits, const HttpProgressHandler& onProgress) {
    auto response = httpGet(address, cancel, limits, onProgress);
    if (!response) {
        return response.status();
    }
    // Servers sometimes send the picture with an error status; the data decides, and the
    // status explains a failure better than "not a picture" does.
    auto picture = decodePicture(response->body);
    if (!picture && (response->status < 200 || response->status >= 300)) {
        return Status::failure(std::string(editor_messages::kHttpStatus) +
                               formatNumber(response->status));
    }
    return picture;
}

}  // namespace

Result<std::string> readPictureFile(const std::string& path, uint64_t maxBytes,
                                    const std::atomic<bool>* cancel) {
    // Not blocking: a named pipe must be found out by fstat, not hang the load in open.
    const OpenFile file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) {
        return unreadable(errno);
    }
    struct stat st {};
    if (::fstat(file.get(), &st) != 0) {
        return unreadable(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        return Status::failure(editor_messages::kFileIsFolder);
    }
    if (!S_ISREG(st.st_mode)) {
        return Status::failure(editor_messages::kFileNotRegular);
    }
    if (static_cast<uint64_t>(st.st_size) > maxBytes) {
        return tooLarge(maxBytes);
    }
    // Read straight into the result; the spare byte shows a file that grew since fstat.
    std::string bytes(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t done = 0;
    while (true) {
        if (done == bytes.size()) {
            if (done > maxBytes) {
                return tooLarge(maxBytes);
            }
            bytes.resize(static_cast<size_t>(std::min<uint64_t>(maxBytes + 1, uint64_t{done} * 2)));
        }
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            return Status::failure(editor_messages::kFileReadCancelled);
        }
        const ssize_t n =
            ::read(file.get(), bytes.data() + done, std::min(kReadChunk, bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return unreadable(errno);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

bool addressAccepted(std::string_view address) {
    return classifyAddress(address).kind != AddressKind::Refused;
}

Result<std::string> acceptAddress(std::string_view typed) {
    const ClassifiedAddress where = classifyAddress(typed);
    if (where.kind == AddressKind::Refused) {
        return Status::failure(where.reason);
    }
    return std::string(trimmed(typed, " \t\r\n\f\v"));
}

Result<Picture> loadPicture(const std::string& address, const std::atomic<bool>* cancel,
                            const HttpLimits& limits, const HttpProgressHandler& onProgress) {
    const ClassifiedAddress where = classifyAddress(address);
    switch (where.kind) {
        case AddressKind::Web:
            return fetchPicture(address, cancel, limits, onProgress);
        case AddressKind::LocalFile:
            break;
        case AddressKind::Refused:
            return Status::failure(where.reason);
    }
    auto bytes = readPictureFile(where.path, limits.maxBytes, cancel);
    if (!bytes) {
        return bytes.status();
    }
    return decodePicture(*bytes);
}

}  // namespace velquist
