// Raw loopback TCP for fetch tests, with BSD sockets.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

#include "support/loopback_server.h"

namespace velquist::test {

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

void readUntilClosed(int fd) {
    char c = 0;
    while (::read(fd, &c, 1) > 0) {
    }
}

RefusingPort::RefusingPort() {
    m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<sockaddr*>(&addr), len) != 0 ||
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        throw std::runtime_error("cannot bind a loopback port");
    }
    m_port = ntohs(addr.sin_port);
}

RefusingPort::~RefusingPort() {
    ::close(m_socket);
}

void lingerZero(int fd) {
    const linger option{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &option, sizeof option);
}

}  // namespace velquist::test
