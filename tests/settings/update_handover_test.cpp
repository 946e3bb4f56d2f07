// The update hand-over in real program folders: first and later use, folders that refuse,
// hostile archives, blanks in the path, and the shipped updater taking over.
#include "settings/update_handover.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "core/encoding.h"
#include "core/ini_file.h"
#include "core/program_dir.h"
#include "core/version.h"
#include "settings/messages.h"
#include "support/loopback_server.h"
#include "support/programs.h"
#include "support/read_only.h"
#include "support/temp_dir.h"
#include "updater/updater_archive.h"
#include "updater/zip_pack.h"

namespace velquist {
namespace {

namespace text = settings_messages;

// An updater stand-in that records how it was started, in a file beside itself.
const std::string& recordingUpdater() {
    static const std::string bytes = [] {
        test::TempDir temp;
        test::placeRecordingProgram(temp.file("recorder"));
        return test::readFile(temp.file("recorder"));
    }();
    return bytes;
}

std::string zipOf(const std::vector<ZipEntry>& entries) {
    test::TempDir temp;
    EXPECT_TRUE(writeZip(temp.file("a.zip"), entries));
    return test::readFile(temp.file("a.zip"));
}

const std::string& recordingArchive() {
    static const std::string archive = zipOf({{"xz.exe", recordingUpdater()}});
    return archive;
}

std::vector<std::string> filesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Records the start and what the folder held at that moment.
class RecordingLauncher final : public ProcessLauncher {
public:
    Status start(const std::string& program, const std::vector<std::string>& arguments) override {
        this->program = program;
        this->arguments = arguments;
        filesAtStart = filesIn(std::filesystem::path(program).parent_path().string());
        ++starts;
        return Status();
    }
    Result<ProcessOutput> startReadingOutput(const std::string& program,
                                             const std::vector<std::string>& arguments) override {
        (void)start(program, arguments);  // records; never fails
        return ProcessOutput();
    }
    std::string program;
    std::vector<std::string> arguments;
    std::vector<std::string> filesAtStart;
    int starts = 0;
};

std::string handoverText(const std::string& dir) {
    return decodeTextFile(test::readFile(dir + "/gx.ini"));
}

const std::string kVersionFile = "http://127.0.0.1:1/Software/download/vlqst.txt";
const std::string kExpectedHandover = "[配置]\r\n版本=" + std::string(kProgramTitle) +
                                      "\r\n文件名=Velquist\r\nid=1\r\ndownload=" + kVersionFile +
                                      "\r\n";

TEST(StartOnlineUpdate, FirstUsePutsTheUpdaterInPlaceWritesTheHandoverAndStartsIt) {
    test::TempDir dir;
    RecordingLauncher launcher;
    EXPECT_EQ(startOnlineUpdate(dir.path(), recordingArchive(), kVersionFile, launcher).status,
              text::kUpdaterStarted);
    EXPECT_EQ(launcher.program, dir.file("xz.exe"));
    EXPECT_TRUE(launcher.arguments.empty());
    EXPECT_EQ(launcher.filesAtStart, (std::vector<std::string>{"gx.ini", "xz.exe"}));
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"gx.ini", "xz.exe"}));
    EXPECT_EQ(test::readFile(dir.file("xz.exe")), recordingUpdater());
    const auto mode = std::filesystem::status(dir.file("xz.exe")).permissions();
    EXPECT_NE(mode & std::filesystem::perms::owner_exec, std::filesystem::perms::none);
    EXPECT_EQ(handoverText(dir.path()), kExpectedHandover);
}

