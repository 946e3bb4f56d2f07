// The settings window's values in pz.ini, each read back only when it is one the window offers.
#include "settings/remembered_style.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <string_view>

#include "core/ini_file.h"
#include "core/program_dir.h"
#include "pictures/picture.h"
#include "settings/messages.h"

namespace velquist {
namespace {

constexpr std::string_view kSection = "设置";
constexpr std::string_view kWidthKey = "热点区宽度";
constexpr std::string_view kHeightKey = "热点区高度";
constexpr std::string_view kTransparencyKey = "热区透明度";
constexpr std::string_view kFillKey = "热点区背景色";
constexpr std::string_view kBorderKey = "热点区边框色";
constexpr std::string_view kWorkAreaKey = "工作区背景色";
constexpr int32_t kLowestTransparency = 1;  // the slider's range
constexpr int32_t kHighestTransparency = 100;

std::string iniPath(const std::string& programDir) {
    return joinPath(programDir, kBackgroundIni);
}

// A whole decimal number in [lowest, highest], or none.
std::optional<int32_t> readNumber(const std::string& path, std::string_view key, int32_t lowest,
                                  int32_t highest) {
    const std::string text = readIniValue(path, kSection, key);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

// "#RRGGBB", or none.
std::optional<ColorRef> readColor(const std::string& path, std::string_view key) {
    const std::string text = readIniValue(path, kSection, key);
    const auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    if (text.size() != 7 || text[0] != '#' || !std::all_of(text.begin() + 1, text.end(), isHex)) {
        return std::nullopt;
    }
    uint32_t hex = 0;
    std::from_chars(text.data() + 1, text.data() + text.size(), hex, 16);
    return rgb(static_cast<uint8_t>(hex >> 16), static_cast<uint8_t>(hex >> 8),
               static_cast<uint8_t>(hex));
}

std::string colorText(ColorRef color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(toHexRgb(color)));
    return text;
}

}  // namespace

HotspotStyle readRememberedStyle(const std::string& programDir) {
    const std::string path = iniPath(programDir);
    HotspotStyle style;
    const auto width = readNumber(path, kWidthKey, 1, kMaxPictureSide);
    const auto height = readNumber(path, kHeightKey, 1, kMaxPictureSide);
    // The two sides go together: one alone could make a hotspot too large to draw.
    if (width && height && int64_t{*width} * *height <= kMaxPicturePixels) {
        style.width = *width;
        style.height = *height;
    }
    style.transparency =
        readNumber(path, kTransparencyKey, kLowestTransparency, kHighestTransparency)
            .value_or(style.transparency);
    style.fillColor = readColor(path, kFillKey).value_or(style.fillColor);
    style.borderColor = readColor(path, kBorderKey).value_or(style.borderColor);
    return style;
}

Status rememberStyle(const std::string& programDir, const HotspotStyle& style) {
    const std::string path = iniPath(programDir);
    const std::pair<std::string_view, std::string> values[] = {
        {kWidthKey, std::to_string(style.width)},
        {kHeightKey, std::to_string(style.height)},
        {kTransparencyKey, std::to_string(style.transparency)},
        {kFillKey, colorText(style.fillColor)},
        {kBorderKey, colorText(style.borderColor)}};
    for (const auto& [key, value] : values) {
        if (Status written = writeIniValue(path, kSection, key, value); !written) {
            return written;
        }
    }
    return Status();
}

std::optional<ColorRef> readRememberedWorkAreaColor(const std::string& programDir) {
    return readColor(iniPath(programDir), kWorkAreaKey);
}

Status rememberWorkAreaColor(const std::string& programDir, ColorRef color) {
    return writeIniValue(iniPath(programDir), kSection, kWorkAreaKey, colorText(color));
}

std::string rememberedStyleNote(const Status& saved) {
    return saved ? std::string() : settings_messages::kSettingsNotSaved + saved.message();
}

}  // namespace velquist
