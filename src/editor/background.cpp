// Background installation, alignment and the remembered address.
#include "editor/background.h"

#include "core/ini_file.h"
#include "core/program_dir.h"
#include "core/text.h"
#include "editor/messages.h"
#include "editor/status_text.h"

namespace velquist {
namespace {

constexpr std::string_view kSection = "配置";
constexpr std::string_view kAddressKey = "背景图";

const char* alignedMessage(Alignment where) {
    switch (where) {
        case Alignment::Top:
            return messages::kAlignedTop;
        case Alignment::Bottom:
            return messages::kAlignedBottom;
        case Alignment::Left:
            return messages::kAlignedLeft;
        case Alignment::Right:
            return messages::kAlignedRight;
        case Alignment::Centre:
            return messages::kAlignedCentre;
    }
    return "";
}

}  // namespace

bool addressAccepted(std::string_view address) {
    return address.find("http") != std::string_view::npos;
}

void installBackground(HotspotEditor& editor, Picture picture, std::string address) {
    editor.resetEditor();
    HotspotCanvas& canvas = editor.canvas();
    const int id = canvas.createObject(0, 0, true);
    editor.state().currentObjectId = id;
    canvas.setPicture(id, std::move(picture));
    editor.enableAddHotspot();
    editor.appendTableRow("", "");
    editor.setStatus(
        loadedStatus(formatNumber(canvas.objectWidth(id)), formatNumber(canvas.objectHeight(id))));
    editor.state().backgroundId = id;
    editor.setBackgroundAddress(std::move(address));
}

void finishLoad(HotspotEditor& editor, const std::string& programDir, const std::string& address,
                Result<Picture> result) {
    if (result) {
        installBackground(editor, std::move(result.value()), address);
    } else {
        // A mistyped address must not cost the user's hotspots.
        editor.setStatus(messages::kLoadFailed + result.error());
    }
    rememberAddress(programDir, address);
}

Point alignedPosition(Alignment where, const Rect& b, int canvasWidth, int canvasHeight) {
    switch (where) {
        case Alignment::Top:
            return {b.left, 0};
        case Alignment::Bottom:
            return {b.left, canvasHeight - b.height};
        case Alignment::Left:
            return {0, 0};
        case Alignment::Right:
            return {canvasWidth - b.width, 0};
        case Alignment::Centre:
            // CW/2 - w/2 computed exactly, then truncated toward zero.
            return {static_cast<int>((int64_t{canvasWidth} - b.width) / 2), 0};
    }
    return {b.left, b.top};
}

void alignBackground(HotspotEditor& editor, Alignment where) {
    const HotspotTable& table = editor.table();
    const int32_t id = table.rowCount() > 0 ? table.row(0).id : 0;
    if (id < 1) {
        editor.setStatus(messages::kNoBackgroundLoaded);
        return;
    }
    HotspotCanvas& canvas = editor.canvas();
    const Rect background{canvas.objectLeft(id), canvas.objectTop(id), canvas.objectWidth(id),
                          canvas.objectHeight(id)};
    const Point to = alignedPosition(where, background, canvas.width(), canvas.height());
    canvas.moveObject(id, to.x, to.y);
    EditorState& s = editor.state();
    editor.shiftHotspots(to.x - s.backgroundOrigin.x, to.y - s.backgroundOrigin.y);
    s.backgroundOrigin = to;
    editor.setStatus(alignedMessage(where));
}

std::string readRememberedAddress(const std::string& programDir) {
    return readIniValue(joinPath(programDir, kBackgroundIni), kSection, kAddressKey);
}

void rememberAddress(const std::string& programDir, const std::string& address) {
    // A failed write only loses the convenience of "读取备份"; the load itself stands.
    (void)writeIniValue(joinPath(programDir, kBackgroundIni), kSection, kAddressKey, address);
}

}  // namespace velquist
