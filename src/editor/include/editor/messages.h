// Texts the editor shows to the user: status line messages and why a picture cannot be opened.
#pragma once

namespace velquist::editor_messages {

inline constexpr const char* kWelcome = "欢迎使用Velquist，请添加背景图片";
inline constexpr const char* kDeleteWithoutHotspot = "删除失败，没有选中要操作的热点区";
inline constexpr const char* kHotspotDeleted = "选中的热点区已删除";
inline constexpr const char* kNoBackgroundPrompt = "点击左上角 背景设置 添加背景图片";
inline constexpr const char* kContentApplied = "选中热区内容修改完成";
inline constexpr const char* kContentTargetGone = "修改失败，这个热区已被删除";
inline constexpr const char* kContentCancelled = "已取消选中热区的内容修改";
inline constexpr const char* kDefaultTip = "Miva，我想你了";
inline constexpr const char* kNoBackgroundLoaded = "没有加载背景图片";
inline constexpr const char* kAlignedTop = "背景图已顶对齐";
inline constexpr const char* kAlignedBottom = "背景图已底对齐";
inline constexpr const char* kAlignedLeft = "背景图已居左对齐";
inline constexpr const char* kAlignedRight = "背景图已居右对齐";
inline constexpr const char* kAlignedCentre = "背景图已居中对齐";
inline constexpr const char* kLoading = "正在载入图片，请稍候...";
inline constexpr const char* kLoadFailed = "图片载入失败：";
inline constexpr const char* kHttpStatus = "服务器返回 HTTP ";

}  // namespace velquist::editor_messages
