// Process start with CreateProcessW.
#include <windows.h>

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

Status SystemProcessLauncher::start(const std::string& program,
                                    const std::vector<std::string>& arguments) {
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
