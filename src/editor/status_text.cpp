// Status line texts.
#include "editor/status_text.h"

#include "core/text.h"
#include "editor/messages.h"

namespace velquist {

std::string noBackgroundStatus() {
    return editor_messages::kNoBackgroundPrompt;
}

std::string backgroundStatus(const Rect& b, int hotspotCount) {
    return "背景图尺寸：" + formatNumber(b.width) + "×" + formatNumber(b.height) + " PX； 距左：" +
           formatNumber(b.left) + " PX； 距顶：" + formatNumber(b.top) + " PX；共绘制了：" +
           formatNumber(hotspotCount) + " 个热点区";
}

namespace {

// A hotspot's edges relative to the background's top-left corner, as the code will hold them.
struct PictureEdges {
    int64_t x1, y1, x2, y2;
};

PictureEdges pictureEdges(const Rect& h, Point origin) {
    const int64_t x1 = int64_t{h.left} - origin.x;
    const int64_t y1 = int64_t{h.top} - origin.y;
    return {x1, y1, x1 + h.width, y1 + h.height};
}

}  // namespace

std::string hotspotStatus(const Rect& h, Point origin, std::string_view link) {
    const PictureEdges e = pictureEdges(h, origin);
    return "当前热区坐标：左= " + formatNumber(e.x1) + " px；顶= " + formatNumber(e.y1) +
           " px；右= " + formatNumber(e.x2) + " px；底= " + formatNumber(e.y2) + " px；链接地址：" +
           std::string(link);
}

std::string selectionStatus(int count, const Rect& bounds, Point origin) {
    const PictureEdges e = pictureEdges(bounds, origin);
    return "已选中 " + formatNumber(count) + " 个热区：左= " + formatNumber(e.x1) +
           " px；顶= " + formatNumber(e.y1) + " px；右= " + formatNumber(e.x2) +
           " px；底= " + formatNumber(e.y2) + " px";
}

std::string contentTitle(const Rect& h, Point origin) {
    const PictureEdges e = pictureEdges(h, origin);
    return "热区内容 (" + formatNumber(e.x1) + ", " + formatNumber(e.y1) + ", " +
           formatNumber(e.x2) + ", " + formatNumber(e.y2) + ")";
}

namespace {

std::string sizeText(uint64_t bytes) {
    constexpr uint64_t kKB = 1024;
    constexpr uint64_t kMB = kKB * kKB;
    if (bytes < kKB) {
        return formatNumber(static_cast<int64_t>(bytes)) + " B";
    }
    if (bytes < kMB) {
        return formatNumber(static_cast<int64_t>(bytes / kKB)) + " KB";
    }
    const uint64_t tenths = bytes * 10 / kMB;
    return formatNumber(static_cast<int64_t>(tenths / 10)) + "." +
           formatNumber(static_cast<int64_t>(tenths % 10)) + " MB";
}

}  // namespace

std::string loadingStatus(uint64_t received, std::optional<uint64_t> total) {
    std::string text = std::string(editor_messages::kLoading) + " " + sizeText(received);
    if (total) {
        text += " / " + sizeText(*total);
    }
    return text;
}

std::string loadedStatus(int width, int height) {
    return "图片载入完成....宽度为：" + formatNumber(width) + "；高度为：" + formatNumber(height) +
           " PX";
}

}  // namespace velquist
