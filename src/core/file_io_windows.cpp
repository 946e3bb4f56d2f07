// Whole-file reads and atomic writes on Windows, with UTF-16 file names.
#include <windows.h>

#include "bounded_read.h"
#include "core/file_io.h"
#include "core/messages.h"
#include "core/program_dir.h"
#include "core/random.h"
#include "core/win32.h"

namespace velquist {
namespace {

// Closes a handle when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() {
        if (valid()) {
            ::CloseHandle(m_handle);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    bool close() {
        const HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return ::CloseHandle(handle) != 0;
    }

private:
    HANDLE m_handle;
};

bool isDirectory(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool writeAll(HANDLE file, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) {
            return false;
        }
        done += written;
    }
    return true;
}

std::wstring temporaryNameFor(const std::wstring& path) {
    static constexpr wchar_t kHex[] = L"0123456789abcdef";
    std::wstring name = path + L".tmp";
    for (int i = 0; i < 8; ++i) {
        name += kHex[randomInt(0, 15)];
    }
    return name;
}

}  // namespace

bool pathExists(const std::string& path) {
    return ::GetFileAttributesW(toUtf16(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool canCreateFilesIn(const std::string& dir) {
    const std::wstring probe = temporaryNameFor(toUtf16(joinPath(dir, ".velquist-probe")));
    const HANDLE file =
        ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(file);
    return true;
}

Status replaceFile(const std::string& from, const std::string& to) {
    if (!::MoveFileExW(toUtf16(from).c_str(), toUtf16(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return Status::failure(describeWindowsError(::GetLastError()));
    }
    return {};
}

void removeFile(const std::string& path) {
    ::DeleteFileW(toUtf16(path).c_str());
}

Status setExecutable(const std::string&, bool) {
    return {};
}

Result<std::string> readWholeFile(const std::string& path, uint64_t maxBytes,
                                  const std::atomic<bool>* cancel) {
    const auto failed = [](DWORD err) {
        switch (err) {
            case ERROR_FILE_NOT_FOUND:
            case ERROR_PATH_NOT_FOUND:
                return Status::failure(StatusCode::NotFound, core_messages::kNotFound);
            case ERROR_ACCESS_DENIED:
                return Status::failure(StatusCode::Access, describeWindowsError(err));
            default:
                return Status::failure(describeWindowsError(err));
        }
    };
    const std::wstring name = toUtf16(path);
    if (isDirectory(name)) {
        return Status::failure(StatusCode::Folder, core_messages::kIsDirectory);
    }
    FileHandle file(::CreateFileW(name.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return failed(::GetLastError());
    }
    // Devices and pipes ("\\.\pipe\...", "CON") would block the reader.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK) {
        return Status::failure(StatusCode::NotRegular, core_messages::kNotRegularFile);
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size)) {
        return failed(::GetLastError());
    }
    return readToEnd(
        static_cast<uint64_t>(size.QuadPart), maxBytes, cancel,
        [&](char* data, size_t count, Status& failure) -> size_t {
            DWORD n = 0;
            if (!::ReadFile(file.get(), data, static_cast<DWORD>(count), &n, nullptr)) {
                failure = failed(::GetLastError());
            }
            return n;
        });
}

Status writeFileAtomically(const std::string& path, const std::string& bytes) {
    const std::wstring target = toUtf16(path);
    if (isDirectory(target)) {
        return Status::failure(core_messages::kIsDirectory);
    }
    const std::wstring temp = temporaryNameFor(target);
    FileHandle file(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return Status::failure(describeWindowsError(::GetLastError()));
    }
    // Each step runs only when the previous one worked; `err` keeps the first failure's cause.
    DWORD err = 0;
    const auto step = [&err](bool done) {
        if (!done && err == 0) {
            err = ::GetLastError() != 0 ? ::GetLastError() : ERROR_WRITE_FAULT;
        }
    };
    step(writeAll(file.get(), bytes));
    if (err == 0) {
        step(::FlushFileBuffers(file.get()) != 0);
    }
    step(file.close());
    if (err == 0) {
        step(::MoveFileExW(temp.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0);
    }
    if (err != 0) {
        ::DeleteFileW(temp.c_str());
        return Status::failure(describeWindowsError(err));
    }
    return {};
}

}  // namespace velquist