TEST(StartOnlineUpdate, LaterUseKeepsTheUpdaterAndRewritesOnlyItsKeys) {
    test::TempDir dir;
    std::ofstream(dir.file("xz.exe"), std::ios::binary) << "an older updater";
    const std::string older = test::readFile(dir.file("xz.exe"));
    ASSERT_TRUE(writeIniValue(dir.file("gx.ini"), "配置", "版本", "v0.9"));
    ASSERT_TRUE(writeIniValue(dir.file("gx.ini"), "配置", "上次检查", "昨天"));
    ASSERT_TRUE(writeIniValue(dir.file("gx.ini"), "其他", "颜色", "红"));
    RecordingLauncher launcher;
    EXPECT_EQ(startOnlineUpdate(dir.path(), recordingArchive(), kVersionFile, launcher).status,
              text::kUpdaterStarted);
    EXPECT_EQ(test::readFile(dir.file("xz.exe")), older);
    EXPECT_EQ(handoverText(dir.path()), "[配置]\r\n版本=" + std::string(kProgramTitle) +
                                            "\r\n上次检查=昨天\r\n文件名=Velquist\r\nid=1\r\n"
                                            "download=" +
                                            kVersionFile + "\r\n[其他]\r\n颜色=红\r\n");
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"gx.ini", "xz.exe"}));
}

TEST(StartOnlineUpdate, AReadOnlyFolderGetsOnlyTheFirstMessageAndKeepsNothing) {
    test::TempDir dir;
    RecordingLauncher launcher;
    std::string message;
    {
        test::ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.holds()) {
            GTEST_SKIP() << test::ReadOnlyFolder::kWhyNot;
        }
        message = startOnlineUpdate(dir.path(), recordingArchive(), kVersionFile, launcher).status;
    }
    EXPECT_EQ(message, text::kUpdaterWriteFailed);
    EXPECT_EQ(launcher.starts, 0);
    EXPECT_TRUE(filesIn(dir.path()).empty());
}

TEST(StartOnlineUpdate, AFolderNamedLikeTheUpdaterFailsToStartAndDropsTheHandover) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.file("xz.exe"));
    SystemProcessLauncher launcher;
    EXPECT_EQ(startOnlineUpdate(dir.path(), recordingArchive(), kVersionFile, launcher).status,
              text::kUpdaterStartFailed);
    EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"xz.exe"});
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("xz.exe")));
}

TEST(StartOnlineUpdate, ArchivesWithoutAPlainUpdaterEntryPlaceNothing) {
    const std::string script = recordingUpdater();
    const std::vector<std::string> hostile = {
        zipOf({{"../xz.exe", script}, {"sub/xz.exe", script}, {"XZ.EXE", script}}),
        "this is not a zip archive",
        zipOf({{"xz.exe", script}}).substr(0, 60),
    };
    for (const std::string& archive : hostile) {
        test::TempDir parent;
        const std::string dir = parent.file("program");
        std::filesystem::create_directory(dir);
        SystemProcessLauncher launcher;
        EXPECT_EQ(startOnlineUpdate(dir, archive, kVersionFile, launcher).status,
                  text::kUpdaterStartFailed);
        EXPECT_TRUE(filesIn(dir).empty());
        EXPECT_EQ(filesIn(parent.path()), std::vector<std::string>{"program"});
    }
    // Other entries beside the updater are left in the archive.
    test::TempDir dir;
    RecordingLauncher launcher;
    startOnlineUpdate(dir.path(), zipOf({{"readme.txt", "hi"}, {"xz.exe", script}}), kVersionFile,
                      launcher);
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"gx.ini", "xz.exe"}));
}

TEST(StartOnlineUpdate, BlanksInTheProgramFolderStillStartTheUpdater) {
    test::TempDir parent;
    const std::string dir = parent.file("my tools");
    std::filesystem::create_directory(dir);
    // The program an unquoted command line would have started instead.
    test::placeRecordingProgram(parent.file("my") + test::programSuffix());
    SystemProcessLauncher launcher;
    EXPECT_EQ(startOnlineUpdate(dir, recordingArchive(), kVersionFile, launcher).status,
              text::kUpdaterStarted);
    ASSERT_TRUE(test::waitForFile(dir + "/started.txt"));
    EXPECT_EQ(test::readFile(dir + "/started.txt"), joinPath(dir, "xz.exe") + "\n");
    EXPECT_FALSE(std::filesystem::exists(parent.file("started.txt")));
}

