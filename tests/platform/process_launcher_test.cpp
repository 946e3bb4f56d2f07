// Starting real programs: argument vectors, paths with blanks, no waiting, clear failures.
#include "platform/process_launcher.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "core/messages.h"
#include "platform/messages.h"
#include "support/programs.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

TEST(SystemProcessLauncher, PassesPathAndArgumentsUntouchedWithoutAShell) {
    test::TempDir temp;
    const std::string dir = temp.file("my tools");
    std::filesystem::create_directory(dir);
    const std::string program = dir + "/run me";
    test::writeScript(program,
                      "printf '%s\\n' \"$0\" \"$@\" > \"$(dirname \"$0\")/args.tmp\"\n"
                      "mv \"$(dirname \"$0\")/args.tmp\" \"$(dirname \"$0\")/args.txt\"\n");
    // What the first word of an unquoted command line would start.
    test::writeScript(temp.file("my"), "touch \"$(dirname \"$0\")/wrong\"\n");

    SystemProcessLauncher launcher;
    ASSERT_TRUE(launcher.start(program, {"two words", "$HOME", "a;b", "*", ""}));
    ASSERT_TRUE(test::waitForFile(dir + "/args.txt"));
    EXPECT_EQ(test::readFile(dir + "/args.txt"), program + "\ntwo words\n$HOME\na;b\n*\n\n");
    EXPECT_FALSE(std::filesystem::exists(temp.file("wrong")));
}

TEST(SystemProcessLauncher, ReturnsWhileTheProgramRunsAndHandsOnNoOpenFiles) {
    test::TempDir temp;
    const std::string program = temp.file("waiter");
    // Runs until the test, after start() returned, lets it go; a start that waited would hang.
    test::writeScript(program,
                      "cd \"$(dirname \"$0\")\" || exit 1\n"
                      "[ -e /proc/$$/fd/57 ] && echo leaked > fd.tmp || echo clean > fd.tmp\n"
                      "mv fd.tmp fd.txt\n"
                      "while [ ! -e release ]; do sleep 0.02; done\n"
                      "touch finished\n");
    const int stray = ::open(temp.file("stray").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::dup2(stray, 57), 57);

    SystemProcessLauncher launcher;
    const Status started = launcher.start(program, {});
    ::close(57);
    ::close(stray);
    ASSERT_TRUE(started) << started.message();
    ASSERT_TRUE(test::waitForFile(temp.file("fd.txt")));
    EXPECT_EQ(test::readFile(temp.file("fd.txt")), "clean\n");
    test::writeScript(temp.file("release"), "");
    EXPECT_TRUE(test::waitForFile(temp.file("finished")));
}

// Reads until `count` lines have come or the output ended; gives up after half a minute.
std::vector<std::string> readLines(ProcessOutput& output, size_t count) {
    std::vector<std::string> lines;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (lines.size() < count && !output.ended() && std::chrono::steady_clock::now() < end) {
        for (std::string& line : output.readLines()) {
            lines.push_back(std::move(line));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return lines;
}

TEST(SystemProcessLauncher, HandsOverOutputAndErrorLinesWhileTheProgramRuns) {
    test::TempDir temp;
    const std::string program = temp.file("updater");
    test::writeScript(program,
                      "cd \"$(dirname \"$0\")\" || exit 1\n"
                      "echo 正在检查\n"
                      "echo 出错了 >&2\n"
                      "while [ ! -e release ]; do sleep 0.02; done\n"
                      "printf 'last line, no line break'\n");
    SystemProcessLauncher launcher;
    Result<ProcessOutput> output = launcher.startReadingOutput(program, {});
    ASSERT_TRUE(output) << output.error();
    EXPECT_EQ(readLines(*output, 2), (std::vector<std::string>{"正在检查", "出错了"}));
    // The program still runs: reading returns at once with nothing.
    EXPECT_TRUE(output->readLines().empty());
    EXPECT_FALSE(output->ended());
    test::writeScript(temp.file("release"), "");
    EXPECT_EQ(readLines(*output, 2), std::vector<std::string>{"last line, no line break"});
    EXPECT_TRUE(output->ended());
    EXPECT_TRUE(output->readLines().empty());
}

TEST(SystemProcessLauncher, SaysWhyAProgramCannotStart) {
    test::TempDir temp;
    SystemProcessLauncher launcher;
    const auto failure = [&launcher](const std::string& path) {
        const Status status = launcher.start(path, {"token"});
        EXPECT_FALSE(status);
        return status.message();
    };
    const std::string missing = temp.file("xz.exe");
    EXPECT_EQ(failure(missing), "无法启动程序 " + missing + "：" + core_messages::kNotFound);
    EXPECT_EQ(launcher.startReadingOutput(missing, {}).error(), failure(missing));

    std::filesystem::create_directory(temp.file("folder"));
    EXPECT_EQ(failure(temp.file("folder")),
              "无法启动程序 " + temp.file("folder") + "：" + platform_messages::kFolderNotProgram);

    test::writeScript(temp.file("not-executable"), "exit 0\n");
    ::chmod(temp.file("not-executable").c_str(), 0644);
    EXPECT_EQ(failure(temp.file("not-executable")),
              "无法启动程序 " + temp.file("not-executable") + "：" + core_messages::kNoPermission);

    const std::string text = temp.file("notes.txt");
    std::ofstream(text) << "just some text\n";
    ::chmod(text.c_str(), 0755);
    EXPECT_EQ(failure(text), "无法启动程序 " + text + "：" + platform_messages::kNotAProgram);
}

}  // namespace
}  // namespace velquist
