// What the main window's status line says, and the one rule with memory: a load's progress never
// overwrites a newer message.
#pragma once

#include <string>

#include "editor/said.h"

namespace velquist {

struct SessionUpdate;

class MainStatusLine {
public:
    MainStatusLine();

    const std::string& text() const { return m_text; }
    // What an action said; nothing leaves the line as it is.
    void show(const Said& said);
    // What a session action said, and what a load it started said.
    void show(const SessionUpdate& update);
    // A load started: what it said is its last word so far (nothing: a load that comes quietly).
    void showLoadStart(const Said& said);
    // A load's progress shows only while the line still says the load's last word: a newer
    // message (an edit, an undo) stays readable.
    void showLoadProgress(const Said& said);

private:
    std::string m_text;
    std::string m_loadSaid;  // the running load's last word; empty: it has none on show
};

}  // namespace velquist
