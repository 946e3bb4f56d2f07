// The settings window's description: title strip, colour pickers, size boxes, slider, "确定".
#pragma once

#include "app/window_description.h"

namespace velquist {

const WindowDescription& settingsWindowDescription();

namespace settings_controls {
inline constexpr std::string_view kTitle = "标签1";
inline constexpr std::string_view kClose = "超级按钮1";
inline constexpr std::string_view kPanel = "外形框1";
inline constexpr std::string_view kWorkAreaColor = "颜色选择器1";
inline constexpr std::string_view kFillColor = "颜色选择器2";
inline constexpr std::string_view kBorderColor = "颜色选择器4";
inline constexpr std::string_view kWidth = "编辑框1";
inline constexpr std::string_view kHeight = "编辑框2";
inline constexpr std::string_view kTransparency = "滑块条1";
inline constexpr std::string_view kConfirm = "超级按钮2";
inline constexpr std::string_view kMessage = "标签_提示";

// The transparency slider: percent, 1 (nearly opaque) to 100 (invisible).
inline constexpr int kTransparencyMin = 1;
inline constexpr int kTransparencyMax = 100;
inline constexpr int kTransparencyPageStep = 5;
inline constexpr int kTransparencyLineStep = 1;
}  // namespace settings_controls

}  // namespace velquist
