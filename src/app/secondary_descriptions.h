// Descriptions of the picture-address and hotspot-content windows.
#pragma once

#include "app/window_description.h"

namespace velquist {

const WindowDescription& pictureAddressWindowDescription();
const WindowDescription& contentWindowDescription();

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

}  // namespace velquist
