// Image-map code built by filling fixed templates.
#include "codegen/image_map.h"

#include <charconv>
#include <cstdint>
#include <iterator>

#include "code_checks.h"
#include "core/random.h"
#include "core/template_fill.h"
#include "core/text.h"

namespace velquist {
namespace {

constexpr std::string_view kHeader =
    "<img src=\"背景图\" width=\"图宽\" height=\"图高\" usemap=\"#类名\" border=\"0\">\r\n"
    "<map name=\"类名\">";
// One line per hotspot, "  <area shape="rect" coords="左,上,右,下" href="#链接" alt="提示">",
// written straight into the code in its pieces: filling a template per line, with a string per
// value, took twice the time for large maps.
constexpr std::string_view kAreaStart = "  <area shape=\"rect\" coords=\"";
constexpr std::string_view kAreaHref = "\" href=\"";
constexpr std::string_view kAreaAlt = "\" alt=\"";
constexpr std::string_view kAreaEnd = "\">";
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kClosing = "\r\n</map>";

// A picture of a stacked page: shown as a block, so that no line gap opens under it.
constexpr std::string_view kStackedHeader =
    "<img src=\"背景图\" width=\"图宽\" height=\"图高\" usemap=\"#类名\" border=\"0\" "
    "style=\"display:block\">\r\n"
    "<map name=\"类名\">";

std::string header(std::string_view templ, const std::string& address, int width, int height,
                   const std::string& mapName) {
    return fillTemplate(templ, {{"背景图", quoteSafe(address)},
                                {"图宽", formatNumber(width)},
                                {"图高", formatNumber(height)},
                                {"类名", mapName, 2}});
}

void appendNumber(std::string& out, int64_t value) {
    char digits[24];
    const std::to_chars_result end = std::to_chars(std::begin(digits), std::end(digits), value);
    out.append(digits, end.ptr);
}

void appendQuoteSafe(std::string& out, std::string_view value);

// Coordinates of `rect` (the area's, or its part on one picture) are relative to `background`'s
// top-left corner; 64-bit so that far-off rectangles cannot overflow. Inlined into each loop: as
// a call it cost the code of one picture a tenth of its time.
[[gnu::always_inline]] inline void appendAreaLine(std::string& out, const Rect& rect,
                                                  const ImageMapInput::Area& area,
                                                  const Rect& background) {
    const int64_t x = int64_t{rect.left} - background.left;
    const int64_t y = int64_t{rect.top} - background.top;
    out += kAreaStart;
    appendNumber(out, x);
    out += ',';
    appendNumber(out, y);
    out += ',';
    appendNumber(out, x + rect.width);
    out += ',';
    appendNumber(out, y + rect.height);
    out += kAreaHref;
    appendQuoteSafe(out, area.link);
    out += kAreaAlt;
    appendQuoteSafe(out, area.tip);
    out += kAreaEnd;
}

// Room for the whole code, so that it is built without moving: the numbers take at most 11
// characters each, and escaping makes the texts longer only where they hold `"` or `&`.
size_t codeSizeBound(const ImageMapInput& input) {
    constexpr size_t kFixed = kLineBreak.size() + kAreaStart.size() + 3 + kAreaHref.size() +
                              kAreaAlt.size() + kAreaEnd.size() + 4 * 11;
    size_t size = kHeader.size() + input.backgroundAddress.size() + kClosing.size() + 64;
    for (const ImageMapInput::Area& area : input.areas) {
        size += kFixed + area.link.size() + area.tip.size();
    }
    return size;
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

// A byte loop: find_first_of with a set calls memchr once per byte of the value.
void appendQuoteSafe(std::string& out, std::string_view value) {
    size_t from = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '"' && c != '&') {
            continue;
        }
        const bool quote = c == '"';
        if (quote || startsCharacterReference(value, i)) {
            out.append(value.substr(from, i - from));
            out += quote ? "&quot;" : "&amp;";
            from = i + 1;
        }
    }
    out.append(value.substr(from));
}

}  // namespace

std::vector<Rect> pictureRects(const ImageMapInput& input) {
    if (input.pictures.size() < 2) {
        return {input.background};
    }
    std::vector<Rect> rects;
    rects.reserve(input.pictures.size());
    int64_t top = input.background.top;
    for (const PagePicture& picture : input.pictures) {
        rects.push_back(
            {input.background.left, static_cast<int>(top), picture.width, picture.height});
        top += picture.height;
    }
    return rects;
}

std::string quoteSafe(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    appendQuoteSafe(out, value);
    return out;
}

namespace {

// One <img> and <map> per picture. The first map keeps the run's name and the others add their
// place to it ("MIV12_2"), so the names stay distinct on the page and beside other runs' maps.
// Each map holds the part of every hotspot on its picture, in table order; a hotspot on no
// picture has no part to write (the code notice counts it as outside the picture).
std::string stackedImageMap(const ImageMapInput& input, int mapNumber) {
    const std::vector<Rect> pictures = pictureRects(input);
    const std::string firstName = "MIV" + formatNumber(mapNumber);
    std::string code;
    code.reserve(codeSizeBound(input) * 2);
    for (size_t i = 0; i < pictures.size(); ++i) {
        code += i == 0 ? "" : kLineBreak;
        const PagePicture& picture = input.pictures[i];
        code += header(kStackedHeader, picture.address, picture.width, picture.height,
                       i == 0 ? firstName : firstName + "_" + formatNumber(int64_t(i) + 1));
        for (const ImageMapInput::Area& area : input.areas) {
            const Rect part = codegen::clipped(area.rect, pictures[i]);
            if (!part.empty()) {
                code += kLineBreak;
                appendAreaLine(code, part, area, pictures[i]);
            }
        }
        code += kClosing;
    }
    return code;
}

}  // namespace

std::string generateImageMap(const ImageMapInput& input) {
    return generateImageMap(input, randomInt(kMapNumberMin, kMapNumberMax));
}

std::string generateImageMap(const ImageMapInput& input, int mapNumber) {
    if (input.pictures.size() > 1) {
        return stackedImageMap(input, mapNumber);
    }
    std::string code;
    code.reserve(codeSizeBound(input));
    code += header(kHeader, input.backgroundAddress, input.background.width,
                   input.background.height, "MIV" + formatNumber(mapNumber));
    for (const ImageMapInput::Area& area : input.areas) {
        code += kLineBreak;
        appendAreaLine(code, area.rect, area, input.background);
    }
    code += kClosing;
    return code;
}

std::string areaMapCode(const ImageMapInput& input) {
    return areaMapCode(input, randomInt(kMapNumberMin, kMapNumberMax));
}

std::string areaMapCode(const ImageMapInput& input, int mapNumber) {
    std::string code;
    code.reserve(codeSizeBound(input));
    code += "<map name=\"MIV";
    appendNumber(code, mapNumber);
    code += "\">";
    for (const ImageMapInput::Area& area : input.areas) {
        code += kLineBreak;
        appendAreaLine(code, area.rect, area, input.background);
    }
    code += kClosing;
    return code;
}

// A stacked page's background is the whole page, which the Tabs box holds.
PictureSizeText pictureSizeText(const ImageMapInput& input) {
    return {formatNumber(input.background.width), formatNumber(input.background.height)};
}

}  // namespace velquist
