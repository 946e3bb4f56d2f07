// Reading and checking numbers typed into the hotspot list.
#include "editor/hotspot_fields.h"

#include <algorithm>

#include "core/template_fill.h"
#include "core/text.h"
#include "editor/messages.h"
#include "mapfile/map_limits.h"
#include "mapfile/messages.h"
#include "pictures/picture.h"

namespace velquist {
namespace {

struct Range {
    int64_t min;
    int64_t max;
};

Range rangeOf(HotspotColumn column, int otherSide) {
    if (column == HotspotColumn::Left || column == HotspotColumn::Top) {
        return {-kMaxMapCoordinate, kMaxMapCoordinate};
    }
    // A tile larger than this could not be drawn, and the hotspot would lose its size.
    const int64_t byPixels = kMaxPicturePixels / std::max(otherSide, 1);
    return {1, std::min<int64_t>(kMaxMapPictureSide, byPixels)};
}

// Full-width digits and signs (U+FF10-FF19, U+FF0B, U+FF0D) as their ASCII forms.
std::string asciiDigits(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBC) {
            const unsigned char last = static_cast<unsigned char>(text[i + 2]);
            if ((last >= 0x90 && last <= 0x99) || last == 0x8B || last == 0x8D) {
                out += last == 0x8B   ? '+'
                       : last == 0x8D ? '-'
                                      : static_cast<char>('0' + last - 0x90);
                i += 2;
                continue;
            }
        }
        out += static_cast<char>(c);
    }
    return out;
}

}  // namespace

int64_t columnNumber(HotspotColumn column, const Rect& rect, Point origin) {
    switch (column) {
        case HotspotColumn::Left:
            return int64_t{rect.left} - origin.x;
        case HotspotColumn::Top:
            return int64_t{rect.top} - origin.y;
        case HotspotColumn::Width:
            return rect.width;
        case HotspotColumn::Height:
            return rect.height;
        default:
            return 0;
    }
}

TypedNumber typedNumber(HotspotColumn column, std::string_view text, int otherSide) {
    const std::string ascii = asciiDigits(trimmedTypedBlanks(text));
    std::string_view digits = ascii;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    const bool number = !digits.empty() && std::all_of(digits.begin(), digits.end(),
                                                       [](char c) { return c >= '0' && c <= '9'; });
    if (!number) {
        return {std::nullopt, editor_messages::kNotANumber};
    }
    // Digits past what any range holds only need to stay out of range.
    int64_t value = 0;
    for (const char c : digits) {
        value = std::min<int64_t>(value * 10 + (c - '0'), int64_t{1} << 40);
    }
    value = negative ? -value : value;
    const Range range = rangeOf(column, otherSide);
    if (value < range.min || value > range.max) {
        return {std::nullopt,
                fillTemplate(mapfile_messages::kOutOfRange, {{"{最小}", formatNumber(range.min)},
                                                             {"{最大}", formatNumber(range.max)}})};
    }
    return {static_cast<int>(value), {}};
}

}  // namespace velquist
