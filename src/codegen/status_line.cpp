// Status-line rule of the code-output window.
#include "codegen/status_line.h"

#include "codegen/messages.h"

namespace velquist {

StatusLine::StatusLine() : m_caption(codegen_messages::kStatusIdle) {}

bool StatusLine::show(std::string_view message, bool withTimer) {
    m_caption = message;
    if (!withTimer || m_timerRunning) {
        return false;
    }
    m_timerRunning = true;
    return true;
}

void StatusLine::timerFired() {
    if (!m_timerRunning) {
        return;  // a late tick after the rule already stopped
    }
    m_timerRunning = false;
    m_caption = codegen_messages::kStatusIdle;
}

}  // namespace velquist
