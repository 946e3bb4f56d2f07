// The status line texts of the editor, built from numbers (pure).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/geometry.h"

namespace velquist {

// "点击左上角 背景设置 添加背景图片"
std::string noBackgroundStatus();

// "背景图尺寸：W×H PX； 距左：L PX； 距顶：T PX；共绘制了：N 个热点区"
std::string backgroundStatus(const Rect& background, int hotspotCount);

// "当前热区坐标：左= x1 px；顶= y1 px；右= x2 px；底= y2 px；链接地址：link", coordinates
// relative to the background's top-left corner.
std::string hotspotStatus(const Rect& hotspot, Point backgroundTopLeft, std::string_view link);

// "已选中 N 个热区：左= x1 px；顶= y1 px；右= x2 px；底= y2 px": several selected hotspots and
// the box around them, coordinates as above.
std::string selectionStatus(int count, const Rect& bounds, Point backgroundTopLeft);

// "正在载入图片，请稍候... 1.2 MB / 3.4 MB", or only the bytes so far when the length is not
// known. Each size in B below 1 KB, in whole KB below 1 MB, else in MB to a tenth (1024-based),
// always rounded down.
std::string loadingStatus(uint64_t received, std::optional<uint64_t> total);

// "热区内容 (x1, y1, x2, y2)": the hotspot-content window's title, coordinates as above.
std::string contentTitle(const Rect& hotspot, Point backgroundTopLeft);

// "图片载入完成....宽度为：W；高度为：H PX"
std::string loadedStatus(int width, int height);

}  // namespace velquist
