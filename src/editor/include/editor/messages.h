// Texts the editor shows to the user: status line messages and why a picture cannot be opened.
#pragma once

#include "core/messages.h"

namespace velquist::editor_messages {

inline constexpr const char* kWelcome = "欢迎使用Velquist，请添加背景图片";
inline constexpr const char* kDeleteWithoutHotspot = "删除失败，没有选中要操作的热点区";
inline constexpr const char* kHotspotDeleted = "选中的热点区已删除";
inline constexpr const char* kNoBackgroundPrompt = "点击左上角 背景设置 添加背景图片";
inline constexpr const char* kContentApplied = "选中热区内容修改完成";
inline constexpr const char* kContentTargetGone = "修改失败，这个热区已被删除";
inline constexpr const char* kContentWithoutHotspot = "修改失败，没有选中要操作的热点区";
inline constexpr const char* kAddWithoutPicture =
    "添加失败：热点区的宽和高须在 1 到 {边长} 之间，宽×高不超过 {像素}";
inline constexpr const char* kContentCancelled = "已取消选中热区的内容修改";
// The code notice names this tip too, so it lives in core.
inline constexpr const char* kDefaultTip = core_messages::kDefaultTip;
inline constexpr const char* kNoBackgroundLoaded = "没有加载背景图片";
inline constexpr const char* kAlignedTop = "背景图已顶对齐";
inline constexpr const char* kAlignedBottom = "背景图已底对齐";
inline constexpr const char* kAlignedLeft = "背景图已居左对齐";
inline constexpr const char* kAlignedRight = "背景图已居右对齐";
inline constexpr const char* kAlignedCentre = "背景图已居中对齐";
inline constexpr const char* kLoading = "正在载入图片，请稍候...";
inline constexpr const char* kLoadFailed = "图片载入失败：";
inline constexpr const char* kHttpStatus = "服务器返回 HTTP ";
// A drop on the canvas that cannot be used; the cause follows the colon.
inline constexpr const char* kDropFailed = "拖入失败：";
inline constexpr const char* kDropNothingUsable = "拖入的内容不是文件，也不是网址";
inline constexpr const char* kDropTooMany = "一次只能拖入一个文件或网址";
// A page of several pictures: which line or picture failed; the cause follows.
inline constexpr const char* kAddressLine = "第 {序号} 行：";
inline constexpr const char* kPagePictureFailed = "第 {序号} 张图片（{地址}）：";
inline constexpr const char* kTooManyPagePictures = "一页最多 {上限} 张图片，这里有 {数量} 行地址";
inline constexpr const char* kStepAddPicture = "添加图片";
inline constexpr const char* kPictureAdded = "已在页面底部添加第 {序号} 张图片（{宽}×{高}）";
inline constexpr const char* kLoadCancelled = "已取消载入图片";
// Follows the loaded status when the map changed while the picture came.
inline constexpr const char* kKeptEditsDuringLoad =
    "；载入期间修改了热区，已保留热区，只更换背景图";

// Undo and redo: the status line names the step ("已撤销：移动热区").
inline constexpr const char* kUndone = "已撤销：";
inline constexpr const char* kRedone = "已重做：";
inline constexpr const char* kNothingToUndo = "没有可撤销的操作";
inline constexpr const char* kNothingToRedo = "没有可重做的操作";
inline constexpr const char* kStepAdd = "添加热区";
inline constexpr const char* kStepDelete = "删除热区";
inline constexpr const char* kStepMove = "移动热区";
inline constexpr const char* kStepResize = "调整热区大小";
inline constexpr const char* kStepContent = "修改热区内容";
inline constexpr const char* kStepLoad = "载入背景图";
inline constexpr const char* kStepAlign = "对齐背景图";
inline constexpr const char* kStepDragBackground = "移动背景图";
inline constexpr const char* kStepRestore = "恢复上次的热区";
inline constexpr const char* kStepOpenMap = "打开热区文件";
inline constexpr const char* kStepImport = "导入热区";
inline constexpr const char* kStepNudge = "微移热区";
inline constexpr const char* kStepDuplicate = "复制热区";
inline constexpr const char* kStepScroll = "滚动背景图";
inline constexpr const char* kStepSwapPicture = "更换背景图";
inline constexpr const char* kStepOpenRecent = "打开最近的热区";
inline constexpr const char* kStepAcceptProposal = "采用建议热区";
inline constexpr const char* kStepAcceptAllProposals = "采用全部建议热区";
inline constexpr const char* kStepCut = "剪切热区";
inline constexpr const char* kStepPaste = "粘贴热区";
inline constexpr const char* kStepListEdit = "在热区列表中修改";
inline constexpr const char* kStepReorder = "调整热区顺序";

// Copy, cut and paste of hotspots as image-map code. "{个数}" is a count of hotspots.
inline constexpr const char* kCopied = "已复制 {个数} 个热区（可粘贴到本程序或网页代码中）";
inline constexpr const char* kCut = "已剪切 {个数} 个热区（Ctrl+Z 撤销）";
inline constexpr const char* kNothingToCopy = "复制失败，没有选中要操作的热点区";
inline constexpr const char* kNothingToCut = "剪切失败，没有选中要操作的热点区";
inline constexpr const char* kPasted = "已粘贴 {个数} 个热区";
inline constexpr const char* kPasteFailed = "粘贴失败：";  // followed by the cause
inline constexpr const char* kPasteWithoutPicture =
    "粘贴失败：没有背景图片，请先点击左上角 背景设置 添加背景图片";
inline constexpr const char* kPasteNoAreas = "剪贴板中没有热区代码（<area>）";

// Edits in the hotspot list: "修改失败：左超出范围（-1000000 到 1000000）".
inline constexpr const char* kListEditFailed = "修改失败：{列}{问题}";
inline constexpr const char* kNotANumber = "不是整数";
inline constexpr const char* kListEdited = "热区内容修改完成";

// "建议热区" and snapping. "{数量}" is a count of proposals.
inline constexpr const char* kProposing = "正在分析图片，寻找建议热区...";
inline constexpr const char* kProposalsFound =
    "找到 {数量} 个建议热区：单击采用，回车全部采用，Esc 取消";
inline constexpr const char* kProposalsLeft =
    "已采用 1 个，还有 {数量} 个建议热区：单击采用，回车全部采用，Esc 取消";
inline constexpr const char* kProposalsAccepted = "已采用 {数量} 个建议热区";
inline constexpr const char* kNothingToPropose =
    "没有找到建议热区：图片上没有另外可链接的卡片、优惠券、按钮或菜单项";
inline constexpr const char* kProposeWithoutPicture =
    "没有背景图片，无法建议热区：请先点击左上角 背景设置 添加背景图片";
inline constexpr const char* kProposalsDismissed = "已取消建议热区";
inline constexpr const char* kSnapOff = "吸附已关闭（S 键打开）";
inline constexpr const char* kSnapOn = "吸附已打开（S 键关闭，按住 Alt 暂时关闭）";

// Arranging the selected hotspots (the hotspot menu's "对齐"): each item's name is also its
// undo step's; "{数量}" is how many hotspots were arranged.
inline constexpr const char* kArrangeLeft = "左对齐";
inline constexpr const char* kArrangeRight = "右对齐";
inline constexpr const char* kArrangeTop = "顶端对齐";
inline constexpr const char* kArrangeBottom = "底端对齐";
inline constexpr const char* kArrangeCentreH = "水平居中";
inline constexpr const char* kArrangeCentreV = "垂直居中";
inline constexpr const char* kArrangeDistributeH = "水平等距分布";
inline constexpr const char* kArrangeDistributeV = "垂直等距分布";
inline constexpr const char* kArrangeSameWidth = "等宽";
inline constexpr const char* kArrangeSameHeight = "等高";
inline constexpr const char* kArrangeSameSize = "大小相同";
inline constexpr const char* kArranged = "已{操作} {数量} 个热区";
inline constexpr const char* kSized = "已将 {数量} 个热区设为{操作}";
inline constexpr const char* kArrangeNeedsTwo = "请先选中至少 2 个热区再对齐";

// "重复为网格…": the window's values, what a refused one may be, and what was added.
inline constexpr const char* kStepGrid = "重复为网格";
inline constexpr const char* kGridRows = "行数";
inline constexpr const char* kGridColumns = "列数";
inline constexpr const char* kGridHorizontalGap = "水平间距";
inline constexpr const char* kGridVerticalGap = "垂直间距";
inline constexpr const char* kGridAdded = "已重复为网格：{行数} 行 {列数} 列，添加了 {数量} 个热区";
inline constexpr const char* kGridSingleCell = "网格只有 1 格，没有添加热区";
inline constexpr const char* kGridTargetGone = "重复失败，这个热区已被删除";
inline constexpr const char* kGridRefused = "重复失败：";  // followed by the value and its range

// Why a picture file on this computer cannot be read. "{上限}" is the size limit in force.
inline constexpr const char* kFileMissing = "找不到这个文件";
inline constexpr const char* kFileIsFolder = "这是一个文件夹，不是图片文件";
inline constexpr const char* kFileNotRegular = "这不是普通文件，无法作为图片读取";
inline constexpr const char* kFileUnreadable = "无法读取这个文件：";  // followed by the cause
inline constexpr const char* kFileOverLimit = "文件大小超过上限（{上限}）";

}  // namespace velquist::editor_messages
