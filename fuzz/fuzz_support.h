// Helpers shared by the fuzz targets: checks that abort loudly, and files for readers of paths.
#pragma once

#include <dirent.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace velquist::fuzz {

inline std::string_view asBytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A broken promise is a finding: libFuzzer keeps the input that caused the abort.
inline void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// The next line of `rest` (without its line break), taken off the front.
inline std::string_view takeLine(std::string_view& rest) {
    const size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    return line;
}

// A file in memory with a path, for readers that take a path: no disk work per input.
class MemoryFile {
public:
    MemoryFile() : m_fd(::memfd_create("velquist-fuzz", MFD_CLOEXEC)) {
        require(m_fd >= 0, "memfd_create");
        m_path = "/proc/self/fd/" + std::to_string(m_fd);
    }
    ~MemoryFile() { ::close(m_fd); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    const std::string& path() const { return m_path; }
    void assign(std::string_view bytes) {
        require(::ftruncate(m_fd, 0) == 0, "ftruncate");
        require(::pwrite(m_fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()),
                "pwrite");
    }

private:
    int m_fd;
    std::string m_path;
};

// A private folder in memory (or /tmp) for writers that replace files atomically.
class ScratchDir {
public:
    ScratchDir() {
        std::string pattern = (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                              std::string("/velquist-fuzz-XXXXXX");
        require(::mkdtemp(pattern.data()) != nullptr, "mkdtemp");
        m_path = pattern;
    }
    ~ScratchDir() {
        for (const std::string& name : names()) {
            ::unlink(file(name).c_str());
        }
        ::rmdir(m_path.c_str());
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    std::string file(std::string_view name) const { return m_path + "/" + std::string(name); }

    // Names of the files in the folder (to see that nothing was left behind).
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        if (DIR* dir = ::opendir(m_path.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                const std::string_view name = entry->d_name;
                if (name != "." && name != "..") {
                    out.emplace_back(name);
                }
            }
            ::closedir(dir);
        }
        return out;
    }

private:
    std::string m_path;
};

}  // namespace velquist::fuzz
