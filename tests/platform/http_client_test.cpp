// The HTTP client against real loopback servers: answers, request form, redirects, limits,
// broken connections and cancellation.
#include "platform/http_client.h"

#include <stdlib.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/messages.h"
#include "support/loopback_server.h"
#include "support/programs.h"

namespace velquist {
namespace {

using namespace std::chrono_literals;
namespace text = platform_messages;

HttpLimits smallLimits() {
    HttpLimits limits;
    limits.maxBytes = 1000;
    limits.stallTimeout = 1s;
    limits.connectTimeout = 5s;
    return limits;
}

TEST(HttpGet, ReturnsStatusAndBodyWhateverTheStatus) {
    test::LoopbackServer server;
    server.http().Get("/ok", [](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string("\x89PNG\r\n\x1a\n\0data", 13), "image/png");
    });
    server.http().Get("/missing", [](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content("<html><body>Not here</body></html>", "text/html");
    });
    server.start();

    auto ok = httpGet(server.url("/ok"));
    ASSERT_TRUE(ok) << ok.error();
    EXPECT_EQ(ok->status, 200);
    EXPECT_EQ(ok->body, std::string("\x89PNG\r\n\x1a\n\0data", 13));

    auto missing = httpGet(server.url("/missing"));
    ASSERT_TRUE(missing) << missing.error();
    EXPECT_EQ(missing->status, 404);
    EXPECT_EQ(missing->body, "<html><body>Not here</body></html>");
}

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = ::getenv(name)) {
            m_old = old;
            m_had = true;
        }
        test::setEnvironment(name, value);
    }
    ~ScopedEnv() { test::setEnvironment(m_name, m_had ? m_old.c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

TEST(HttpGet, SendsExactlyTheOldBrowserRequestOverADirectConnection) {
    std::string seen;
    test::RawTcpServer server([&seen](int fd) {
        seen = test::readRequestHead(fd);
        test::sendAll(fd, "HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok");
    });
    // A proxy that does not exist: using it would fail the fetch.
    ScopedEnv proxy("http_proxy", "http://127.0.0.1:9");
    ScopedEnv all("ALL_PROXY", "http://127.0.0.1:9");

    auto got = httpGet(server.url("/img/pic.png?x=1"));
    ASSERT_TRUE(got) << got.error();
    EXPECT_EQ(got->body, "ok");
    EXPECT_EQ(seen,
              "GET /img/pic.png?x=1 HTTP/1.0\r\n"
              "Host: 127.0.0.1:" +
                  std::to_string(server.port()) +
                  "\r\n"
                  "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n"
                  "Accept: */*\r\n"
                  "\r\n");
}

TEST(HttpGet, SendsAPastedAddressAsABrowserWould) {
    std::string seen;
    test::RawTcpServer server([&seen](int fd) {
        seen = test::readRequestHead(fd);
        test::sendAll(fd, "HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok");
    });
    auto got = httpGet(" \t" + server.url("/新品/a b%20c.png?x=1") + " \r\n");
    ASSERT_TRUE(got) << got.error();
    EXPECT_EQ(seen.substr(0, seen.find("\r\n")),
              "GET /%E6%96%B0%E5%93%81/a%20b%20c.png?x=1 HTTP/1.0");
}

TEST(HttpGet, FollowsRedirectsToHttpOnly) {
    test::LoopbackServer server;
    server.http().Get("/old", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("moved", "text/plain");
        res.set_redirect("/new");
    });
    server.http().Get("/new", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("picture", "image/gif");
    });
    server.http().Get("/to-file", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("file:///etc/passwd");
    });
    server.http().Get("/to-ftp", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("ftp://127.0.0.1/x");
    });
    server.http().Get("/loop", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("/loop");
    });
    server.start();

    auto moved = httpGet(server.url("/old"));
    ASSERT_TRUE(moved) << moved.error();
    EXPECT_EQ(moved->status, 200);
    EXPECT_EQ(moved->body, "picture");

    EXPECT_EQ(httpGet(server.url("/to-file")).error(), text::kUnsupportedScheme);
    EXPECT_EQ(httpGet(server.url("/to-ftp")).error(), text::kUnsupportedScheme);
    EXPECT_EQ(httpGet(server.url("/loop")).error(), text::kTooManyRedirects);
}

