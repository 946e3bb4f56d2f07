// Fetching and decoding background pictures from a loopback server.
#include "editor/picture_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <thread>

#include "core/file_io.h"
#include "core/messages.h"
#include "editor/messages.h"
#include "pictures/messages.h"
#include "pictures/test_pictures.h"
#include "platform/messages.h"
#include "support/loopback_server.h"
#include "support/read_only.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

using namespace std::chrono_literals;

uint32_t opaque(int x, int y) {
    return 0x00FFFFFFu & static_cast<uint32_t>(x * 7 + y * 131);
}

TEST(LoadPicture, EveryFormatArrivesWithItsSize) {
    test::LoopbackServer server;
    const std::pair<const char*, std::string> files[] = {
        {"/a.png", test::makePng(750, 400, test::PngKind::rgba, opaque)},
        {"/a.jpg", test::makeJpeg(64, 48, test::JpegKind::progressive, opaque)},
        {"/a.gif",
         test::makeGif(33, 21, false, {0xFF0000, 0x00FF00}, 1, [](int x, int) { return x % 2; })},
        {"/a.webp", test::makeWebp(17, 9, opaque)},
        {"/a.bmp", test::makeBmp(5, 3, 24, false, opaque)},
    };
    for (const auto& [path, bytes] : files) {
        server.http().Get(path, [bytes = bytes](const httplib::Request&, httplib::Response& res) {
            res.set_content(bytes, "application/octet-stream");
        });
    }
    server.start();
    const std::pair<const char*, std::pair<int, int>> sizes[] = {
        {"/a.png", {750, 400}}, {"/a.jpg", {64, 48}}, {"/a.gif", {33, 21}},
        {"/a.webp", {17, 9}},   {"/a.bmp", {5, 3}},
    };
    for (const auto& [path, size] : sizes) {
        auto picture = loadPicture(server.url(path), nullptr);
        ASSERT_TRUE(picture) << path << ": " << picture.error();
        EXPECT_EQ(picture->width, size.first) << path;
        EXPECT_EQ(picture->height, size.second) << path;
    }
}

TEST(LoadPicture, FailuresSayWhy) {
    test::LoopbackServer server;
    server.http().Get("/missing", [](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content("<html><body>Not found</body></html>", "text/html");
    });
    server.http().Get("/page", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("<html>a page, not a picture</html>", "text/html");
    });
    // A server that answers an error status but still sends the picture: the data decides.
    server.http().Get("/odd", [](const httplib::Request&, httplib::Response& res) {
        res.status = 500;
        res.set_content(test::makeBmp(2, 2, 24, true, opaque), "image/bmp");
    });
    server.http().Get("/big", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(5000, 'x'), "image/png");
    });
    server.start();

    EXPECT_EQ(loadPicture(server.url("/missing"), nullptr).error(), "服务器返回 HTTP 404");
    EXPECT_EQ(loadPicture(server.url("/page"), nullptr).error(), "不是可识别的图片");
    EXPECT_TRUE(loadPicture(server.url("/odd"), nullptr).ok());
    HttpLimits small;
    small.maxBytes = 1000;
    EXPECT_EQ(
        loadPicture(server.url("/big"), nullptr, small).error().rfind("下载的内容超过上限", 0), 0u);
    EXPECT_EQ(loadPicture("ftp://127.0.0.1/a.png", nullptr).error(),
              core_messages::kAddressUnsupported);
}

TEST(LoadPicture, LocalFilesLoadAsTypedAndFailuresSayWhy) {
    test::TempDir dir;
    const std::string folder = dir.file("设计 稿");
    std::filesystem::create_directory(std::u8string(folder.begin(), folder.end()));
    const std::string png = folder + "/横幅.png";
    ASSERT_TRUE(writeFileAtomically(png, test::makePng(750, 400, test::PngKind::rgba, opaque)));
    // file:///tmp/... here, file:///C:/... on Windows.
    std::string base = dir.path();
    std::replace(base.begin(), base.end(), '\\', '/');
    if (!base.starts_with('/')) {
        base.insert(0, "/");
    }
    const std::string fileAddress =
        "file://" + base + "/%E8%AE%BE%E8%AE%A1%20%E7%A8%BF/%E6%A8%AA%E5%B9%85.png";
    for (const std::string& address : {png, "  " + png + "\n", fileAddress}) {
        auto picture = loadPicture(address, nullptr);
        ASSERT_TRUE(picture) << address << ": " << picture.error();
        EXPECT_EQ(picture->width, 750) << address;
        EXPECT_EQ(picture->height, 400) << address;
    }

    // A pipe nobody writes (or a device) must not hang the load.
    const std::string special = test::makeNonRegularFile(dir.path());
    ASSERT_FALSE(special.empty());
    const std::string page = dir.file("page.png");
    ASSERT_TRUE(writeFileAtomically(page, "<html>a page</html>"));
    HttpLimits small;
    small.maxBytes = 1000;
    std::vector<std::pair<std::string, std::string>> failures = {
        {dir.file("missing.png"), editor_messages::kFileMissing},
        {png + "/inside", editor_messages::kFileMissing},
        {folder, editor_messages::kFileIsFolder},
        {special, editor_messages::kFileNotRegular},
        {png, "文件大小超过上限（1000 字节）"},
        {page, pictures_messages::kPictureUnrecognised},
        {"banner.png", core_messages::kAddressUnsupported},
    };
    test::PermissionsEnforced enforced;
    const std::string locked = dir.file("locked.png");
    ASSERT_TRUE(writeFileAtomically(locked, "x"));
    if (test::makeUnreadable(locked)) {
        failures.emplace_back(
            locked, std::string(editor_messages::kFileUnreadable) + core_messages::kNoPermission);
    } else {
        std::cout << "Not checked: the file could not be made unreadable here (Wine runs as root "
                     "and enforces no access lists); a real Windows run checks this\n";
    }
    for (const auto& [address, why] : failures) {
        EXPECT_EQ(loadPicture(address, nullptr, small).error(), why) << address;
    }
}

}  // namespace
}  // namespace velquist
