// Loopback servers for fetch tests.
#include "support/loopback_server.h"

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace velquist::test {

LoopbackServer::~LoopbackServer() {
    {
        std::lock_guard lock(m_mutex);
        m_shuttingDown = true;
    }
    m_released.notify_all();
    m_server.stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void LoopbackServer::start() {
    m_port = m_server.bind_to_any_port("127.0.0.1");
    if (m_port <= 0) {
        throw std::runtime_error("cannot bind a loopback port");
    }
    // Connections made before the loop runs wait in the listen queue.
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
}

std::string LoopbackServer::url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + std::string(path);
}

void LoopbackServer::holdUntilShutdown(std::chrono::milliseconds limit) {
    std::unique_lock lock(m_mutex);
    m_released.wait_for(lock, limit, [this] { return m_shuttingDown; });
}

bool LoopbackServer::shuttingDown() {
    std::lock_guard lock(m_mutex);
    return m_shuttingDown;
}

RawTcpServer::RawTcpServer(std::function<void(int fd)> serve) : m_serve(std::move(serve)) {
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&addr), len) != 0 ||
        ::listen(m_listener, 8) != 0 ||
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        throw std::runtime_error("cannot listen on a loopback port");
    }
    m_port = ntohs(addr.sin_port);
    m_thread = std::thread([this] { acceptLoop(); });
}

RawTcpServer::~RawTcpServer() {
    // Shutting the listener down wakes the blocked accept().
    ::shutdown(m_listener, SHUT_RDWR);
    m_thread.join();
    ::close(m_listener);
}

std::string RawTcpServer::url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + std::string(path);
}

void RawTcpServer::acceptLoop() {
    while (true) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            return;
        }
        m_serve(fd);
        ::close(fd);
    }
}

std::string readRequestHead(int fd) {
    std::string head;
    char c = 0;
    while (head.find("\r\n\r\n") == std::string::npos && ::read(fd, &c, 1) == 1) {
        head += c;
    }
    return head;
}

void sendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

void lingerZero(int fd) {
    const linger option{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &option, sizeof option);
}

}  // namespace velquist::test