// Polls as the main window does until the updater has ended; empty after half a minute.
std::string outcomeOf(UpdaterWatch& watch) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < end) {
        if (std::optional<std::string> outcome = watch.poll()) {
            return *outcome;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return {};
}

TEST(UpdaterWatch, TheUpdatersLastLineIsTheOutcome) {
    test::LoopbackServer server;
    server.http().Get("/current.txt", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(
            "主程序版本=" + std::string(kProgramTitle) + "\r\n主程序下载地址=http://x/\r\n",
            "text/plain");
    });
    server.start();
    // The shipped updater: its answer on standard output, and a failure on standard error.
    const std::pair<std::string, std::string> runs[] = {
        {"/current.txt", "Velquist 已是最新版本（" + std::string(kProgramTitle) + "）"},
        {"/missing.txt", "更新失败：无法取得版本信息：服务器回答 404"},
    };
    for (const auto& [path, outcome] : runs) {
        test::TempDir dir;
        SystemProcessLauncher launcher;
        UpdateStart started =
            startOnlineUpdate(dir.path(), embedded::kUpdaterArchive, server.url(path), launcher);
        EXPECT_EQ(started.status, text::kUpdaterStarted);
        ASSERT_TRUE(started.watch);
        EXPECT_EQ(outcomeOf(*started.watch), outcome);
    }
    // An updater already in place that prints GBK, then blank lines; one that says nothing.
    if (!test::programSuffix().empty()) {
        GTEST_SKIP() << "the stand-in updaters below are shell scripts, which Windows cannot start";
    }
    const std::pair<std::string, std::string> scripts[] = {
        {"echo checking\nprintf '\\322\\321\\312\\307\\327\\356\\320\\302\\n\\n \\n'\n",
         "已是最新"},
        {"exit 3\n", text::kUpdaterSaidNothing},
    };
    for (const auto& [script, outcome] : scripts) {
        test::TempDir dir;
        test::writeScript(dir.file("xz.exe"), script);
        SystemProcessLauncher launcher;
        UpdateStart started =
            startOnlineUpdate(dir.path(), recordingArchive(), kVersionFile, launcher);
        ASSERT_TRUE(started.watch);
        EXPECT_EQ(outcomeOf(*started.watch), outcome) << script;
    }
}

uint16_t le16(std::string_view bytes, size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                 static_cast<uint8_t>(bytes[at + 1]) << 8);
}

TEST(UpdaterArchive, HoldsOneDeflatedUpdaterThatUnderstandsTheHandover) {
    const std::string_view archive = embedded::kUpdaterArchive;
    ASSERT_GT(archive.size(), 22u);
    EXPECT_EQ(archive.substr(0, 4), "PK\x03\x04");
    EXPECT_EQ(le16(archive, 8), 8) << "compression method";
    EXPECT_EQ(archive.substr(30, le16(archive, 26)), "xz.exe");
    const std::string_view end = archive.substr(archive.size() - 22);
    EXPECT_EQ(end.substr(0, 4), "PK\x05\x06");
    EXPECT_EQ(le16(end, 10), 1) << "entries";

    test::LoopbackServer server;
    server.http().Get(
        "/Software/download/vlqst.txt", [](const httplib::Request&, httplib::Response& res) {
            // The version of the program that runs is published: nothing to update.
            res.set_content(
                "主程序版本=" + std::string(kProgramTitle) + "\r\n主程序下载地址=http://x/\r\n",
                "text/plain");
        });
    server.start();
    test::TempDir dir;
    RecordingLauncher launcher;
    EXPECT_EQ(
        startOnlineUpdate(dir.path(), archive, server.url("/Software/download/vlqst.txt"), launcher)
            .status,
        text::kUpdaterStarted);
    const test::ProgramRun run = test::runProgram(launcher.program, launcher.arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "Velquist 已是最新版本（" + std::string(kProgramTitle) + "）\n");
}

}  // namespace
}  // namespace velquist
