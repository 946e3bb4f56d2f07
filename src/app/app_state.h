// The process-wide state: one plain object owned by main() and handed to the windows.
#pragma once

#include <string>

namespace velquist {

struct AppState {
    std::string programDir;  // where pz.ini, gx.ini, xz.exe and yl.htm live
    int cleanupRuns = 0;     // how often exitCleanup has run (once at most)

    // Releases the process-wide texts; the end-the-program action runs it once.
    void exitCleanup();
};

}  // namespace velquist
