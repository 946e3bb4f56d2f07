// A started program's output, read line by line; the pipe calls are each system's.
#include <utility>

#include "platform/process_launcher.h"
#include "process_output_system.h"

namespace velquist {

ProcessOutput::ProcessOutput(int readEnd) : m_fd(readEnd) {
    output_pipe::prepare(m_fd);
}

ProcessOutput::~ProcessOutput() {
    if (m_fd >= 0) {
        output_pipe::close(m_fd);
    }
}

ProcessOutput::ProcessOutput(ProcessOutput&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_partial(std::move(other.m_partial)) {}

ProcessOutput& ProcessOutput::operator=(ProcessOutput&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) {
            output_pipe::close(m_fd);
        }
        m_fd = std::exchange(other.m_fd, -1);
        m_partial = std::move(other.m_partial);
    }
    return *this;
}

std::vector<std::string> ProcessOutput::readLines() {
    char buffer[4096];
    // A bounded amount per call, so that a program that prints without pause cannot hold the
    // caller (the user-interface thread) here.
    for (int reads = 0; m_fd >= 0 && reads < 16; ++reads) {
        size_t n = 0;
        const output_pipe::ReadEnd read = output_pipe::readSome(m_fd, buffer, sizeof buffer, n);
        if (read == output_pipe::ReadEnd::NothingYet) {
            break;
        }
        if (read == output_pipe::ReadEnd::Ended) {
            output_pipe::close(m_fd);
            m_fd = -1;
            break;
        }
        m_partial.append(buffer, n);
    }
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = m_partial.find('\n', start)) != std::string::npos; start = end + 1) {
        const size_t length =
            end > start && m_partial[end - 1] == '\r' ? end - start - 1 : end - start;
        lines.push_back(m_partial.substr(start, length));
    }
    m_partial.erase(0, start);
    if (m_fd < 0 && !m_partial.empty()) {
        lines.push_back(std::exchange(m_partial, {}));
    }
    return lines;
}

}  // namespace velquist
