// Texts the core shows to the user (the causes inside failure messages).
#pragma once

namespace velquist::core_messages {

inline constexpr const char* kNoConverter = "系统缺少 GB18030 编码转换";
inline constexpr const char* kInvalidUtf8 = "文本不是有效的 UTF-8";
inline constexpr const char* kInvalidGb18030 = "文本不是有效的 GB18030";
// Where Windows lacks GB18030 the text goes through GBK, which has fewer characters.
inline constexpr const char* kOutsideGbk = "文本含有 GBK 编码无法表示的字符（系统缺少 GB18030）";
inline constexpr const char* kIniLineBreak = "设置值不能包含换行";
// The tip the content window offers for a hotspot without one.
inline constexpr const char* kDefaultTip = "Miva，我想你了";

// File-system causes, chosen by errno.
inline constexpr const char* kNoPermission = "没有权限";
inline constexpr const char* kReadOnlyFileSystem = "磁盘是只读的";
inline constexpr const char* kDiskFull = "磁盘空间不足";
inline constexpr const char* kNotFound = "文件或文件夹不存在";
inline constexpr const char* kIsDirectory = "这是一个文件夹，不是文件";
inline constexpr const char* kNameTooLong = "文件名太长";
inline constexpr const char* kFileTooLarge = "文件太大";
inline constexpr const char* kNotRegularFile = "这不是普通文件";
inline constexpr const char* kReadCancelled = "读取已取消";

// Why a picture address is refused.
inline constexpr const char* kAddressEmpty = "没有输入图片地址";
inline constexpr const char* kAddressUnsupported =
    "地址须以 http:// 或 https:// 开头，或是本机图片的路径";
inline constexpr const char* kFileAddressBad = "file: 地址格式不正确";

}  // namespace velquist::core_messages
