// Character references as the HTML tokenizer reads them inside attribute values.
#include "mapfile/char_refs.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace velquist {
namespace {

struct NamedReference {
    std::string_view name;  // with its ";" when the name needs one
    std::string_view text;
};

constexpr NamedReference kNamedReferences[] = {
#include "named_references.inc"
};

constexpr size_t kLongestLegacyName = 6;  // "frac34", "middot"...: the names that need no ";"
constexpr size_t kLongestName = 32;

const NamedReference* findName(std::string_view name) {
    const auto* end = std::end(kNamedReferences);
    const auto* it =
        std::lower_bound(std::begin(kNamedReferences), end, name,
                         [](const NamedReference& r, std::string_view n) { return r.name < n; });
    return it != end && it->name == name ? it : nullptr;
}

bool isAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// What a browser makes of a numeric reference's value.
uint32_t browserCodePoint(uint32_t value) {
    // Windows-1252 for 0x80-0x9F; zeros where the code point stays as it is.
    static constexpr std::array<uint16_t, 32> kWindows1252 = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0xFFFD;
    }
    if (value >= 0x80 && value <= 0x9F && kWindows1252[value - 0x80] != 0) {
        return kWindows1252[value - 0x80];
    }
    return value;
}

// A numeric reference at `text[i]` == '&' followed by '#': appends its character and returns
// the length read, or 0 when no digit follows (then it is plain text).
size_t numericReference(std::string_view text, size_t i, std::string& out) {
    size_t p = i + 2;
    const bool hex = p < text.size() && (text[p] == 'x' || text[p] == 'X');
    p += hex ? 1 : 0;
    const int base = hex ? 16 : 10;
    const size_t digitsStart = p;
    uint32_t value = 0;
    for (; p < text.size(); ++p) {
        const int d =
            hex ? hexValue(text[p]) : (text[p] >= '0' && text[p] <= '9' ? text[p] - '0' : -1);
        if (d < 0) {
            break;
        }
        value = std::min<uint32_t>(value * base + d, 0x110000);  // past the range: no overflow
    }
    if (p == digitsStart) {
        return 0;
    }
    if (p < text.size() && text[p] == ';') {
        ++p;
    }
    appendUtf8(out, browserCodePoint(value));
    return p - i;
}

// A named reference at `text[i]` == '&': appends its text and returns the length read, or 0 when
// the browser leaves it as written.
size_t namedReference(std::string_view text, size_t i, std::string& out) {
    size_t end = i + 1;
    while (end < text.size() && isAsciiAlnum(text[end])) {
        ++end;
    }
    const std::string_view run = text.substr(i + 1, end - i - 1);
    if (end < text.size() && text[end] == ';' && run.size() < kLongestName) {
        if (const NamedReference* r = findName(text.substr(i + 1, run.size() + 1))) {
            out += r->text;
            return run.size() + 2;
        }
    }
    // The old names, longest first; inside an attribute one followed by a letter, a digit or "="
    // is left alone, so that query strings such as "?a=1&copy=2" survive.
    for (size_t n = std::min(run.size(), kLongestLegacyName); n >= 2; --n) {
        if (const NamedReference* r = findName(run.substr(0, n))) {
            const size_t after = i + 1 + n;
            if (after < text.size() && (isAsciiAlnum(text[after]) || text[after] == '=')) {
                return 0;
            }
            out += r->text;
            return n + 1;
        }
    }
    return 0;
}

}  // namespace

std::string decodeAttributeReferences(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    size_t i = 0;
    while (i < raw.size()) {
        const size_t amp = raw.find('&', i);
        out.append(raw.substr(i, amp - i));
        if (amp == std::string_view::npos) {
            break;
        }
        const bool numeric = amp + 1 < raw.size() && raw[amp + 1] == '#';
        const size_t used =
            numeric ? numericReference(raw, amp, out) : namedReference(raw, amp, out);
        if (used == 0) {
            out += '&';
        }
        i = amp + std::max<size_t>(used, 1);
    }
    return out;
}

}  // namespace velquist
