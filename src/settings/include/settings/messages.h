// Texts of the settings, update and link subsystem.
#pragma once

namespace velquist::settings_messages {

// Status line after the settings window's "确定".
inline constexpr const char* kSettingsApplied = "设置参数完成...";
// In the settings window when the hotspot size could not be drawn.
inline constexpr const char* kSizeOutOfRange =
    "热点区尺寸须在 1 到 {边长} 之间，宽×高不超过 {像素}";
// Added to the status line when the settings could not be kept in pz.ini; the cause follows.
inline constexpr const char* kSettingsNotSaved = "；设置未能保存：";
// Added to the load's own message when pz.ini could not be written; the cause follows.
inline constexpr const char* kAddressNotSaved = "；备份地址未能保存：";

// Status line after the update hand-over.
inline constexpr const char* kUpdaterWriteFailed = "启动更新器失败，请联系管理员整一下";
inline constexpr const char* kUpdaterStarted = "启动在线更新器成功";
inline constexpr const char* kUpdaterStartFailed =
    "启动在线更新器失败，可能是您删除程序或修改了程序名称";
// When the updater ends without printing its outcome (otherwise its last line is shown).
inline constexpr const char* kUpdaterSaidNothing = "在线更新器已结束，但没有说明更新的结果";

// Causes of a failed extraction of the updater archive.
inline constexpr const char* kArchiveUnreadable = "更新器压缩包无法读取";
inline constexpr const char* kArchiveEntryMissing = "更新器压缩包里没有 {名称}";
inline constexpr const char* kArchiveEntryTooLarge = "更新器压缩包里的 {名称} 太大";
inline constexpr const char* kArchiveEntryDamaged = "更新器压缩包里的 {名称} 已损坏";

}  // namespace velquist::settings_messages
