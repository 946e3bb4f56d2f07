// The code-output window's status line: a message that a 3-second timer returns to the caption.
#pragma once

#include <string>
#include <string_view>

namespace velquist {

inline constexpr int kStatusTimerMs = 3000;

// The shell owns the real single-shot timer and drives this rule: it starts the timer when
// show() asks for it and calls timerFired() when it fires. A running timer is never restarted,
// so a caption returns to rest 3 s after the first of several quick messages.
class StatusLine {
public:
    StatusLine();

    const std::string& caption() const { return m_caption; }
    bool timerRunning() const { return m_timerRunning; }

    // Replaces the caption. Returns true when the shell must start the timer now.
    bool show(std::string_view message, bool withTimer);
    void timerFired();

private:
    std::string m_caption;
    bool m_timerRunning = false;
};

}  // namespace velquist
