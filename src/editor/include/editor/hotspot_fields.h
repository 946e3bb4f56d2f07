// The hotspot list's columns and what an edited cell may hold (pure).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/geometry.h"

namespace velquist {

// The list's columns in their order: 序号, 左, 顶, 宽, 高, 提示, 链接, 提醒.
enum class HotspotColumn { Number, Left, Top, Width, Height, Tip, Link, Note };
inline constexpr int kHotspotColumnCount = 8;
inline constexpr std::array<const char*, kHotspotColumnCount> kHotspotColumnCaptions = {
    "序号", "左", "顶", "宽", "高", "提示", "链接", "提醒"};

// The number a cell shows for `rect` (canvas coordinates) on a picture at `origin`: picture
// coordinates as the status line gives them.
int64_t columnNumber(HotspotColumn column, const Rect& rect, Point origin);

// A number typed into a cell: blanks around it and full-width digits are taken, anything else
// (an empty cell too) is not a number.
struct TypedNumber {
    std::optional<int> value;
    std::string problem;  // why it is refused: "不是整数" or "超出范围（1 到 32768）"
};
// The range follows the map limits: positions within the far coordinate limit, sizes from 1 to
// the largest a hotspot's tile can have next to the other side `otherSide`.
TypedNumber typedNumber(HotspotColumn column, std::string_view text, int otherSide);

}  // namespace velquist
