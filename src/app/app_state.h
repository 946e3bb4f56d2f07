// The process-wide state: one plain object owned by the application and handed to the windows.
#pragma once

#include <string>

#include "editor/hotspot_editor.h"

namespace velquist {

struct AppState {
    AppState();

    std::string programDir;  // where pz.ini, gx.ini, xz.exe and yl.htm live
    HotspotEditor editor;    // canvas, table, editor scalars, style of new hotspots
    int cleanupRuns = 0;     // how often exitCleanup has run (once at most)

    // Releases the process-wide texts and bytes; the end-the-program action runs it once.
    void exitCleanup();
};

}  // namespace velquist
