// Texts of slicing and export.
#pragma once

namespace velquist::slicing_messages {

inline constexpr const char* kSliceNotWritten = "切片 {文件} 没有写出：{原因}";
inline constexpr const char* kSliceOverBudget = "{文件} 用最低质量仍有 {大小}，超过每片 {预算}";
inline constexpr const char* kExportCancelled = "切片导出已取消";

}  // namespace velquist::slicing_messages
