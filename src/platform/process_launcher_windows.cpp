// Process start with CreateProcessW.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/file_io.h"
#include "core/template_fill.h"
#include "core/win32.h"
#include "platform/messages.h"
#include "platform/process_launcher.h"
#include "process_output_system.h"

namespace velquist {
namespace {

namespace text = platform_messages;

// One argument as the C runtime's command-line parser reads it back: quoted when it is empty
// or holds blanks or quotes; backslashes doubled only where a quote follows them.
void appendQuoted(std::wstring& line, const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        line += argument;
        return;
    }
    line += L'"';
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"') {
            line.append(backslashes * 2 + 1, L'\\');
        } else {
            line.append(backslashes, L'\\');
        }
        backslashes = 0;
        line += c;
    }
    line.append(backslashes * 2, L'\\');
    line += L'"';
}

std::string describeStartFailure(DWORD error) {
    switch (error) {
        case ERROR_BAD_EXE_FORMAT:
        case ERROR_EXE_MACHINE_TYPE_MISMATCH:
            return text::kNotAProgram;
        default:
            return describeWindowsError(error);
    }
}

// An attribute list naming the one handle a new process inherits (none when `fd` is -1).
class OneInheritedHandle {
public:
    explicit OneInheritedHandle(int fd) {
        if (fd < 0) {
            return;
        }
        m_handle = reinterpret_cast<HANDLE>(static_cast<intptr_t>(fd));
        SIZE_T size = 0;
        ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        m_storage.resize(size);
        auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(m_storage.data());
        if (::InitializeProcThreadAttributeList(list, 1, 0, &size)) {
            m_list = list;
            if (!::UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, &m_handle,
                                             sizeof m_handle, nullptr, nullptr)) {
                ::DeleteProcThreadAttributeList(m_list);
                m_list = nullptr;
            }
        }
    }
    ~OneInheritedHandle() {
        if (m_list != nullptr) {
            ::DeleteProcThreadAttributeList(m_list);
        }
    }
    OneInheritedHandle(const OneInheritedHandle&) = delete;
    OneInheritedHandle& operator=(const OneInheritedHandle&) = delete;

    HANDLE handle() const { return m_handle; }
    LPPROC_THREAD_ATTRIBUTE_LIST list() const { return m_list; }

private:
    HANDLE m_handle = nullptr;
    std::vector<char> m_storage;
    LPPROC_THREAD_ATTRIBUTE_LIST m_list = nullptr;
};

}  // namespace

namespace output_pipe {

void prepare(int) {}

// Anonymous pipes cannot be made non-blocking: only what is there is read.
ReadEnd readSome(int fd, char* buffer, size_t size, size_t& count) {
    const auto pipe = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    DWORD available = 0;
    if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) {
        return ReadEnd::Ended;  // the program closed its end: the output has ended
    }
    if (available == 0) {
        return ReadEnd::NothingYet;
    }
    DWORD n = 0;
    if (!::ReadFile(pipe, buffer, std::min<DWORD>(available, static_cast<DWORD>(size)), &n,
                    nullptr) ||
        n == 0) {
        return ReadEnd::Ended;
    }
    count = n;
    return ReadEnd::Bytes;
}

void close(int fd) {
    ::_close(fd);
}

}  // namespace output_pipe

Status SystemProcessLauncher::start(const std::string& program,
                                    const std::vector<std::string>& arguments) {
    return spawn(program, arguments, -1);
}

Result<ProcessOutput> SystemProcessLauncher::startReadingOutput(
    const std::string& program, const std::vector<std::string>& arguments) {
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        return Status::failure(fillTemplate(text::kCannotStart, {{"{程序}", program}}) + "：" +
                               describeWindowsError(::GetLastError()));
    }
    // Only the program gets the write end; this process keeps the read end to itself.
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    ProcessOutput output(::_open_osfhandle(reinterpret_cast<intptr_t>(readEnd), _O_RDONLY));
    const Status started =
        // Kernel handles fit in 32 bits: Windows shares them with 32-bit processes.
        spawn(program, arguments, static_cast<int>(reinterpret_cast<intptr_t>(writeEnd)));
    ::CloseHandle(writeEnd);  // the program holds its own copy; the end comes when it closes that
    if (!started) {
        return started;
    }
    return output;
}

Status SystemProcessLauncher::spawn(const std::string& program,
                                    const std::vector<std::string>& arguments, int outputFd) {
    const std::wstring path = toUtf16(program);
    // The program's own name is read without backslash rules; a path cannot hold a quote.
    std::wstring commandLine = L"\"" + path + L"\"";
    for (const std::string& argument : arguments) {
        commandLine += L' ';
        appendQuoted(commandLine, toUtf16(argument));
    }

    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    DWORD error = 0;
    PROCESS_INFORMATION process{};
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        error = ERROR_DIRECTORY;
    } else {
        STARTUPINFOEXW startup{};
        startup.StartupInfo.cb = sizeof startup;
        startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW;
        startup.StartupInfo.wShowWindow = SW_SHOWNORMAL;
        // The output pipe, when there is one, is the only handle the program inherits.
        OneInheritedHandle inherited(outputFd);
        DWORD flags = 0;
        if (inherited.list() != nullptr) {
            startup.StartupInfo.dwFlags |= STARTF_USESTDHANDLES;
            startup.StartupInfo.hStdOutput = inherited.handle();
            startup.StartupInfo.hStdError = inherited.handle();
            startup.lpAttributeList = inherited.list();
            flags |= EXTENDED_STARTUPINFO_PRESENT;
        }
        // The path is given as the program to run, so Windows searches nothing.
        if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr,
                              inherited.list() != nullptr, flags, nullptr, nullptr,
                              &startup.StartupInfo, &process)) {
            error = ::GetLastError();
        }
    }
    if (error != 0) {
        const std::string cause =
            error == ERROR_DIRECTORY ? text::kFolderNotProgram : describeStartFailure(error);
        return Status::failure(fillTemplate(text::kCannotStart, {{"{程序}", program}}) + "：" +
                               cause);
    }
    // A window program gets up to a second to become ready for input before the caller goes on.
    ::WaitForInputIdle(process.hProcess, 1000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return Status();
}

}  // namespace velquist
