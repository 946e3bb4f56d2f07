// Texts the platform services show to the user (the causes inside failure messages).
#pragma once

namespace velquist::platform_messages {

// Fetching a web address. "{上限}", "{秒}" and "{时限}" are filled in with the limit in force.
inline constexpr const char* kBadAddress = "网址格式不正确";
inline constexpr const char* kUnsupportedScheme = "只支持 http 和 https 地址";
inline constexpr const char* kCannotResolve = "找不到服务器（无法解析主机名）";
inline constexpr const char* kConnectionRefused = "服务器拒绝连接";
inline constexpr const char* kCannotConnect = "无法连接到服务器";
inline constexpr const char* kConnectTimedOut = "连接超时（{秒} 秒内没有连上服务器）";
inline constexpr const char* kStalled = "下载超时（{秒} 秒没有收到数据）";
inline constexpr const char* kTookTooLong = "下载超时（{时限}内没有下载完）";
inline constexpr const char* kMinutes = "{数} 分钟";
inline constexpr const char* kSeconds = "{数} 秒";
inline constexpr const char* kConnectionReset = "连接被服务器重置";
inline constexpr const char* kConnectionCut = "连接中断，数据不完整";
inline constexpr const char* kNothingReceived = "服务器没有返回任何数据";
inline constexpr const char* kNotHttp = "服务器的回答不是 HTTP 格式（没有有效的状态行）";
inline constexpr const char* kTooLarge = "下载的内容超过上限（{上限}）";
inline constexpr const char* kTooManyRedirects = "网址跳转次数太多";
inline constexpr const char* kSecureConnection = "安全连接失败（证书无法验证或加密协商失败）";
inline constexpr const char* kCancelled = "下载已取消";
inline constexpr const char* kNetworkError = "网络错误";
inline constexpr const char* kNoNetworkLibrary = "网络库无法初始化";

// Starting a program. "{程序}" is the program's path; the cause follows after a colon.
inline constexpr const char* kCannotStart = "无法启动程序 {程序}";
inline constexpr const char* kNotAProgram = "这不是可以运行的程序";
inline constexpr const char* kFolderNotProgram = "这是一个文件夹，不是程序";

}  // namespace velquist::platform_messages
