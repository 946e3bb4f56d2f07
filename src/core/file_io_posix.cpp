// Whole-file reads and atomic writes on POSIX.
#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "bounded_read.h"
#include "core/messages.h"
#include "core/random.h"

namespace velquist {
namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now and reports whether the close succeeded (it can report a late write error).
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string temporaryNameFor(const std::string& path) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = path + ".tmp";
    for (int i = 0; i < 8; ++i) {
        name += kHex[randomInt(0, 15)];
    }
    return name;
}

}  // namespace

bool pathExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

bool canCreateFilesIn(const std::string& dir) {
    const std::string probe = temporaryNameFor(dir + "/.velquist-probe");
    FileDescriptor fd(::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (fd.get() < 0) {
        return false;
    }
    ::unlink(probe.c_str());
    return true;
}

Status replaceFile(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        return Status::failure(describeErrno(errno));
    }
    return {};
}

void removeFile(const std::string& path) {
    ::unlink(path.c_str());
}

Status setExecutable(const std::string& path, bool executable) {
    if (::chmod(path.c_str(), executable ? 0755 : 0644) != 0) {
        return Status::failure(describeErrno(errno));
    }
    return {};
}

Result<std::string> readWholeFile(const std::string& path, uint64_t maxBytes,
                                  const std::atomic<bool>* cancel) {
    // Not blocking: a named pipe must be found out by fstat, not hang the caller in open.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        return errnoFailure(errno);
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        return errnoFailure(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        return errnoFailure(EISDIR);
    }
    if (!S_ISREG(st.st_mode)) {
        return Status::failure(StatusCode::NotRegular, core_messages::kNotRegularFile);
    }
    return readToEnd(static_cast<uint64_t>(st.st_size), maxBytes, cancel,
                     [&](char* data, size_t count, Status& failure) -> size_t {
                         while (true) {
                             const ssize_t n = ::read(fd.get(), data, count);
                             if (n >= 0) {
                                 return static_cast<size_t>(n);
                             }
                             if (errno != EINTR) {
                                 failure = errnoFailure(errno);
                                 return 0;
                             }
                         }
                     });
}

Status writeFileAtomically(const std::string& path, const std::string& bytes) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return Status::failure(core_messages::kIsDirectory);
    }
    const std::string temp = temporaryNameFor(path);
    FileDescriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        return Status::failure(describeErrno(errno));
    }
    // Each step runs only when the previous one worked; `err` keeps the first failure's cause.
    int err = 0;
    const auto step = [&err](bool done) {
        if (!done && err == 0) {
            err = errno != 0 ? errno : EIO;
        }
    };
    step(writeAll(fd.get(), bytes));
    if (err == 0 && exists) {
        step(::fchmod(fd.get(), existing.st_mode & 07777) == 0);
    }
    if (err == 0) {
        step(::fsync(fd.get()) == 0);
    }
    step(fd.close());
    if (err == 0) {
        step(::rename(temp.c_str(), path.c_str()) == 0);
    }
    if (err != 0) {
        ::unlink(temp.c_str());
        return Status::failure(describeErrno(err));
    }
    return {};
}

}  // namespace velquist
