// UTF-8 checks and the choice between UTF-8 and GB18030 for text files.
#include "core/encoding.h"

#include <cstdint>
#include <utility>

#include "core/messages.h"
#include "encoding_system.h"

namespace velquist {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Reads one character of valid UTF-8 at `i` and steps past it.
uint32_t nextCodePoint(std::string_view s, size_t& i) {
    const auto c = static_cast<uint8_t>(s[i]);
    const size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    uint32_t cp = len == 1 ? c : c & (0x7Fu >> len);
    for (size_t k = 1; k < len; ++k) {
        cp = (cp << 6) | (static_cast<uint8_t>(s[i + k]) & 0x3Fu);
    }
    i += len;
    return cp;
}

// Every non-ASCII pair is a GB2312 character (symbol rows A1-A9, hanzi rows B0-F7): what
// Chinese text is written in, and what GBK shop files hold.
bool isGb2312Text(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<uint8_t>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (i + 1 >= bytes.size()) {
            return false;
        }
        const auto trail = static_cast<uint8_t>(bytes[i + 1]);
        const bool row = (lead >= 0xA1 && lead <= 0xA9) || (lead >= 0xB0 && lead <= 0xF7);
        if (!row || trail < 0xA1 || trail > 0xFE) {
            return false;
        }
        i += 2;
    }
    return true;
}

bool hasPrivateUse(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        const uint32_t cp = nextCodePoint(utf8, i);
        if (cp >= 0xE000 && cp <= 0xF8FF) {
            return true;
        }
    }
    return false;
}

// For bytes that are valid UTF-8: whether they are rather GBK text. Common GBK characters can
// be valid UTF-8 too ("女装" is C5 AE D7 B0, UTF-8 for "Ůװ"), and charset detectors answer
// UTF-8 for all such bytes, so both readings are weighed. The UTF-8 reading of GBK text is mostly
// two-byte characters of Latin Extended, phonetic letters, combining marks, Hebrew, Arabic and
// the like, which no shop text strings together; real UTF-8 text there is Latin-1, Greek or
// Cyrillic letters, or characters past U+07FF (Chinese above all). GB18030 wins only when the
// odd characters outnumber the ordinary ones and its own reading is common Chinese.
bool readsAsGbk(std::string_view utf8) {
    int odd = 0;
    int ordinary = 0;
    for (size_t i = 0; i < utf8.size();) {
        const uint32_t cp = nextCodePoint(utf8, i);
        if (cp < 0x80) {
            continue;
        }
        if (cp >= 0x800) {
            return false;
        }
        if (cp < 0x100 || (cp >= 0x370 && cp < 0x500)) {
            ++ordinary;
        } else {
            ++odd;
        }
    }
    return odd > ordinary && isGb2312Text(utf8);
}

// The reading that takes valid UTF-8 as UTF-8 whatever it looks like. Saving keeps to it: plain
// GB18030 is written only where this reading gives the text back, so a saved file never
// depends on how ambiguous bytes are weighed.
std::string decodePreferringUtf8(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    return gb18030ToUtf8Replacing(bytes);
}

}  // namespace

bool isValidUtf8(std::string_view s) {
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<uint8_t>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t len;
        uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (n - i < len) {
            return false;
        }
        for (size_t k = 1; k < len; ++k) {
            const auto cc = static_cast<uint8_t>(s[i + k]);
            if ((cc & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += len;
    }
    return true;
}

std::string decodeTextFile(std::string_view bytes) {
    if (!bytes.starts_with(kUtf8Bom) && isValidUtf8(bytes) && readsAsGbk(bytes)) {
        Result<std::string> gbk = gb18030ToUtf8(bytes);
        if (gbk && !hasPrivateUse(*gbk)) {
            return std::move(*gbk);
        }
    }
    return decodePreferringUtf8(bytes);
}

Result<std::string> encodeTextFile(std::string_view utf8) {
    if (!isValidUtf8(utf8)) {
        return Status::failure(core_messages::kInvalidUtf8);
    }
    Result<std::string> gb = utf8ToGb18030(utf8);
    if (gb && decodePreferringUtf8(*gb) == utf8) {
        return gb;
    }
    return std::string(kUtf8Bom) + std::string(utf8);
}

}  // namespace velquist
