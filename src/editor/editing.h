// What the mouse and the hotspot-content window do to the editor: selecting, dragging,
// resizing, handles, the status line and a hotspot's tip and link.
#pragma once

#include <cstdint>
#include <string>

#include "editor/hotspot_editor.h"

namespace velquist {

// Left press on the canvas, before the object press: remembers the point.
void leftButtonDown(HotspotEditor& editor, int x, int y);
// Object left press (0 = no object): the object becomes current, the press point becomes the
// grab offset inside it, handles and status follow.
void selectObject(HotspotEditor& editor, int id);
// Mouse movement over the canvas with the held id: resizes, drags the background with every
// hotspot, or drags the current hotspot.
void dragOrResize(HotspotEditor& editor, int x, int y, int held);
// Left release over the canvas or a handle: ends resizing and places the handles.
void endDrag(HotspotEditor& editor);
// Left press on a resize handle.
void beginResize(HotspotEditor& editor, ResizeMode mode);

void resizeCurrentHotspot(HotspotEditor& editor, int x, int y);
void placeHandles(HotspotEditor& editor, int id);
void showStatus(HotspotEditor& editor, int id);

// The hotspot-content window's texts when it opens; when no hotspot row was found the window
// keeps its own initial texts.
struct ContentForm {
    bool found = false;
    std::string tip;
    std::string link;
    std::string rowText;  // the table row being edited, as decimal text
    int32_t id = 0;       // the hotspot that row held when the window opened
};

ContentForm fillContentWindow(const HotspotEditor& editor);
// Stores the edited tip and link (unchanged, no trimming) in the hotspot the window opened for.
void applyHotspotContent(HotspotEditor& editor, const ContentForm& opened, std::string tip,
                         std::string link);
// The window closed with "×": nothing changes but the status line.
void cancelHotspotContent(HotspotEditor& editor);

}  // namespace velquist