TEST(HttpGet, RefusesOtherSchemesAndMalformedAddresses) {
    EXPECT_EQ(httpGet("file:///etc/passwd").error(), text::kUnsupportedScheme);
    EXPECT_EQ(httpGet("ftp://127.0.0.1/pic.png").error(), text::kUnsupportedScheme);
    EXPECT_EQ(httpGet("gopher://127.0.0.1/").error(), text::kUnsupportedScheme);
    EXPECT_EQ(httpGet("/etc/passwd").error(), text::kBadAddress);
    EXPECT_EQ(httpGet("").error(), text::kBadAddress);
    EXPECT_EQ(httpGet(" \r\n").error(), text::kBadAddress);
}

TEST(HttpGet, EnforcesTheSizeLimitWithAndWithoutContentLength) {
    test::LoopbackServer server;
    server.http().Get(R"(/sized/(\d+))", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(std::string(std::stoul(req.matches[1].str()), 'x'), "image/png");
    });
    // No Content-Length: the body simply runs on.
    server.http().Get("/unsized", [&server](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("image/png", [&server](size_t, httplib::DataSink& sink) {
            const std::string block(100, 'y');
            for (int i = 0; i < 100 && !server.shuttingDown(); ++i) {
                if (!sink.write(block.data(), block.size())) {
                    return false;
                }
            }
            sink.done();
            return true;
        });
    });
    server.start();

    auto atLimit = httpGet(server.url("/sized/1000"), nullptr, smallLimits());
    ASSERT_TRUE(atLimit) << atLimit.error();
    EXPECT_EQ(atLimit->body.size(), 1000u);

    const std::string tooLarge = "下载的内容超过上限（1000 字节）";
    EXPECT_EQ(httpGet(server.url("/sized/1001"), nullptr, smallLimits()).error(), tooLarge);
    EXPECT_EQ(httpGet(server.url("/unsized"), nullptr, smallLimits()).error(), tooLarge);

    auto unsized = httpGet(server.url("/unsized"));
    ASSERT_TRUE(unsized) << unsized.error();
    EXPECT_EQ(unsized->body.size(), 10000u);
}

TEST(HttpGet, GivesUpOnAStalledResponse) {
    test::LoopbackServer server;
    server.http().Get("/stall", [&server](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(500, "image/png",
                                 [&server](size_t, size_t, httplib::DataSink& sink) {
                                     sink.write("partial", 7);
                                     server.holdUntilShutdown();
                                     return false;
                                 });
    });
    server.start();
    EXPECT_EQ(httpGet(server.url("/stall"), nullptr, smallLimits()).error(),
              "下载超时（1 秒没有收到数据）");

    // Takes the request and says nothing until the client gives up and closes.
    test::RawTcpServer mute([](int fd) {
        test::readRequestHead(fd);
        test::readUntilClosed(fd);
    });
    EXPECT_EQ(httpGet(mute.url("/"), nullptr, smallLimits()).error(),
              "下载超时（1 秒没有收到数据）");
}

// Keeps data coming, a byte every 50 ms, so the stall limit never applies.
void trickle(test::LoopbackServer& server, const char* path) {
    server.http().Get(path, [&server](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("image/png", [&server](size_t, httplib::DataSink& sink) {
            for (int i = 0; i < 100000 && !server.shuttingDown(); ++i) {
                if (!sink.write("z", 1)) {
                    return false;
                }
                std::this_thread::sleep_for(50ms);
            }
            return false;
        });
    });
}

TEST(HttpGet, GivesUpOnATransferThatTakesTooLongAltogether) {
    test::LoopbackServer server;
    trickle(server, "/trickle");
    server.start();
    HttpLimits limits = smallLimits();
    limits.totalTimeout = 1s;
    EXPECT_EQ(httpGet(server.url("/trickle"), nullptr, limits).error(),
              "下载超时（1 秒内没有下载完）");
}

