// Texts the editor shows to the user: status line messages and why a picture cannot be opened.
#pragma once

namespace velquist::messages {

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

// Why a picture file on this computer cannot be read. "{上限}" is the size limit in force.
inline constexpr const char* kFileMissing = "找不到这个文件";
inline constexpr const char* kFileIsFolder = "这是一个文件夹，不是图片文件";
inline constexpr const char* kFileNotRegular = "这不是普通文件，无法作为图片读取";
inline constexpr const char* kFileUnreadable = "无法读取这个文件：";  // followed by the cause
inline constexpr const char* kFileOverLimit = "文件大小超过上限（{上限}）";
inline constexpr const char* kFileReadCancelled = "读取已取消";

// Why a picture cannot be opened.
inline constexpr const char* kPictureEmpty = "没有图片数据";
inline constexpr const char* kPictureUnrecognised = "不是可识别的图片";
inline constexpr const char* kPictureTooLarge =
    "图片太大：宽和高最多 32768 像素，总共最多 67108864 像素";
inline constexpr const char* kPictureNoArea = "图片的宽度或高度是 0";
inline constexpr const char* kPictureDamaged = "图片数据已损坏";
inline constexpr const char* kPictureTruncated = "图片数据不完整";
inline constexpr const char* kPictureOutOfMemory = "内存不足，无法打开图片";
inline constexpr const char* kBmpUnsupported =
    "不支持这种 BMP 位图（支持未压缩的 1、4、8、16、24 和 32 位位图）";
inline constexpr const char* kJpegTooManyScans = "JPEG 图片的扫描次数太多";
inline constexpr const char* kJpegUnsupportedColors = "不支持这种 JPEG 颜色格式";
inline constexpr const char* kGifNoColors = "GIF 图片没有颜色表";

}  // namespace velquist::messages
