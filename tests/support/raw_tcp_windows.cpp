// Raw loopback TCP for fetch tests, with Winsock. Socket handles are small numbers that the
// shared interface carries as int.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <stdexcept>

#include "support/loopback_server.h"

namespace velquist::test {
namespace {

SOCKET asSocket(int fd) {
    return static_cast<SOCKET>(fd);
}

// Winsock must be started once per process before any socket call.
void startWinsock() {
    static const bool started = [] {
        WSADATA data;
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!started) {
        throw std::runtime_error("cannot start Winsock");
    }
}

int boundLoopbackSocket(int& port) {
    startWinsock();
    const SOCKET s = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int len = sizeof addr;
    if (s == INVALID_SOCKET || ::bind(s, reinterpret_cast<sockaddr*>(&addr), len) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        throw std::runtime_error("cannot bind a loopback port");
    }
    port = ntohs(addr.sin_port);
    return static_cast<int>(s);
}

}  // namespace

RawTcpServer::RawTcpServer(std::function<void(int fd)> serve) : m_serve(std::move(serve)) {
    m_listener = boundLoopbackSocket(m_port);
    if (::listen(asSocket(m_listener), 8) != 0) {
        throw std::runtime_error("cannot listen on a loopback port");
    }
    m_thread = std::thread([this] { acceptLoop(); });
}

RawTcpServer::~RawTcpServer() {
    // Closing the listener wakes the blocked accept().
    ::closesocket(asSocket(m_listener));
    m_thread.join();
}

std::string RawTcpServer::url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + std::string(path);
}

void RawTcpServer::acceptLoop() {
    while (true) {
        const SOCKET s = ::accept(asSocket(m_listener), nullptr, nullptr);
        if (s == INVALID_SOCKET) {
            return;
        }
        m_serve(static_cast<int>(s));
        ::closesocket(s);
    }
}

std::string readRequestHead(int fd) {
    std::string head;
    char c = 0;
    while (head.find("\r\n\r\n") == std::string::npos && ::recv(asSocket(fd), &c, 1, 0) == 1) {
        head += c;
    }
    return head;
}

void sendAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const int n = ::send(asSocket(fd), bytes.data(), static_cast<int>(bytes.size()), 0);
        if (n <= 0) {
            return;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

void readUntilClosed(int fd) {
    char c = 0;
    while (::recv(asSocket(fd), &c, 1, 0) > 0) {
    }
}

void lingerZero(int fd) {
    const linger option{1, 0};
    ::setsockopt(asSocket(fd), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&option),
                 sizeof option);
}

RefusingPort::RefusingPort() {
    m_socket = boundLoopbackSocket(m_port);
}

RefusingPort::~RefusingPort() {
    ::closesocket(asSocket(m_socket));
}

}  // namespace velquist::test
