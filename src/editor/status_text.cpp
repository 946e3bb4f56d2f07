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

std::string hotspotStatus(const Rect& h, Point origin, std::string_view link) {
    const int64_t x1 = int64_t{h.left} - origin.x;
    const int64_t y1 = int64_t{h.top} - origin.y;
    return "当前热区坐标：左= " + formatNumber(x1) + " px；顶= " + formatNumber(y1) +
           " px；右= " + formatNumber(x1 + h.width) + " px；底= " + formatNumber(y1 + h.height) +
           " px；链接地址：" + std::string(link);
}

std::string loadedStatus(int width, int height) {
    return "图片载入完成....宽度为：" + formatNumber(width) + "；高度为：" + formatNumber(height) +
           " PX";
}

}  // namespace velquist
