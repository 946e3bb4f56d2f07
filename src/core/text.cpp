// Byte-level text routines.
#include "core/text.h"

#include <algorithm>
#include <limits>

namespace velquist {
namespace {

constexpr char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool isBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Decodes the full-width form at the start of `s` (U+FF01-U+FF5E, U+3000) to its ASCII twin.
// Returns the number of bytes consumed, 0 when `s` does not start with such a form.
size_t fullWidthToAscii(std::string_view s, char& ascii) {
    if (s.size() < 3) {
        return 0;
    }
    const auto b0 = static_cast<unsigned char>(s[0]);
    const auto b1 = static_cast<unsigned char>(s[1]);
    const auto b2 = static_cast<unsigned char>(s[2]);
    if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) {  // U+3000 ideographic space
        ascii = ' ';
        return 3;
    }
    if (b0 != 0xEF || (b2 & 0xC0) != 0x80) {
        return 0;
    }
    const unsigned cp = 0xF000u | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
    if ((b1 & 0xC0) != 0x80 || cp < 0xFF01 || cp > 0xFF5E) {
        return 0;
    }
    ascii = static_cast<char>(cp - 0xFEE0);
    return 3;
}

// Next character of `s` with full-width forms folded; multi-byte others come back as '\x80'
// (which is neither a blank, a sign nor a digit).
char nextFolded(std::string_view& s) {
    char ascii;
    if (size_t used = fullWidthToAscii(s, ascii)) {
        s.remove_prefix(used);
        return ascii;
    }
    const char c = s.front();
    s.remove_prefix(1);
    return c;
}

}  // namespace

int32_t textToInteger(std::string_view text) {
    char c = 0;
    while (!text.empty()) {
        c = nextFolded(text);
        if (!isBlank(c)) {
            break;
        }
        c = 0;
    }
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = text.empty() ? 0 : nextFolded(text);
    }
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    int64_t magnitude = 0;
    while (c >= '0' && c <= '9') {
        magnitude = std::min<int64_t>(magnitude * 10 + (c - '0'), kMax + 1);
        c = text.empty() ? 0 : nextFolded(text);
    }
    const int64_t value = negative ? -magnitude : std::min(magnitude, kMax);
    return static_cast<int32_t>(value);
}

std::string formatNumber(int64_t value) {
    return std::to_string(value);
}

std::string formatByteSize(uint64_t bytes) {
    constexpr uint64_t kMiB = uint64_t{1} << 20;
    if (bytes >= kMiB && bytes % kMiB == 0) {
        return std::to_string(bytes / kMiB) + " MiB";
    }
    return std::to_string(bytes) + " 字节";
}

std::string_view trimmed(std::string_view text, std::string_view blanks) {
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string_view trimmedTypedBlanks(std::string_view text) {
    constexpr std::string_view kAsciiBlanks = " \t\r\n\f\v";
    constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
    for (bool changed = true; changed;) {
        const size_t before = text.size();
        text = trimmed(text, kAsciiBlanks);
        while (text.starts_with(kIdeographicSpace)) {
            text.remove_prefix(kIdeographicSpace.size());
        }
        while (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
        }
        changed = text.size() != before;
    }
    return text;
}

int hexDigitValue(char c) {
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

std::string asciiLower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), foldAscii);
    return out;
}

bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return foldAscii(x) == foldAscii(y);
           });
}

size_t findText(std::string_view text, std::string_view pattern, size_t from,
                bool ignoreAsciiCase) {
    if (!ignoreAsciiCase) {
        return text.find(pattern, from);
    }
    if (from > text.size() || pattern.size() > text.size() - from) {
        return std::string_view::npos;
    }
    const auto it =
        std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), pattern.begin(),
                    pattern.end(), [](char x, char y) { return foldAscii(x) == foldAscii(y); });
    return it == text.end() ? std::string_view::npos : static_cast<size_t>(it - text.begin());
}

int32_t countOccurrences(std::string_view text, std::string_view pattern, bool caseSensitive) {
    if (text.empty() || pattern.empty()) {
        return 0;
    }
    int32_t count = 0;
    for (size_t at = findText(text, pattern, 0, !caseSensitive); at != std::string_view::npos;
         at = findText(text, pattern, at + pattern.size(), !caseSensitive)) {
        ++count;
    }
    return count;
}

std::string replaceFirst(std::string_view text, std::string_view pattern,
                         std::string_view replacement, int64_t limit) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    for (int64_t done = 0; done < limit && !pattern.empty(); ++done) {
        const size_t at = text.find(pattern, pos);
        if (at == std::string_view::npos) {
            break;
        }
        out.append(text.substr(pos, at - pos));
        out.append(replacement);
        pos = at + pattern.size();
    }
    out.append(text.substr(pos));
    return out;
}

}  // namespace velquist
