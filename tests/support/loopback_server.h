// HTTP and plain TCP servers on the loopback interface, for tests that fetch.
#pragma once

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

namespace velquist::test {

// An HTTP server on 127.0.0.1 at a free port. Add routes through http(), then start().
// Stopping waits for running handlers, so a handler that must hang uses holdUntilShutdown().
class LoopbackServer {
public:
    LoopbackServer() = default;
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    httplib::Server& http() { return m_server; }
    void start();
    int port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by `path`.
    std::string url(std::string_view path) const;

    // Blocks the calling handler until the server shuts down or `limit` passes.
    void holdUntilShutdown(std::chrono::milliseconds limit = std::chrono::minutes(2));
    // True once the server shuts down; lets slow handlers end early.
    bool shuttingDown();

private:
    httplib::Server m_server;
    int m_port = -1;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_shuttingDown = false;
};

// A TCP listener on 127.0.0.1 that hands each accepted connection to `serve` and then closes
// it; for answers an HTTP library will not give (exact bytes seen, connections reset).
class RawTcpServer {
public:
    explicit RawTcpServer(std::function<void(int fd)> serve);
    ~RawTcpServer();
    RawTcpServer(const RawTcpServer&) = delete;
    RawTcpServer& operator=(const RawTcpServer&) = delete;

    int port() const { return m_port; }
    std::string url(std::string_view path) const;

private:
    void acceptLoop();

    std::function<void(int fd)> m_serve;
    int m_listener = -1;
    int m_port = -1;
    std::thread m_thread;
};

// The request line and headers, up to and including the blank line.
std::string readRequestHead(int fd);
void sendAll(int fd, std::string_view bytes);
// Reads and drops whatever comes until the other side closes.
void readUntilClosed(int fd);
// Makes the coming close send a reset instead of an orderly end.
void lingerZero(int fd);

// A loopback port that is bound but not listening: connections to it are refused.
class RefusingPort {
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;
    int port() const { return m_port; }

private:
    int m_socket = -1;
    int m_port = -1;
};

}  // namespace velquist::test
