// The main window's description: toolbar, title buttons, canvas, resize handles, status line.
#pragma once

#include "app/window_description.h"

namespace velquist {

const WindowDescription& mainWindowDescription();

// Names of the controls the main window's code addresses.
namespace main_controls {
inline constexpr std::string_view kBackground = "超级按钮_背景";
inline constexpr std::string_view kAlignLeft = "超级按钮_左对齐";
inline constexpr std::string_view kAlignTop = "超级按钮_顶对齐";
inline constexpr std::string_view kAlignCentre = "超级按钮_居中";
inline constexpr std::string_view kAlignRight = "超级按钮_右对齐";
inline constexpr std::string_view kAlignBottom = "超级按钮_底对齐";
inline constexpr std::string_view kAddHotspot = "超级按钮_添加热点";
inline constexpr std::string_view kGenerateCode = "超级按钮_生成代码";
inline constexpr std::string_view kDropDown = "超级按钮_设置";
inline constexpr std::string_view kMinimize = "超级按钮_最小";
inline constexpr std::string_view kMaximize = "超级按钮_最大";
inline constexpr std::string_view kClose = "超级按钮_关闭";
inline constexpr std::string_view kPages = "选择夹1";
inline constexpr std::string_view kCanvas = "动画框1";
inline constexpr std::string_view kHandleTop = "标签上中";
inline constexpr std::string_view kHandleRight = "标签右中";
inline constexpr std::string_view kHandleBottom = "标签下中";
inline constexpr std::string_view kHandleLeft = "标签左中";
inline constexpr std::string_view kStatus = "标签_提示";
}  // namespace main_controls

}  // namespace velquist
