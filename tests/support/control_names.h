// The object names of the windows' controls, as a user's scripts and these tests find them, and
// a look-up that fails loudly when one is missing.
#pragma once

#include <QObject>
#include <QWidget>
#include <string>
#include <string_view>

#include "app/qt_text.h"

namespace velquist {

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

}  // namespace settings_controls

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

namespace address_controls {
inline constexpr std::string_view kTitle = "标签1";
inline constexpr std::string_view kClose = "超级按钮3";
inline constexpr std::string_view kReadBackup = "超级按钮4";
inline constexpr std::string_view kAddress = "编辑框1";
inline constexpr std::string_view kPaste = "超级按钮2";
inline constexpr std::string_view kConfirm = "超级按钮1";
inline constexpr std::string_view kCancel = "超级按钮5";  // also stops a load under way
inline constexpr std::string_view kHint = "标签2";        // also says why an address is refused
inline constexpr std::string_view kKeepHotspots = "选择框_保留热区";
}  // namespace address_controls

namespace content_controls {
inline constexpr std::string_view kTitle = "标签1";
inline constexpr std::string_view kClose = "超级按钮1";
inline constexpr std::string_view kTip = "编辑框_提示文字";
inline constexpr std::string_view kLink = "编辑框_链接地址";
inline constexpr std::string_view kConfirm = "超级按钮2";
}  // namespace content_controls

namespace test {

// The control of `window` named `name`; fails the test when there is none.
template <typename T = QWidget>
T* control(const QWidget* window, std::string_view name) {
    T* found = window->findChild<T*>(toQString(name));
    if (found == nullptr) {
        qFatal("no control %s", std::string(name).c_str());
    }
    return found;
}

}  // namespace test
}  // namespace velquist
