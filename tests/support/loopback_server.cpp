// Loopback servers for fetch tests.
#include "support/loopback_server.h"

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

}  // namespace velquist::test
