// GB18030 conversions through iconv.
#include <iconv.h>

#include <cerrno>

#include "core/encoding.h"
#include "core/messages.h"
#include "encoding_system.h"

namespace velquist {
namespace {

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

bool systemHasGb18030() {
    return true;
}

Result<std::string> utf8ToGb18030(std::string_view utf8) {
    return convertStrict("GB18030", "UTF-8", utf8, core_messages::kInvalidUtf8);
}

Result<std::string> gb18030ToUtf8(std::string_view gb) {
    return convertStrict("UTF-8", "GB18030", gb, core_messages::kInvalidGb18030);
}

std::string gb18030ToUtf8Replacing(std::string_view bytes) {
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

}  // namespace velquist
