// UTF-16 conversions and error texts for the Windows side of the core.
#include "core/win32.h"

#include <windows.h>

#include "core/messages.h"

namespace velquist {

std::wstring toUtf16(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf8.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), n);
    return out;
}

std::string toUtf8(std::wstring_view utf16) {
    if (utf16.empty()) {
        return {};
    }
    const int size = static_cast<int>(utf16.size());
    const int n =
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

std::string describeWindowsError(unsigned long error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return core_messages::kNoPermission;
        case ERROR_WRITE_PROTECT:
            return core_messages::kReadOnlyFileSystem;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return core_messages::kDiskFull;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return core_messages::kNotFound;
        case ERROR_DIRECTORY:
            return core_messages::kIsDirectory;
        case ERROR_FILENAME_EXCED_RANGE:
            return core_messages::kNameTooLong;
        case ERROR_FILE_TOO_LARGE:
            return core_messages::kFileTooLarge;
        default:
            break;
    }
    wchar_t* text = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = n > 0 ? std::wstring(text, n) : std::wstring();
    ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                                message.back() == L'.' || message.back() == L' ')) {
        message.pop_back();
    }
    return message.empty() ? "Windows error " + std::to_string(error) : toUtf8(message);
}

}  // namespace velquist
