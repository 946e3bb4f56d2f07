// The code-output window's description: source box, its action row and the conversion strip.
#pragma once

#include <string_view>

#include "app/window_description.h"

namespace velquist {

const WindowDescription& codeOutputWindowDescription();

// Names of the controls the code-output window's code addresses.
namespace code_controls {
inline constexpr std::string_view kTitle = "标签1";  // also the window's status line
inline constexpr std::string_view kClose = "超级按钮1";
inline constexpr std::string_view kSource = "编辑框_源码";
inline constexpr std::string_view kSave = "超级按钮_保存";
inline constexpr std::string_view kOpen = "超级按钮_打开";
inline constexpr std::string_view kRegenerate = "超级按钮3";
inline constexpr std::string_view kOutline = "超级按钮4";
inline constexpr std::string_view kFramePreview = "选择框1";
inline constexpr std::string_view kPreview = "超级按钮5";
inline constexpr std::string_view kCopy = "超级按钮2";
inline constexpr std::string_view kEdition = "组合框1";
inline constexpr std::string_view kTopSpacing = "编辑框_上间距";
inline constexpr std::string_view kOffset = "编辑框_偏移";
inline constexpr std::string_view kConvert = "超级按钮_转换";
// Not drawn: the status-message timer, a QTimer child of the window.
inline constexpr std::string_view kStatusTimer = "时钟1";
}  // namespace code_controls

// The file types of the save and open dialogs, the text files' first.
inline constexpr std::string_view kCodeFileFilter = "文本文件(*.txt)";
inline constexpr std::string_view kWebPageFilter = "网页文件 (*.html *.htm)";

}  // namespace velquist
