// Names in the hand-over file "gx.ini" that the tool writes and the updater reads.
#pragma once

#include <string_view>

namespace velquist::handover {

inline constexpr std::string_view kSection = "配置";
inline constexpr std::string_view kVersionKey = "版本";
inline constexpr std::string_view kProductKey = "文件名";
inline constexpr std::string_view kIdKey = "id";
inline constexpr std::string_view kDownloadKey = "download";

// The updater goes on only when "id" holds this.
inline constexpr std::string_view kIdValue = "1";

}  // namespace velquist::handover
