// The main window's status line.
#include "session/main_status_line.h"

#include "editor/messages.h"
#include "session/map_session.h"

namespace velquist {

MainStatusLine::MainStatusLine() : m_text(editor_messages::kWelcome) {}

void MainStatusLine::show(const Said& said) {
    if (said) {
        m_text = *said;
    }
}

void MainStatusLine::show(const SessionUpdate& update) {
    if (update.load) {
        showLoadStart(update.loadSaid);
    }
    show(update.said);
}

void MainStatusLine::showLoadStart(const Said& said) {
    show(said);
    m_loadSaid = said.value_or(std::string());
}

void MainStatusLine::showLoadProgress(const Said& said) {
    if (!said || m_loadSaid.empty() || m_text != m_loadSaid) {
        return;
    }
    m_text = *said;
    m_loadSaid = *said;
}

}  // namespace velquist
