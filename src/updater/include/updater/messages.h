// Texts the updater prints. Words in braces are filled in.
#pragma once

namespace velquist::updater_messages {

inline constexpr const char* kStopped = "没有有效的更新信息（gx.ini 里的 id 不是 1），不检查更新";
inline constexpr const char* kNoVersionAddress =
    "更新信息里没有版本文件的地址（gx.ini 的 download）";
inline constexpr const char* kVersionFetchFailed = "无法取得版本信息：{原因}";
inline constexpr const char* kBadVersionFile = "版本信息无法使用：{原因}";
inline constexpr const char* kKeyMissing = "版本文件里没有“{键}”";
inline constexpr const char* kKeyEmpty = "版本文件里“{键}”后面是空的";
inline constexpr const char* kServerAnswered = "服务器回答 {状态}";
inline constexpr const char* kUpToDate = "{名称} 已是最新版本（{版本}）";
inline constexpr const char* kDownloadFailed = "无法下载新版本 {版本}：{原因}";
inline constexpr const char* kEmptyDownload = "服务器发来的程序是空的";
inline constexpr const char* kSaveFailed = "无法保存新程序 {路径}：{原因}";
inline constexpr const char* kDownloaded =
    "发现新版本 {版本}，已下载到 {路径}，关闭 {名称} 后运行它即可";
// A download kept but not made runnable, and the reasons for it.
inline constexpr const char* kDownloadedNotRunnable =
    "发现新版本 {版本}，已下载到 {路径}，但{原因}，所以没有把它设为可运行的程序";
inline constexpr const char* kNoChecksum = "版本文件没有给出 sha256 校验值，无法确认下载的文件完好";
inline constexpr const char* kChecksumMismatch =
    "下载的文件与版本文件给出的 sha256 校验值不符，文件可能已损坏或被改动";
inline constexpr const char* kChecksumUnusable = "版本文件里的 sha256 校验值不是 64 位十六进制数";
inline constexpr const char* kFailed = "更新失败：{原因}";

}  // namespace velquist::updater_messages
