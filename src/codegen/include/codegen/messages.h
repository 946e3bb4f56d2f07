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

// After "生成代码" the main window's status line lists what may be wrong with the code: the
// lead, then the parts that apply joined by the separator. "{个数}" is a count of hotspots.
inline constexpr const char* kNoticeLead = "代码已生成；注意：";
inline constexpr const char* kNoticeSeparator = "，";
inline constexpr const char* kNoticeUnlinked = "{个数} 个热区链接为空或 #";
inline constexpr const char* kNoticeOutside = "{个数} 个热区超出图片范围";
inline constexpr const char* kNoticeCovered = "{个数} 个热区被后面的热区完全盖住";
inline constexpr const char* kNoticeNoPicture = "没有背景图片";
inline constexpr const char* kNoticeLocalPicture = "图片地址是本机文件";
inline constexpr const char* kNoticeNotHttps = "图片地址不是 https";

}  // namespace velquist::codegen_messages
