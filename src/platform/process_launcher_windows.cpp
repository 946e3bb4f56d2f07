// Process start with CreateProcessW.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <utility>

#include "core/file_io.h"
#include "core/template_fill.h"
#include "core/win32.h"
#include "platform/messages.h"
#include "platform/process_launcher.h"

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

}  // namespace

ProcessOutput::ProcessOutput(int readEnd) : m_fd(readEnd) {}

ProcessOutput::~ProcessOutput() {
    if (m_fd >= 0) {
        ::_close(m_fd);
    }
}

ProcessOutput::ProcessOutput(ProcessOutput&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_partial(std::move(other.m_partial)) {}

ProcessOutput& ProcessOutput::operator=(ProcessOutput&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) {
            ::_close(m_fd);
        }
        m_fd = std::exchange(other.m_fd, -1);
        m_partial = std::move(other.m_partial);
    }
    return *this;
}

std::vector<std::string> ProcessOutput::readLines() {
    char buffer[4096];
    // Anonymous pipes cannot be made non-blocking: only what is there is read. A bounded
    // amount per call, so that a program that prints without pause cannot hold the caller.
    for (int reads = 0; m_fd >= 0 && reads < 16; ++reads) {
        const auto pipe = reinterpret_cast<HANDLE>(::_get_osfhandle(m_fd));
        DWORD available = 0;
        if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) {
            ::_close(m_fd);  // the program closed its end: the output has ended
            m_fd = -1;
            break;
        }
        if (available == 0) {
            break;  // nothing more for now
        }
        DWORD n = 0;
        if (!::ReadFile(pipe, buffer, std::min<DWORD>(available, sizeof buffer), &n, nullptr) ||
            n == 0) {
            ::_close(m_fd);
            m_fd = -1;
            break;
        }
        m_partial.append(buffer, n);
    }
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = m_partial.find('\n', start)) != std::string::npos; start = end + 1) {
        const size_t length =
            end > start && m_partial[end - 1] == '\r' ? end - start - 1 : end - start;
        lines.push_back(m_partial.substr(start, length));
    }
    m_partial.erase(0, start);
    if (m_fd < 0 && !m_partial.empty()) {
        lines.push_back(std::exchange(m_partial, {}));
    }
    return lines;
}

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
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        // The path is given as the program to run, so Windows searches nothing; no handles
        // are inherited.
        if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process)) {
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
