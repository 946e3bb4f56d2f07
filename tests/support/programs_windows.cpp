// Running test programs with CreateProcessW, output through an inherited pipe.
#include <stdlib.h>
#include <windows.h>

#include "core/win32.h"
#include "support/programs.h"

namespace velquist::test {

void writeScript(const std::string& path, const std::string& body) {
    std::ofstream(fsPath(path), std::ios::binary) << body;
}

void placeRecordingProgram(const std::string& path) {
    ::CopyFileW(toUtf16(VELQUIST_TEST_HELPER).c_str(), toUtf16(path).c_str(), FALSE);
}

void placeWaitingProgram(const std::string& path, const std::string& lastLine) {
    placeRecordingProgram(path);
    const std::filesystem::path dir = fsPath(path).parent_path();
    std::ofstream(dir / "hold") << "";
    std::ofstream(dir / "say.txt", std::ios::binary) << lastLine << "\n";
}

std::string programSuffix() {
    return ".exe";
}

bool isRunnable(const std::string& path) {
    std::error_code ec;
    return path.ends_with(".exe") && std::filesystem::is_regular_file(fsPath(path), ec);
}

bool underWine() {
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void setEnvironment(const char* name, const char* value) {
    // The C runtime's copy is what getenv() reads; an empty value removes the variable.
    ::_putenv_s(name, value != nullptr ? value : "");
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments) {
    ProgramRun run;
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        return run;
    }
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    // Test arguments hold no blanks or quotes that would need the full quoting rules.
    std::wstring commandLine = L"\"" + toUtf16(program) + L"\"";
    for (const std::string& argument : arguments) {
        commandLine += L" \"" + toUtf16(argument) + L"\"";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    const bool started =
        ::CreateProcessW(toUtf16(program).c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                         CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
    ::CloseHandle(writeEnd);
    char buffer[4096];
    DWORD n = 0;
    while (started && ::ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0) {
        run.output.append(buffer, n);
    }
    ::CloseHandle(readEnd);
    if (started) {
        DWORD code = 0;
        ::WaitForSingleObject(process.hProcess, INFINITE);
        if (::GetExitCodeProcess(process.hProcess, &code)) {
            run.exitCode = static_cast<int>(code);
        }
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    // Windows programs end their lines with CR LF; the tests compare with LF.
    std::string lf;
    for (size_t i = 0; i < run.output.size(); ++i) {
        if (!(run.output[i] == '\r' && i + 1 < run.output.size() && run.output[i + 1] == '\n')) {
            lf += run.output[i];
        }
    }
    run.output = lf;
    return run;
}

}  // namespace velquist::test
