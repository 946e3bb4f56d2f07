// Selecting, dragging, resizing and editing hotspots.
#include "editor/editing.h"

#include "core/text.h"
#include "editor/handle_geometry.h"
#include "editor/messages.h"
#include "editor/resize_rules.h"
#include "editor/status_text.h"

namespace velquist {
namespace {

Rect objectRect(const HotspotCanvas& canvas, int id) {
    return {canvas.objectLeft(id), canvas.objectTop(id), canvas.objectWidth(id),
            canvas.objectHeight(id)};
}

void dragBackground(HotspotEditor& editor, int x, int y) {
    EditorState& s = editor.state();
    HotspotCanvas& canvas = editor.canvas();
    canvas.moveObject(s.backgroundId, x - s.pressPoint.x, y - s.pressPoint.y);
    const Point now{canvas.objectLeft(s.backgroundId), canvas.objectTop(s.backgroundId)};
    editor.shiftHotspots(now.x - s.backgroundOrigin.x, now.y - s.backgroundOrigin.y);
    s.backgroundOrigin = now;
    showStatus(editor, s.backgroundId);
}

}  // namespace

void leftButtonDown(HotspotEditor& editor, int x, int y) {
    editor.state().pressPoint = {x, y};
}

void selectObject(HotspotEditor& editor, int id) {
    EditorState& s = editor.state();
    s.currentObjectId = id;
    s.pressPoint.x -= editor.canvas().objectLeft(id);
    s.pressPoint.y -= editor.canvas().objectTop(id);
    placeHandles(editor, id);
    showStatus(editor, id);
}

void dragOrResize(HotspotEditor& editor, int x, int y, int held) {
    const EditorState& s = editor.state();
    if (s.backgroundId < 1 || held == -1) {
        return;
    }
    if (s.resizeMode != ResizeMode::None && held != s.backgroundId) {
        resizeCurrentHotspot(editor, x, y);
    } else if (held == s.backgroundId) {
        dragBackground(editor, x, y);
    } else if (held == s.currentObjectId) {
        editor.canvas().moveObject(held, x - s.pressPoint.x, y - s.pressPoint.y);
        placeHandles(editor, held);
    }
}

void endDrag(HotspotEditor& editor) {
    editor.state().resizeMode = ResizeMode::None;
    placeHandles(editor, editor.state().currentObjectId);
}

void beginResize(HotspotEditor& editor, ResizeMode mode) {
    editor.state().resizeMode = mode;
}

void resizeCurrentHotspot(HotspotEditor& editor, int x, int y) {
    const EditorState& s = editor.state();
    HotspotCanvas& canvas = editor.canvas();
    const int id = s.currentObjectId;
    if (id == s.backgroundId) {
        return;  // a handle left held must never turn the background picture into a tile
    }
    const HandleEdge edge = static_cast<HandleEdge>(static_cast<int>(s.resizeMode) - 1);
    Handle& dragged = editor.mutableHandles()[edge];
    const ResizeOutcome out =
        resizeFromHandle(s.resizeMode, objectRect(canvas, id), dragged.position, x, y);
    dragged.position = out.handle;
    // The new tile takes the colours of the current style; the transparency stays.
    canvas.setPicture(id, editor.buildTile(out.object.width, out.object.height));
    canvas.moveObject(id, out.object.left, out.object.top);
    showStatus(editor, id);
}

void placeHandles(HotspotEditor& editor, int id) {
    const HotspotCanvas& canvas = editor.canvas();
    if (id < 1 || id == editor.state().backgroundId) {
        editor.hideHandles();
        return;
    }
    editor.mutableHandles() =
        placeHandlePositions(objectRect(canvas, id), canvas.width(), canvas.height());
    showStatus(editor, id);
}

void showStatus(HotspotEditor& editor, int id) {
    const EditorState& s = editor.state();
    const HotspotCanvas& canvas = editor.canvas();
    if (s.backgroundId < 1) {
        editor.setStatus(noBackgroundStatus());
        return;
    }
    const Rect background = objectRect(canvas, s.backgroundId);
    if (id == s.backgroundId) {
        editor.setStatus(backgroundStatus(background, canvas.objectCount() - 1));
        return;
    }
    const auto row = editor.findRow(id);
    const std::string link = row ? editor.table().row(*row).link : std::string();
    editor.setStatus(
        hotspotStatus(objectRect(canvas, id), {background.left, background.top}, link));
}

ContentForm fillContentWindow(const HotspotEditor& editor) {
    ContentForm form;
    const int32_t id = editor.state().currentObjectId;
    const auto row = editor.findRow(id);
    if (!row) {
        return form;
    }
    const HotspotRow& r = editor.table().row(*row);
    form.found = true;
    form.tip = r.tip.empty() ? messages::kDefaultTip : r.tip;
    form.link = r.link;
    form.rowText = formatNumber(static_cast<int64_t>(*row));
    form.id = id;
    return form;
}

void applyHotspotContent(HotspotEditor& editor, const ContentForm& opened, std::string tip,
                         std::string link) {
    if (!opened.found) {
        editor.setStatus(messages::kContentApplied);
        return;
    }
    // Rows move up when another hotspot is deleted meanwhile: follow the hotspot, not the row.
    size_t row = static_cast<size_t>(textToInteger(opened.rowText));
    if (row >= editor.table().rowCount() || editor.table().row(row).id != opened.id) {
        const auto moved = editor.findRow(opened.id);
        if (!moved) {
            editor.setStatus(messages::kContentTargetGone);
            return;
        }
        row = *moved;
    }
    editor.setRowContent(row, std::move(tip), std::move(link));
    editor.setStatus(messages::kContentApplied);
}

void cancelHotspotContent(HotspotEditor& editor) {
    editor.setStatus(messages::kContentCancelled);
}

}  // namespace velquist
