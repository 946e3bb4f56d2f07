// The hotspot editor: the edited map, its drawing on the canvas, the pointer, the resize handles
// and the status line. User actions become map operations here; the canvas follows the map.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/hotspot_style.h"
#include "core/status.h"
#include "editor/background_alignment.h"
#include "editor/edited_map.h"
#include "editor/editor_state.h"
#include "editor/handle_set.h"
#include "editor/hotspot_canvas.h"
#include "pictures/picture.h"

namespace velquist {

// The hotspot-content window's texts when it opens for the selected hotspot.
struct ContentForm {
    bool found = false;  // false: no hotspot was selected; the window keeps its own texts
    std::string tip;
    std::string link;
    int32_t id = 0;  // the hotspot the window edits
};

class HotspotEditor {
public:
    HotspotEditor(int canvasWidth, int canvasHeight);
    HotspotEditor(const HotspotEditor&) = delete;
    HotspotEditor& operator=(const HotspotEditor&) = delete;

    // --- views ---
    const EditedMap& map() const { return m_map; }
    // The drawing of the map. The view renders it, sizes it and asks it which object the
    // pointer holds; its objects change only by following the map.
    HotspotCanvas& canvas() { return m_canvas; }
    const HotspotCanvas& canvas() const { return m_canvas; }
    const PointerState& pointer() const { return m_pointer; }
    const HandleSet& handles() const { return m_handles; }
    const std::string& status() const { return m_status; }
    // "添加热区" waits for the first background.
    bool addHotspotEnabled() const { return m_map.hasBackground(); }

    // Reports from elsewhere (settings, updater, the code window) in the same status line.
    void setStatus(std::string text) { m_status = std::move(text); }
    // The style of hotspots added from now on.
    void setStyle(const HotspotStyle& style) { m_map.setStyle(style); }

    // --- map actions ---
    // A new hotspot at (100, 100) in the current style, link "#", empty tip; it becomes current.
    void addHotspot();
    // "删除": the selected hotspot goes, reported in the status line.
    void deleteSelectedHotspot();
    void alignBackground(Alignment where);
    // A load is under way.
    void loadStarted();
    // The end of a load: a picture replaces the map; a failure keeps the map and says why.
    void finishLoad(const std::string& address, Result<Picture> result);

    // --- the hotspot-content window ---
    ContentForm contentForm() const;
    // Stores the edited tip and link (as typed) in the hotspot the window opened for.
    void applyContent(const ContentForm& opened, std::string tip, std::string link);
    void cancelContent();

    // --- the pointer on the canvas ---
    // Left press, before the object press: remembers the point.
    void leftButtonDown(int x, int y);
    // Object left press (0 = no object): it becomes current, the press point becomes the grab
    // offset inside it, handles and status follow.
    void selectObject(int32_t id);
    // A movement with the held id: resizes, drags the background with every hotspot, or drags
    // the current hotspot.
    void dragOrResize(int x, int y, int held);
    // Left release over the canvas or a handle: ends resizing and places the handles.
    void endDrag();
    // Left press on a resize handle.
    void beginResize(ResizeMode mode);

private:
    // Every change of the map goes through here.
    void change(MapOperation operation);
    // The canvas follows an applied operation.
    void follow(const MapOperation& applied);
    void drawHotspot(const Hotspot& hotspot);
    void redrawAll();
    void resizeSelected(int x, int y);
    void placeHandles(int32_t id);
    void showStatus(int32_t id);
    bool isBackground(int32_t id) const { return id > 0 && id == m_map.background().id; }

    EditedMap m_map;
    HotspotCanvas m_canvas;
    PointerState m_pointer;
    HandleSet m_handles;
    std::string m_status;
};

}  // namespace velquist
