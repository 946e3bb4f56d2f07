// Texts of the suggestion command line (`velquist --suggest`).
#pragma once

namespace velquist::suggest_messages {

inline constexpr const char* kUsage = "用法：velquist --suggest 图片文件或网址 输出.vqmap";
inline constexpr const char* kPictureFailed = "图片无法读取：";
inline constexpr const char* kWriteFailed = "热区文件无法写入：";

}  // namespace velquist::suggest_messages
