// Fetching and decoding background pictures from a loopback server.
#include "editor/picture_loader.h"

#include <gtest/gtest.h>

#include "pictures/test_pictures.h"
#include "platform/messages.h"
#include "support/loopback_server.h"

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
              platform_messages::kUnsupportedScheme);
}

}  // namespace
}  // namespace velquist
