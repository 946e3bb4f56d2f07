// iconv wrapper for UTF-8 and GB18030.
#include "core/encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

#include "core/messages.h"

namespace velquist {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Owns one iconv descriptor for the duration of a conversion.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) {
            iconv_close(m_cd);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as possible; returns errno of the stop (0 when everything converted).
    // `in` is advanced past what was consumed.
    int convert(std::string_view& in, std::string& out) {
        char buffer[4096];
        while (true) {
            char* src = const_cast<char*>(in.data());
            size_t srcLeft = in.size();
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            size_t rc = iconv(m_cd, in.empty() ? nullptr : &src, &srcLeft, &dst, &dstLeft);
            int err = rc == static_cast<size_t>(-1) ? errno : 0;
            out.append(buffer, static_cast<size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (err == E2BIG) {
                continue;
            }
            return err;
        }
    }

private:
    iconv_t m_cd;
};

Result<std::string> convertStrict(const char* to, const char* from, std::string_view in,
                                  const char* invalidMessage) {
    Converter conv(to, from);
    if (!conv.valid()) {
        return Status::failure(core_messages::kNoConverter);
    }
    std::string out;
    out.reserve(in.size() + in.size() / 2);
    if (conv.convert(in, out) != 0 || !in.empty()) {
        return Status::failure(invalidMessage);
    }
    return out;
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

Result<std::string> utf8ToGb18030(std::string_view utf8) {
    return convertStrict("GB18030", "UTF-8", utf8, core_messages::kInvalidUtf8);
}

Result<std::string> gb18030ToUtf8(std::string_view gb) {
    return convertStrict("UTF-8", "GB18030", gb, core_messages::kInvalidGb18030);
}

std::string decodeTextFile(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    Converter conv("UTF-8", "GB18030");
    std::string out;
    if (!conv.valid()) {
        return std::string(bytes);
    }
    while (!bytes.empty()) {
        if (conv.convert(bytes, out) == 0 && bytes.empty()) {
            break;
        }
        // An invalid or truncated sequence: mark it and carry on with the next byte.
        out.append(kReplacement);
        bytes.remove_prefix(1);
    }
    return out;
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
