// Process start with posix_spawn.
#include "platform/process_launcher.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

#include "core/file_io.h"
#include "core/template_fill.h"
#include "platform/messages.h"

extern char** environ;

namespace velquist {
namespace {

namespace text = platform_messages;

// posix_spawn settings released when they go out of scope.
class SpawnSetup {
public:
    SpawnSetup() {
        ::posix_spawnattr_init(&m_attributes);
        ::posix_spawn_file_actions_init(&m_actions);
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        // Whatever this process blocks or ignores, the new program starts with the defaults.
        ::posix_spawnattr_setsigmask(&m_attributes, &none);
        ::posix_spawnattr_setsigdefault(&m_attributes, &all);
        ::posix_spawnattr_setflags(&m_attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        // Files and sockets of this process are not handed on.
        ::posix_spawn_file_actions_addclosefrom_np(&m_actions, 3);
    }
    ~SpawnSetup() {
        ::posix_spawn_file_actions_destroy(&m_actions);
        ::posix_spawnattr_destroy(&m_attributes);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    const posix_spawnattr_t* attributes() const { return &m_attributes; }
    const posix_spawn_file_actions_t* actions() const { return &m_actions; }

private:
    posix_spawnattr_t m_attributes;
    posix_spawn_file_actions_t m_actions;
};

std::string describeStartFailure(int err) {
    switch (err) {
        case ENOEXEC:
            return text::kNotAProgram;
        case EISDIR:
            return text::kFolderNotProgram;
        default:
            return describeErrno(err);
    }
}

}  // namespace

Status SystemProcessLauncher::start(const std::string& program,
                                    const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    // exec refuses a folder with "permission denied"; say what is really wrong.
    struct stat st {};
    int err = ::stat(program.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? EISDIR : 0;
    pid_t pid = 0;
    if (err == 0) {
        const SpawnSetup setup;
        // glibc's posix_spawn returns only after the exec, so a failed exec is reported here.
        err = ::posix_spawn(&pid, program.c_str(), setup.actions(), setup.attributes(), argv.data(),
                            environ);
    }
    if (err != 0) {
        return Status::failure(fillTemplate(text::kCannotStart, {{"{程序}", program}}) + "：" +
                               describeStartFailure(err));
    }
    std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
    return Status();
}

}  // namespace velquist
