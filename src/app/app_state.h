// The process-wide state: one plain object owned by the application and handed to the windows.
#pragma once

#include <string>

#include "editor/hotspot_editor.h"

namespace velquist {

struct AppState {
    AppState();

    std::string programDir;  // where pz.ini, gx.ini, xz.exe and yl.htm live
    HotspotEditor editor;    // the edited map, its canvas, the pointer and the status line
};

}  // namespace velquist
