// GB18030 conversions through the Windows code pages: 54936 (GB18030) where the system has
// it, otherwise 936 (GBK), whose missing characters are reported, never replaced by '?'.
#include <windows.h>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/win32.h"
#include "encoding_system.h"

namespace velquist {
namespace {

constexpr UINT kGb18030 = 54936;
constexpr UINT kGbk = 936;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

UINT chineseCodePage() {
    static const UINT page = ::IsValidCodePage(kGb18030) ? kGb18030 : kGbk;
    return page;
}

// Strict decoding of whole characters; nothing when any byte does not belong to one.
bool decodeStrict(std::string_view bytes, std::wstring& out) {
    if (bytes.empty()) {
        out.clear();
        return true;
    }
    const UINT page = chineseCodePage();
    const int size = static_cast<int>(bytes.size());
    const int n = ::MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (n <= 0) {
        return false;
    }
    out.assign(static_cast<size_t>(n), L'\0');
    return ::MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size, out.data(), n) ==
           n;
}

// Length of the GB18030 character starting `bytes` by its shape alone (1, 2 or 4), 0 when the
// bytes cannot start one.
size_t characterLength(std::string_view bytes) {
    const auto at = [&bytes](size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (at(0) < 0x80) {
        return 1;
    }
    if (at(0) == 0x80 || at(0) == 0xFF || bytes.size() < 2) {
        return 0;
    }
    if (at(1) >= 0x30 && at(1) <= 0x39) {
        const bool four =
            bytes.size() >= 4 && at(2) >= 0x81 && at(2) <= 0xFE && at(3) >= 0x30 && at(3) <= 0x39;
        return four ? 4 : 0;
    }
    return (at(1) >= 0x40 && at(1) != 0x7F && at(1) != 0xFF) ? 2 : 0;
}

}  // namespace

bool systemHasGb18030() {
    return chineseCodePage() == kGb18030;
}

Result<std::string> utf8ToGb18030(std::string_view utf8) {
    if (!isValidUtf8(utf8)) {
        return Status::failure(core_messages::kInvalidUtf8);
    }
    if (utf8.empty()) {
        return std::string();
    }
    const std::wstring wide = toUtf16(utf8);
    const UINT page = chineseCodePage();
    // 54936 takes no best-fit or default-character options; 936 needs them to tell a missing
    // character from a real question mark.
    const DWORD flags = page == kGb18030 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = page == kGb18030 ? nullptr : &usedDefault;
    const int size = static_cast<int>(wide.size());
    const int n =
        ::WideCharToMultiByte(page, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultOut);
    if (n <= 0 || usedDefault) {
        return Status::failure(page == kGb18030 ? core_messages::kInvalidUtf8
                                                : core_messages::kOutsideGbk);
    }
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(page, flags, wide.data(), size, out.data(), n, nullptr, usedDefaultOut);
    if (usedDefault) {
        return Status::failure(core_messages::kOutsideGbk);
    }
    return out;
}

Result<std::string> gb18030ToUtf8(std::string_view gb) {
    std::wstring wide;
    if (!decodeStrict(gb, wide)) {
        return Status::failure(core_messages::kInvalidGb18030);
    }
    return toUtf8(wide);
}

std::string gb18030ToUtf8Replacing(std::string_view bytes) {
    std::wstring wide;
    if (decodeStrict(bytes, wide)) {
        return toUtf8(wide);
    }
    // Character by character, so that one bad byte costs one U+FFFD and nothing more.
    std::string out;
    while (!bytes.empty()) {
        const size_t length = characterLength(bytes);
        if (length > 0 && decodeStrict(bytes.substr(0, length), wide)) {
            out += toUtf8(wide);
            bytes.remove_prefix(length);
        } else {
            out.append(kReplacement);
            bytes.remove_prefix(1);
        }
    }
    return out;
}

}  // namespace velquist
