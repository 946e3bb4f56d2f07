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
// lead, then the parts that apply, most harmful first, joined by the separator. "{个数}" is a
// count of hotspots.
inline constexpr const char* kNoticeLead = "代码已生成；注意：";
inline constexpr const char* kNoticeSeparator = "；";
inline constexpr const char* kNoticeNoPicture = "没有背景图片";
inline constexpr const char* kNoticeLocalPicture = "图片地址是本机文件";
inline constexpr const char* kNoticeNoScheme =
    "{个数} 个热区链接缺少 https:// 开头，网页上会打不开";
inline constexpr const char* kNoticeLinkBlanks = "{个数} 个热区链接中间有空格或换行";
inline constexpr const char* kNoticeUnlinked = "{个数} 个热区链接为空或 #";
// Overlaps: up to three pairs "热区 2 与热区 3" joined by "、", and the count of all when there
// are more; the page gives a click where areas overlap to the one earlier in the code.
inline constexpr const char* kNoticeOverlapPair = "热区 {前} 与热区 {后}";
inline constexpr const char* kNoticeOverlapJoin = "、";
inline constexpr const char* kNoticeOverlapOne = "{热区} 重叠，网页上重叠处点到的是热区 {前}";
inline constexpr const char* kNoticeOverlapFew = "{热区} 重叠，网页上重叠处点到的是编号小的热区";
inline constexpr const char* kNoticeOverlapMany =
    "{热区} 等 {个数} 处重叠，网页上重叠处点到的是编号小的热区";
inline constexpr const char* kNoticeOutside = "{个数} 个热区超出图片范围";
inline constexpr const char* kNoticeNotHttps = "图片地址不是 https";
inline constexpr const char* kNoticeTips = "{个数} 个热区提示文字为空或仍是“{提示}”";

// The hotspot list's column "提醒": a few words per hotspot, joined by "、". On the page the
// earlier of two overlapping areas takes the click, so the later one is covered there.
inline constexpr const char* kNoteJoin = "、";
inline constexpr const char* kNoteUnlinked = "链接为空";
inline constexpr const char* kNoteNoScheme = "缺少 https://";
inline constexpr const char* kNoteLinkBlanks = "链接有空格";
inline constexpr const char* kNoteOverlap = "与后面的热区重叠";
inline constexpr const char* kNoteCovered = "被前面的热区挡住";
inline constexpr const char* kNoteOutside = "超出图片";

}  // namespace velquist::codegen_messages
