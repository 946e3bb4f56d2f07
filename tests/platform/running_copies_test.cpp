// The single-copy count against real processes.
#include "platform/running_copies.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/program_dir.h"
#include "support/temp_dir.h"

extern char** environ;

namespace velquist {
namespace {

// A copy of /bin/sleep under a chosen name, running until the test ends.
class NamedSleeper {
public:
    NamedSleeper(const std::string& dir, const std::string& name) {
        const std::string path = dir + "/" + name;
        std::filesystem::copy_file("/bin/sleep", path);
        std::vector<char*> argv{const_cast<char*>(path.c_str()), const_cast<char*>("30"), nullptr};
        EXPECT_EQ(::posix_spawn(&m_pid, path.c_str(), nullptr, nullptr, argv.data(), environ), 0);
    }
    ~NamedSleeper() {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    NamedSleeper(const NamedSleeper&) = delete;
    pid_t pid() const { return m_pid; }
    NamedSleeper& operator=(const NamedSleeper&) = delete;

private:
    pid_t m_pid = 0;
};

TEST(RunningCopies, CountsSameFileNameInAnyFolderAndAnyAsciiCase) {
    test::TempDir one;
    test::TempDir two;
    const std::string name = "VqSleeper" + std::to_string(::getpid());
    EXPECT_EQ(countRunningCopies(name), 0);
    {
        NamedSleeper a(one.path(), name);
        NamedSleeper b(two.path(), "vqsleeper" + std::to_string(::getpid()));
        EXPECT_EQ(countRunningCopies(name), 2);
        EXPECT_EQ(countRunningCopies("VQSLEEPER" + std::to_string(::getpid())), 2);
        EXPECT_EQ(countRunningCopies(name + "x"), 0);
    }
    EXPECT_EQ(countRunningCopies(name), 0);
}

TEST(RunningCopies, ARemovedExecutableStillNamesItsProgram) {
    test::TempDir dir;
    const std::string name = "VqRemoved" + std::to_string(::getpid());
    NamedSleeper sleeper(dir.path(), name);
    std::filesystem::remove(dir.path() + "/" + name);  // as an update replacing the file does
    EXPECT_EQ(countRunningCopies(name), 1);
    EXPECT_EQ(executableBehind("/proc/" + std::to_string(sleeper.pid()) + "/exe"),
              dir.path() + "/" + name);
}

TEST(RunningCopies, FindsThisProcess) {
    EXPECT_GE(countRunningCopies("platform_tests"), 1);
}

}  // namespace
}  // namespace velquist
