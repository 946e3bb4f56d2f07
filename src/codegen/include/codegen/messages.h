// Texts the code-output window shows: its status line, its mode captions and its reports.
#pragma once

namespace velquist::codegen_messages {

// The title label doubles as the status line; this is its resting caption.
inline constexpr const char* kStatusIdle = "代码输出";

inline constexpr const char* kCopied = "复制完成";
inline constexpr const char* kSaved = "保存代码完成";
inline constexpr const char* kSaveFailed = "保存代码失败：";  // followed by the cause
inline constexpr const char* kSaveCancelled = "已取消保存，没有选择保存路径";
inline constexpr const char* kOpened = "打开代码完成";
inline constexpr const char* kOpenFailed = "打开代码失败：";  // followed by the cause
inline constexpr const char* kOpenCancelled = "已取消打开，没有选择保存路径";
inline constexpr const char* kRegenerated = "已重新生成代码";
inline constexpr const char* kPreviewFailed = "预览失败：";  // followed by the cause

// The click-outline button's caption is its mode.
inline constexpr const char* kRemoveOutlineCaption = "消除点击框";
inline constexpr const char* kRestoreOutlineCaption = "恢复点击框";
inline constexpr const char* kOutlineRemoved = "已消除热点点击框";
inline constexpr const char* kOutlineRemoveFailed = "消除热点点击框失败";
inline constexpr const char* kOutlineRestored = "已恢复热点点击框";
inline constexpr const char* kOutlineRestoreFailed = "恢复热点点击框失败";

inline constexpr const char* kTabsConverted = "代码转换完成并已复制";

}  // namespace velquist::codegen_messages
