// Running test programs with posix_spawn.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/programs.h"

extern char** environ;

namespace velquist::test {

void writeScript(const std::string& path, const std::string& body) {
    std::ofstream(path, std::ios::binary) << "#!/bin/sh\n" << body;
    ::chmod(path.c_str(), 0755);
}

void placeRecordingProgram(const std::string& path) {
    writeScript(path,
                "cd \"$(dirname \"$0\")\" || exit 1\n"
                "printf '%s\\n' \"$0\" \"$@\" > started.tmp\n"
                "mv started.tmp started.txt\n");
}

void placeWaitingProgram(const std::string& path, const std::string& lastLine) {
    writeScript(path,
                "cd \"$(dirname \"$0\")\" || exit 1\n"
                "while [ ! -e release ]; do sleep 0.02; done\n"
                "echo '" +
                    lastLine + "'\n");
}

std::string programSuffix() {
    return "";
}

bool isRunnable(const std::string& path) {
    return ::access(path.c_str(), X_OK) == 0;
}

bool underWine() {
    return false;
}

void setEnvironment(const char* name, const char* value) {
    value != nullptr ? ::setenv(name, value, 1) : ::unsetenv(name);
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments) {
    int pipeFds[2];
    ProgramRun run;
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        return run;
    }
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    ::posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : arguments) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int err = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    char buffer[4096];
    ssize_t n = 0;
    while (err == 0 && (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        run.output.append(buffer, static_cast<size_t>(n));
    }
    ::close(pipeFds[0]);
    int status = 0;
    if (err == 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        run.exitCode = WEXITSTATUS(status);
    }
    return run;
}

}  // namespace velquist::test
