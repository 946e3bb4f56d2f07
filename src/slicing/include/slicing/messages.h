// Texts of slicing and export.
#pragma once

namespace velquist::slicing_messages {

inline constexpr const char* kSliceNotWritten = "切片 {文件} 没有写出：{原因}";
inline constexpr const char* kSliceOverBudget = "{文件} 用最低质量仍有 {大小}，超过每片 {预算}";
inline constexpr const char* kExportCancelled = "切片导出已取消";

// "切片导出…": its cut lines, its progress and what came of it.
inline constexpr const char* kSliceWithoutPicture = "请先设置背景图片再切片导出";
inline constexpr const char* kCutLinesShown =
    "已建议 {数量} 条切线：拖动切线可移动，拖出图片可删除，双击图片可添加";
inline constexpr const char* kCutLinesNow = "{数量} 条切线，切出 {片数} 个切片";
inline constexpr const char* kSliceExporting = "正在导出切片 {已完成}/{总数}…";
inline constexpr const char* kSliceExported = "已导出 {数量} 个切片到 {文件夹}";
inline constexpr const char* kSliceExportFailed = "切片导出失败：";  // followed by the cause
inline constexpr const char* kSliceCodeWritten = "，代码已写入 {文件}";
inline constexpr const char* kSliceCodeNotWritten = "，但代码没有写出：{原因}";
inline constexpr const char* kSlicePictureChanged = "，但图片已更换，热区未改为切片";
inline constexpr const char* kSliceNoFolder = "请选择保存切片的文件夹";
inline constexpr const char* kSliceNoName = "请填写切片的文件名";
// The slices' base name when the picture's address gives none.
inline constexpr const char* kDefaultSliceName = "slice";
inline constexpr const char* kStepSlice = "切片导出";

// "替换图片地址…": the pasted list, one address a line in slice order.
inline constexpr const char* kAddressCountMismatch = "地址数量（{地址}）与图片数量（{图片}）不符";
inline constexpr const char* kAddressesWithoutPicture = "请先设置背景图片再替换图片地址";
inline constexpr const char* kAddressesReplaced = "已替换 {数量} 个图片地址";
inline constexpr const char* kAddressesPrompt = "按切片顺序粘贴 {数量} 个图片地址，每行一个：";
inline constexpr const char* kStepReplaceAddresses = "替换图片地址";

}  // namespace velquist::slicing_messages
