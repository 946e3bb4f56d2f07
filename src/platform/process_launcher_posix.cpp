// Process start with posix_spawn.
#include "platform/process_launcher.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "core/file_io.h"
#include "core/template_fill.h"
#include "platform/messages.h"
#include "process_output_system.h"

extern char** environ;

namespace velquist {
namespace {

namespace text = platform_messages;

// posix_spawn settings released when they go out of scope.
class SpawnSetup {
public:
    // `outputFd`, unless -1, becomes the program's standard output and error.
    explicit SpawnSetup(int outputFd) {
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
        if (outputFd >= 0) {
            ::posix_spawn_file_actions_adddup2(&m_actions, outputFd, STDOUT_FILENO);
            ::posix_spawn_file_actions_adddup2(&m_actions, outputFd, STDERR_FILENO);
        }
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

namespace output_pipe {

void prepare(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

ReadEnd readSome(int fd, char* buffer, size_t size, size_t& count) {
    while (true) {
        const ssize_t n = ::read(fd, buffer, size);
        if (n > 0) {
            count = static_cast<size_t>(n);
            return ReadEnd::Bytes;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) ? ReadEnd::NothingYet
                                                                  : ReadEnd::Ended;
    }
}

void close(int fd) {
    ::close(fd);
}

}  // namespace output_pipe

Status SystemProcessLauncher::start(const std::string& program,
                                    const std::vector<std::string>& arguments) {
    return spawn(program, arguments, -1);
}

Result<ProcessOutput> SystemProcessLauncher::startReadingOutput(
    const std::string& program, const std::vector<std::string>& arguments) {
    int ends[2];
    // Close-on-exec, so that no other program started meanwhile holds the pipe open.
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        return Status::failure(fillTemplate(text::kCannotStart, {{"{程序}", program}}) + "：" +
                               describeErrno(errno));
    }
    ProcessOutput output(ends[0]);
    const Status started = spawn(program, arguments, ends[1]);
    ::close(ends[1]);  // the program holds its own copy; the end comes when it closes that
    if (!started) {
        return started;
    }
    return output;
}

Status SystemProcessLauncher::spawn(const std::string& program,
                                    const std::vector<std::string>& arguments, int outputFd) {
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
        const SpawnSetup setup(outputFd);
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
