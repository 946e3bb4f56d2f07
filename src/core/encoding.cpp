// UTF-8 checks and the choice between UTF-8 and GB18030 for text files.
#include "core/encoding.h"

#include <cstdint>

#include "core/messages.h"
#include "encoding_system.h"

namespace velquist {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

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
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    return gb18030ToUtf8Replacing(bytes);
}

Result<std::string> encodeTextFile(std::string_view utf8) {
    if (!isValidUtf8(utf8)) {
        return Status::failure(core_messages::kInvalidUtf8);
    }
    Result<std::string> gb = utf8ToGb18030(utf8);
    if (gb && decodeTextFile(*gb) == utf8) {
        return gb;
    }
    return std::string(kUtf8Bom) + std::string(utf8);
}

}  // namespace velquist
