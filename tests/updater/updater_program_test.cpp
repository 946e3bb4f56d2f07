// The updater as a real process beside its hand-over file, against a loopback web server.
#include <atomic>
#include <filesystem>

#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "support/loopback_server.h"
#include "support/programs.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

const std::string kNewProgram =
    "\x7f"
    "ELF new program bytes";
// Its SHA-256, as sha256sum prints it.
const std::string kNewProgramSha256 =
    "acb7acc619da274d61ed0432a07bb6e35e89ff9ef0aeb690779a86e10a9ec716";

class UpdaterProgram : public ::testing::Test {
protected:
    void SetUp() override {
        m_updater = m_dir.file("xz.exe");
        std::filesystem::copy_file(VELQUIST_UPDATER_EXE, m_updater);
        m_server.http().Get("/Software/download/vlqst.txt",
                            [this](const httplib::Request&, httplib::Response& res) {
                                ++m_versionRequests;
                                res.status = m_versionStatus;
                                res.set_content(m_versionFile, "text/plain");
                            });
        m_server.http().Get("/new", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(kNewProgram, "application/octet-stream");
        });
        m_server.http().Get("/gone", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("<html>Not Found</html>", "text/html");
        });
        m_server.start();
        writeHandover("1");
    }

    void writeHandover(const std::string& id) {
        const std::string ini = m_dir.file("gx.ini");
        ASSERT_TRUE(writeIniValue(ini, "配置", "版本", "v1.0.0"));
        ASSERT_TRUE(writeIniValue(ini, "配置", "文件名", "Velquist"));
        ASSERT_TRUE(writeIniValue(ini, "配置", "id", id));
        ASSERT_TRUE(
            writeIniValue(ini, "配置", "download", m_server.url("/Software/download/vlqst.txt")));
    }

    void publish(const std::string& version, const std::string& path,
                 const std::string& sha256 = kNewProgramSha256) {
        m_versionFile = "主程序版本=" + version + "\r\n主程序下载地址=" + m_server.url(path) +
                        "\r\n" + (sha256.empty() ? "" : "sha256=" + sha256 + "\r\n");
    }

    test::ProgramRun runUpdater() { return test::runProgram(m_updater, {"token=="}); }

    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempDir m_dir;
    std::string m_updater;
    test::LoopbackServer m_server;
    std::string m_versionFile;
    int m_versionStatus = 200;
    std::atomic<int> m_versionRequests{0};
};

TEST_F(UpdaterProgram, SameVersionMeansCurrent) {
    publish("v1.0.0", "/new");
    const test::ProgramRun run = runUpdater();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "Velquist 已是最新版本（v1.0.0）\n");
    EXPECT_EQ(files(), (std::vector<std::string>{"gx.ini", "xz.exe"}));
}

TEST_F(UpdaterProgram, DownloadsANewVersionBesideItselfUnderItsOwnName) {
    publish("v1.0.1", "/new");
    const test::ProgramRun run = runUpdater();
    const std::string saved = m_dir.file("Velquist-v1.0.1" + test::programSuffix());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output,
              "发现新版本 v1.0.1，已下载到 " + saved + "，关闭 Velquist 后运行它即可\n");
    EXPECT_EQ(test::readFile(saved), kNewProgram);
    EXPECT_TRUE(test::isRunnable(saved));
    EXPECT_EQ(files(), (std::vector<std::string>{"Velquist-v1.0.1" + test::programSuffix(),
                                                 "gx.ini", "xz.exe"}));
}

TEST_F(UpdaterProgram, KeepsADownloadItCannotVerifyButNeverMakesItRunnable) {
    const std::string saved = m_dir.file("Velquist-v1.0.1");
    const std::string runnable = saved + test::programSuffix();
    const std::string head = "发现新版本 v1.0.1，已下载到 " + saved + "，但";
    const std::string tail = "，所以没有把它设为可运行的程序\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "版本文件没有给出 sha256 校验值，无法确认下载的文件完好"},
        {"a3ead5eedad5df82318c51685dbc1c147a36d1ff8584fc82de6b08d0bf63a795",
         "下载的文件与版本文件给出的 sha256 校验值不符，文件可能已损坏或被改动"},
        {"not-a-checksum", "版本文件里的 sha256 校验值不是 64 位十六进制数"},
    };
    for (const auto& [sha256, why] : cases) {
        // A runnable file of that name from before must not stay runnable either.
        test::writeScript(runnable, "exit 0\n");
        publish("v1.0.1", "/new", sha256);
        const test::ProgramRun run = runUpdater();
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.output, head + why + tail);
        EXPECT_EQ(test::readFile(saved), kNewProgram);
        EXPECT_FALSE(test::isRunnable(saved)) << sha256;
        EXPECT_FALSE(test::isRunnable(runnable)) << sha256;
    }
    // The published value may be in capitals, with blanks around it.
    publish("v1.0.1", "/new", " ACB7ACC619DA274D61ED0432A07BB6E35E89FF9EF0AEB690779A86E10A9EC716 ");
    EXPECT_EQ(runUpdater().output,
              "发现新版本 v1.0.1，已下载到 " + runnable + "，关闭 Velquist 后运行它即可\n");
    EXPECT_TRUE(test::isRunnable(runnable));
}

TEST_F(UpdaterProgram, AVersionTextCannotPlaceTheDownloadElsewhere) {
    publish("../../v2/evil", "/new");
    const test::ProgramRun run = runUpdater();
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(test::readFile(m_dir.file("Velquist-.._.._v2_evil" + test::programSuffix())),
              kNewProgram);
}

TEST_F(UpdaterProgram, FailsClearlyWithoutUsableVersionInformation) {
    m_versionStatus = 404;
    publish("v1.0.1", "/new");
    test::ProgramRun run = runUpdater();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "更新失败：无法取得版本信息：服务器回答 404\n");

    m_versionStatus = 200;
    m_versionFile = "主程序下载地址=" + m_server.url("/new") + "\r\n";
    run = runUpdater();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "更新失败：版本信息无法使用：版本文件里没有“主程序版本=”\n");

    publish("v1.0.1", "/gone");
    run = runUpdater();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "更新失败：无法下载新版本 v1.0.1：服务器回答 404\n");
    EXPECT_EQ(files(), (std::vector<std::string>{"gx.ini", "xz.exe"}));
}

TEST_F(UpdaterProgram, StopsUnlessTheHandoverSaysOne) {
    publish("v1.0.1", "/new");
    writeHandover("0");
    test::ProgramRun run = runUpdater();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "更新失败：没有有效的更新信息（gx.ini 里的 id 不是 1），不检查更新\n");

    std::filesystem::remove(m_dir.file("gx.ini"));
    run = runUpdater();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(m_versionRequests, 0);
    EXPECT_EQ(files(), (std::vector<std::string>{"xz.exe"}));
}

}  // namespace
}  // namespace velquist
