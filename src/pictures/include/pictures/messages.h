// Texts that say why a picture cannot be opened or written.
#pragma once

namespace velquist::pictures_messages {

inline constexpr const char* kPictureEmpty = "没有图片数据";
inline constexpr const char* kPictureUnrecognised = "不是可识别的图片";
inline constexpr const char* kPictureTooLarge =
    "图片太大：宽和高最多 {边长} 像素，总共最多 {像素} 像素";
inline constexpr const char* kPageTooLarge =
    "拼成的页面太大：宽和高最多 {边长} 像素，总共最多 {像素} 像素";
inline constexpr const char* kPictureNoArea = "图片的宽度或高度是 0";
inline constexpr const char* kPictureDamaged = "图片数据已损坏";
inline constexpr const char* kPictureTruncated = "图片数据不完整";
inline constexpr const char* kPictureOutOfMemory = "内存不足，无法打开图片";
inline constexpr const char* kBmpUnsupported =
    "不支持这种 BMP 位图（支持未压缩的 1、4、8、16、24 和 32 位位图）";
inline constexpr const char* kJpegTooManyScans = "JPEG 图片的扫描次数太多";
inline constexpr const char* kJpegUnsupportedColors = "不支持这种 JPEG 颜色格式";
inline constexpr const char* kGifNoColors = "GIF 图片没有颜色表";
inline constexpr const char* kPictureNotEncoded = "无法写出图片数据";
inline constexpr const char* kAreaOutsidePicture = "要写出的区域不在图片内";

}  // namespace velquist::pictures_messages
