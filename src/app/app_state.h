// The process-wide state: one plain object owned by the application and handed to the windows.
#pragma once

#include <string>

#include "editor/hotspot_editor.h"
#include "session/main_status_line.h"

namespace velquist {

struct AppState {
    AppState();

    std::string programDir;  // where pz.ini, gx.ini, xz.exe and yl.htm live
    HotspotEditor editor;    // the edited map, its canvas and the pointer
    MainStatusLine statusLine;
};

}  // namespace velquist
