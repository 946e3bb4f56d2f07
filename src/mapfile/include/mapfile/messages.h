// Texts about map files and imported code: status lines, and the causes that follow their colon.
#pragma once

namespace velquist::mapfile_messages {

// Status lines; the cause follows the colon.
inline constexpr const char* kSaveFailed = "保存热区文件失败：";
inline constexpr const char* kOpenFailed = "打开热区文件失败：";
inline constexpr const char* kImportFailed = "导入热区失败：";
// "{文件名}" is the name the damaged autosave now has.
inline constexpr const char* kAutosaveSetAside = "上次自动保存的热区无法读取，已改名为 {文件名}：";

// What became of the map: restored at start, opened, saved.
inline constexpr const char* kRestored = "已恢复上次的 {个数} 个热区（Ctrl+Z 撤销恢复）";
inline constexpr const char* kOpened = "已打开热区文件，共 {个数} 个热区";
inline constexpr const char* kSaved = "热区文件已保存：";  // followed by the file's path
inline constexpr const char* kAutosaveFailed = "自动保存热区失败：";
inline constexpr const char* kAutosaveUnreadable = "上次自动保存的热区无法读取：";
inline constexpr const char* kImportedTail = "（Ctrl+Z 撤销导入）";

// The store of recent maps ("最近的热区"). The note follows the message of the action that
// replaced the map; "{原因}" is why the map could not be kept.
inline constexpr const char* kRecentKept =
    "；原来的 {个数} 个热区已存入“最近的热区”（Ctrl+Z 撤销）";
inline constexpr const char* kRecentKeepFailed =
    "；原来的 {个数} 个热区未能存入“最近的热区”（{原因}），Ctrl+Z 可撤销";
inline constexpr const char* kRecentFolderFailed = "无法建立文件夹 {文件夹}：";
inline constexpr const char* kRecentCaption = "{图片} · {个数} 个热区 · {时间}";
inline constexpr const char* kRecentNoPicture = "（无图片）";
inline constexpr const char* kRecentOpened = "已打开最近的热区，共 {个数} 个热区";
inline constexpr const char* kRecentOpenFailed = "打开最近的热区失败：";

// Why a map file cannot be read.
inline constexpr const char* kFileEmpty = "文件是空的";
inline constexpr const char* kFileTruncated = "文件不完整，可能没有保存完";
inline constexpr const char* kFileDamaged = "文件已损坏（不是有效的 JSON 文本）";
inline constexpr const char* kNotMapFile = "这不是 Velquist 的热区文件";
inline constexpr const char* kFileTooComplex =
    "文件中的数据太多或层次太深，不是 Velquist 的热区文件";
inline constexpr const char* kFileTooNew =
    "这是更新版本的 Velquist 保存的热区文件（格式版本 {版本}），请先更新 Velquist";
inline constexpr const char* kBadVersion = "文件的格式版本不正确";
// Put in front of a value's problem, e.g. "文件中第 3 个热区的宽度不是整数".
inline constexpr const char* kInFile = "文件中";
// Why a map cannot be saved: "{上限}" is the size limit.
inline constexpr const char* kMapTooLarge = "热区文件会超过 {上限}，请减少热区或缩短提示和链接";

// A value's problem: "{位置}的{项}" and what is wrong with it.
inline constexpr const char* kWherePicture = "图片信息";
inline constexpr const char* kWhereBackground = "背景位置";
inline constexpr const char* kWhereHotspotList = "热区列表";
inline constexpr const char* kWhereHotspot = "第 {序号} 个热区";
inline constexpr const char* kWherePictureList = "图片列表";
inline constexpr const char* kWherePagePicture = "第 {序号} 张图片";
inline constexpr const char* kWherePage = "页面";
inline constexpr const char* kOf = "的";
inline constexpr const char* kItemAddress = "地址";
inline constexpr const char* kItemWidth = "宽度";
inline constexpr const char* kItemHeight = "高度";
inline constexpr const char* kItemX = "横坐标";
inline constexpr const char* kItemY = "纵坐标";
inline constexpr const char* kItemLeft = "左边位置";
inline constexpr const char* kItemTop = "上边位置";
inline constexpr const char* kItemTip = "提示";
inline constexpr const char* kItemLink = "链接";
inline constexpr const char* kMissing = "缺失";
inline constexpr const char* kNotInteger = "不是整数";
inline constexpr const char* kNotText = "不是文字";
inline constexpr const char* kBadShape = "格式不正确";
inline constexpr const char* kOutOfRange = "超出范围（{最小} 到 {最大}）";
inline constexpr const char* kTooLong = "太长（最多 {上限} 字节）";
inline constexpr const char* kTooManyHotspots = "热区太多（最多 {上限} 个）";
inline constexpr const char* kTooManyPictures = "图片太多（最多 {上限} 张）";

// Importing image-map code.
inline constexpr const char* kCodeTooLarge = "代码太长（最多 {上限}）";
inline constexpr const char* kCodeTooDeep = "代码中的标签嵌套太深，无法完整读取";
inline constexpr const char* kNoMap = "代码中没有热区（<map> 和其中的 <area>）";
inline constexpr const char* kMapMissing = "代码中找不到图片使用的热区 <map name=\"{名称}\">";
inline constexpr const char* kMapWithoutAreas = "热区 <map name=\"{名称}\"> 中没有 <area>";
inline constexpr const char* kNoRectangles = "没有可导入的矩形热区";
inline constexpr const char* kImported = "已导入 {个数} 个热区";
inline constexpr const char* kImportedStacked = "已导入 {张数} 张图片上的 {个数} 个热区";
// What was skipped: "，跳过 2 个非矩形热区和 1 个坐标不正确的热区".
inline constexpr const char* kSkipped = "，跳过 ";
inline constexpr const char* kSkippedNonRect = "{个数} 个非矩形热区";
inline constexpr const char* kSkippedBadCoords = "{个数} 个坐标不正确的热区";
inline constexpr const char* kAnd = "和 ";
// Only the first image's map (or the first map) is taken: "；另有 2 组热区未导入".
inline constexpr const char* kOtherMapsLeft = "；另有 {个数} 组热区未导入";

}  // namespace velquist::mapfile_messages
