// Shapes, coordinate lists and sizes of image-map attributes.
#include "area_values.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/text.h"
#include "mapfile/map_limits.h"

namespace velquist::mapfile {
namespace {

constexpr std::string_view kHtmlBlanks = " \t\n\f\r";
constexpr std::string_view kCoordSeparators = " \t\n\f\r,;";

// The number at the start of `token` ("12", "-3.5", "+7", "10px"), or nothing.
std::optional<double> leadingNumber(std::string_view token) {
    if (!token.empty() && token.front() == '+') {
        token.remove_prefix(1);
    }
    double value = 0;
    const auto [end, err] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (err != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool isRectShape(std::optional<std::string_view> shape) {
    if (!shape) {
        return true;
    }
    const std::string word = asciiLower(trimmed(*shape, kHtmlBlanks));
    return word != "circle" && word != "circ" && word != "poly" && word != "polygon" &&
           word != "default";
}

std::optional<Rect> rectFromCoords(std::string_view coords) {
    int v[4] = {};
    size_t count = 0;
    size_t pos = coords.find_first_not_of(kCoordSeparators);
    while (count < 4 && pos != std::string_view::npos) {
        const size_t end = coords.find_first_of(kCoordSeparators, pos);
        const std::optional<double> number = leadingNumber(coords.substr(pos, end - pos));
        if (!number || std::fabs(*number) > kMaxMapCoordinate) {
            return std::nullopt;
        }
        v[count++] = static_cast<int>(std::lround(*number));
        pos = end == std::string_view::npos ? end : coords.find_first_not_of(kCoordSeparators, end);
    }
    if (count < 4) {
        return std::nullopt;
    }
    const int left = std::min(v[0], v[2]);
    const int top = std::min(v[1], v[3]);
    const int width = std::abs(v[2] - v[0]);
    const int height = std::abs(v[3] - v[1]);
    if (width > kMaxMapCoordinate || height > kMaxMapCoordinate) {
        return std::nullopt;
    }
    return Rect{left, top, width, height};
}

std::optional<int> pixelSize(std::string_view value) {
    value = trimmed(value, kHtmlBlanks);
    size_t digits = 0;
    int64_t size = 0;
    while (digits < value.size() && value[digits] >= '0' && value[digits] <= '9') {
        size =
            std::min<int64_t>(size * 10 + (value[digits] - '0'), int64_t{kMaxMapPictureSide} + 1);
        ++digits;
    }
    const std::string_view rest = value.substr(digits);
    const size_t fraction = rest.starts_with('.') ? rest.find_first_not_of("0123456789", 1) : 0;
    const bool percent = rest.substr(std::min(fraction, rest.size())).starts_with('%');
    if (digits == 0 || percent || size > kMaxMapPictureSide) {
        return std::nullopt;
    }
    return static_cast<int>(size);
}

}  // namespace velquist::mapfile
