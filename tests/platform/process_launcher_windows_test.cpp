// Starting real Windows programs: the quoting rules, paths with blanks and Chinese names,
// no waiting for the end, clear failures.
#include <windows.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "core/messages.h"
#include "platform/messages.h"
#include "platform/process_launcher.h"
#include "support/programs.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

void placeHelper(const std::string& path) {
    test::placeRecordingProgram(path);
}

TEST(SystemProcessLauncher, ArgumentsArriveAsGivenThroughTheWindowsQuotingRules) {
    test::TempDir temp;
    const std::string dir = temp.file("my tools 中文");
    std::filesystem::create_directory(test::fsPath(dir));
    const std::string program = dir + "/run me.exe";
    placeHelper(program);
    // What the first word of an unquoted command line would start.
    placeHelper(temp.file("my.exe"));

    const std::vector<std::string> arguments = {
        "two words", "", "tail\\", "a\"b", "x\\\\\"y", "c:\\dir with blank\\", "中文", "%PATH%"};
    SystemProcessLauncher launcher;
    ASSERT_TRUE(launcher.start(program, arguments));
    ASSERT_TRUE(test::waitForFile(dir + "/started.txt"));
    std::string expected = program + "\n";
    for (const std::string& argument : arguments) {
        expected += argument + "\n";
    }
    EXPECT_EQ(test::readFile(dir + "/started.txt"), expected);
    EXPECT_FALSE(std::filesystem::exists(temp.file("started.txt")));
}

TEST(SystemProcessLauncher, OutputArrivesLineByLineAndEnds) {
    test::TempDir temp;
    const std::string program = temp.file("printer.exe");
    placeHelper(program);
    SystemProcessLauncher launcher;
    Result<ProcessOutput> output = launcher.startReadingOutput(program, {"first", "第二 行"});
    ASSERT_TRUE(output) << output.error();
    std::vector<std::string> lines;
    for (int i = 0; i < 3000 && !output->ended(); ++i) {
        for (std::string& line : output->readLines()) {
            lines.push_back(std::move(line));
        }
        ::Sleep(10);
    }
    EXPECT_TRUE(output->ended());
    EXPECT_EQ(lines, (std::vector<std::string>{program, "first", "第二 行"}));
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
    std::filesystem::create_directory(temp.file("folder"));
    EXPECT_EQ(failure(temp.file("folder")),
              "无法启动程序 " + temp.file("folder") + "：" + platform_messages::kFolderNotProgram);
}

}  // namespace
}  // namespace velquist
