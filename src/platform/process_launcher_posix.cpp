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

ProcessOutput::ProcessOutput(int readEnd) : m_fd(readEnd) {
    ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) | O_NONBLOCK);
}

ProcessOutput::~ProcessOutput() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

ProcessOutput::ProcessOutput(ProcessOutput&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_partial(std::move(other.m_partial)) {}

ProcessOutput& ProcessOutput::operator=(ProcessOutput&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = std::exchange(other.m_fd, -1);
        m_partial = std::move(other.m_partial);
    }
    return *this;
}

std::vector<std::string> ProcessOutput::readLines() {
    char buffer[4096];
    // A bounded amount per call, so that a program that prints without pause cannot hold the
    // caller (the user-interface thread) here.
    for (int reads = 0; m_fd >= 0 && reads < 16; ++reads) {
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            m_partial.append(buffer, static_cast<size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            break;  // nothing more for now
        } else {
            ::close(m_fd);  // the end, or a read error that only ending can follow
            m_fd = -1;
        }
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
