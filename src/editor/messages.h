// Texts the editor shows in the status line.
#pragma once

namespace velquist::messages {

inline constexpr const char* kWelcome = "欢迎使用Velquist，请添加背景图片";
inline constexpr const char* kDeleteWithoutHotspot = "删除失败，没有选中要操作的热点区";
inline constexpr const char* kHotspotDeleted = "选中的热点区已删除";

}  // namespace velquist::messages