TEST(HttpGet, ReportsProgressWithTheLengthWhenTheServerSendsOne) {
    test::LoopbackServer server;
    server.http().Get("/sized", [](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(3000, "image/png",
                                 [](size_t offset, size_t, httplib::DataSink& sink) {
                                     std::this_thread::sleep_for(20ms);  // arrives in parts
                                     sink.write(std::string(1000, 'x').data(), 1000);
                                     return offset < 3000;  // called until all is sent
                                 });
    });
    server.http().Get("/unsized", [](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("image/png", [](size_t offset, httplib::DataSink& sink) {
            std::this_thread::sleep_for(20ms);
            sink.write(std::string(1000, 'y').data(), 1000);
            if (offset + 1000 >= 3000) {
                sink.done();
            }
            return true;
        });
    });
    server.start();
    for (const char* path : {"/sized", "/unsized"}) {
        std::vector<HttpProgress> seen;
        auto got = httpGet(server.url(path), nullptr, {},
                           [&seen](const HttpProgress& p) { seen.push_back(p); });
        ASSERT_TRUE(got) << got.error();
        ASSERT_FALSE(seen.empty()) << path;
        for (size_t i = 1; i < seen.size(); ++i) {
            EXPECT_GT(seen[i].received, seen[i - 1].received) << path;
        }
        EXPECT_EQ(seen.back().received, 3000u) << path;
        for (const HttpProgress& p : seen) {
            EXPECT_EQ(p.total,
                      path == std::string("/sized") ? std::optional<uint64_t>(3000) : std::nullopt);
        }
    }
}

TEST(HttpGet, ReportsBrokenConnections) {
    test::RawTcpServer resetting([](int fd) {
        test::readRequestHead(fd);
        test::sendAll(fd, "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nonly ten..");
        test::lingerZero(fd);
    });
    // Wine reads a reset after data as an orderly end (recv() gives 0, not WSAECONNRESET): there
    // the transfer must still fail, as cut short.
    EXPECT_EQ(httpGet(resetting.url("/")).error(),
              test::underWine() ? text::kConnectionCut : text::kConnectionReset);

    test::RawTcpServer cutting([](int fd) {
        test::readRequestHead(fd);
        test::sendAll(fd, "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nonly ten..");
    });
    EXPECT_EQ(httpGet(cutting.url("/")).error(), text::kConnectionCut);

    test::RawTcpServer silent([](int fd) { test::readRequestHead(fd); });
    EXPECT_EQ(httpGet(silent.url("/")).error(), text::kNothingReceived);

    // A bound port nobody listens on refuses connections.
    const test::RefusingPort refusing;
    EXPECT_EQ(httpGet("http://127.0.0.1:" + std::to_string(refusing.port()) + "/").error(),
              text::kConnectionRefused);
}

TEST(HttpGet, SaysSoWhenTheAnswerIsNotHttp) {
    // Raw picture bytes as an old-style server sends them, plain text, broken status lines.
    for (const char* answer : {"\x89PNG\r\n\x1a\n picture bytes, no header", "hello\r\n\r\n",
                               "HTTP/1.0 abc\r\n\r\nbody", "HTTP/1.0 2000 OK\r\n\r\nbody"}) {
        test::RawTcpServer raw([answer](int fd) {
            test::readRequestHead(fd);
            test::sendAll(fd, answer);
        });
        EXPECT_EQ(httpGet(raw.url("/")).error(), text::kNotHttp) << answer;
    }
}

TEST(HttpGet, CancelEndsASlowTransfer) {
    std::atomic<bool> cancel{false};
    test::LoopbackServer server;
    // Trickles data for far longer than any test runs, and asks for the cancel once started.
    server.http().Get("/slow", [&](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("image/png", [&](size_t, httplib::DataSink& sink) {
            for (int i = 0; i < 100000 && !server.shuttingDown(); ++i) {
                if (!sink.write("z", 1)) {
                    return false;
                }
                cancel = true;
                std::this_thread::sleep_for(10ms);
            }
            return false;
        });
    });
    server.start();
    EXPECT_EQ(httpGet(server.url("/slow"), &cancel).error(), text::kCancelled);

    std::atomic<bool> already{true};
    EXPECT_EQ(httpGet(server.url("/slow"), &already).error(), text::kCancelled);
}

}  // namespace
}  // namespace velquist
