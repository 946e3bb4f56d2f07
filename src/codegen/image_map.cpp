// Image-map code built by filling fixed templates.
#include "codegen/image_map.h"

#include <cstdint>

#include "core/random.h"
#include "core/template_fill.h"
#include "core/text.h"

namespace velquist {
namespace {

constexpr std::string_view kHeader =
    "<img src=\"背景图\" width=\"图宽\" height=\"图高\" usemap=\"#类名\" border=\"0\">\r\n"
    "<map name=\"类名\">";
constexpr std::string_view kAreaLine =
    "  <area shape=\"rect\" coords=\"左,上,右,下\" href=\"#链接\" alt=\"提示\">";
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kClosing = "\r\n</map>";

std::string header(const ImageMapInput& input, int mapNumber) {
    const std::string address = quoteSafe(input.backgroundAddress);
    const std::string width = formatNumber(input.background.width);
    const std::string height = formatNumber(input.background.height);
    const std::string mapName = "MIV" + formatNumber(mapNumber);
    return fillTemplate(
        kHeader, {{"背景图", address}, {"图宽", width}, {"图高", height}, {"类名", mapName, 2}});
}

// Coordinates are relative to the background's top-left corner; 64-bit so that far-off
// rectangles cannot overflow.
std::string areaLine(const ImageMapInput::Area& area, const Rect& background) {
    const int64_t x = int64_t{area.rect.left} - background.left;
    const int64_t y = int64_t{area.rect.top} - background.top;
    const std::string left = formatNumber(x);
    const std::string top = formatNumber(y);
    const std::string right = formatNumber(x + area.rect.width);
    const std::string bottom = formatNumber(y + area.rect.height);
    const std::string link = quoteSafe(area.link);
    const std::string tip = quoteSafe(area.tip);
    return fillTemplate(
        kAreaLine,
        {{"左", left}, {"上", top}, {"右", right}, {"下", bottom}, {"#链接", link}, {"提示", tip}});
}

bool isAsciiAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Whether a browser reads the `&` at `at` of an attribute value as the start of a character
// reference: before "#", or before letters and digits not followed by "=" (the value's end
// included). "&name=" stays literal inside an attribute, which is what keeps query strings as
// typed.
bool startsCharacterReference(std::string_view value, size_t at) {
    size_t end = at + 1;
    if (end < value.size() && value[end] == '#') {
        return true;
    }
    while (end < value.size() && isAsciiAlphanumeric(value[end])) {
        ++end;
    }
    return end > at + 1 && (end == value.size() || value[end] != '=');
}

}  // namespace

std::string quoteSafe(std::string_view value) {
    if (value.find_first_of("\"&") == std::string_view::npos) {
        return std::string(value);
    }
    std::string out;
    out.reserve(value.size() + 16);
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '"') {
            out += "&quot;";
        } else if (value[i] == '&' && startsCharacterReference(value, i)) {
            out += "&amp;";
        } else {
            out += value[i];
        }
    }
    return out;
}

std::string generateImageMap(const ImageMapInput& input) {
    return generateImageMap(input, randomInt(kMapNumberMin, kMapNumberMax));
}

std::string generateImageMap(const ImageMapInput& input, int mapNumber) {
    std::string code = header(input, mapNumber);
    for (const ImageMapInput::Area& area : input.areas) {
        code += kLineBreak;
        code += areaLine(area, input.background);
    }
    code += kClosing;
    return code;
}

PictureSizeText pictureSizeText(const ImageMapInput& input) {
    return {formatNumber(input.background.width), formatNumber(input.background.height)};
}

}  // namespace velquist
