// Helpers for tests that start real programs: small scripts, waiting for their traces, and
// running a program to its end with its output captured.
#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace velquist::test {

// A file-system path from UTF-8 text, also where the system's narrow encoding is another.
inline std::filesystem::path fsPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// Writes an executable shell script (POSIX systems only).
void writeScript(const std::string& path, const std::string& body);

inline std::string readFile(const std::string& path) {
    std::ifstream in(fsPath(path), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Waits for a file another process writes; false when it has not appeared after `limit`.
inline bool waitForFile(const std::string& path,
                        std::chrono::milliseconds limit = std::chrono::seconds(30)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    std::error_code ec;
    while (!std::filesystem::exists(fsPath(path), ec)) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

struct ProgramRun {
    int exitCode = -1;   // -1 when the program did not end normally
    std::string output;  // standard output and standard error together
};

// A program that, started, writes "started.txt" beside itself: its own path and each argument,
// one a line. A shell script on POSIX, a small .exe on Windows.
void placeRecordingProgram(const std::string& path);
// A program that runs until a file "release" appears beside it and then prints `lastLine`.
void placeWaitingProgram(const std::string& path, const std::string& lastLine);

// What the system adds to a program's name to make it startable by that name ("" or ".exe").
std::string programSuffix();

// Whether the system would start the file as a program: its mode on POSIX, its name on Windows.
bool isRunnable(const std::string& path);

// Whether the tests run under Wine rather than on the system they were built for.
bool underWine();

// Sets an environment variable of this process, or removes it when `value` is null.
void setEnvironment(const char* name, const char* value);

// Runs `program` with `arguments` to its end.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace velquist::test
