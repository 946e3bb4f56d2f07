// Fuzz target: the text decoders (UTF-8 check, GB18030 both ways, file decoding) and
// textToInteger, each checked against an independent account of the same bytes.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "core/encoding.h"
#include "core/text.h"
#include "fuzz_support.h"

using namespace velquist;

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

void checkConversions(std::string_view bytes) {
    const bool valid = isValidUtf8(bytes);
    const Result<std::string> gb = utf8ToGb18030(bytes);
    // iconv's UTF-8 reader is the second opinion on what valid UTF-8 is (its GB18030 lacks a
    // few private-use characters, so a valid text may still fail to convert).
    fuzz::require(valid || !gb.ok(), "iconv takes no text that isValidUtf8 refuses");
    const Result<std::string> file = encodeTextFile(bytes);
    fuzz::require(file.ok() == valid, "every valid text can be stored");
    if (file) {
        fuzz::require(decodeTextFile(*file) == bytes, "a stored text reads back as itself");
    }
    if (gb) {
        const Result<std::string> back = gb18030ToUtf8(*gb);
        fuzz::require(back.ok() && *back == bytes, "UTF-8 survives a trip through GB18030");
    }
    const Result<std::string> utf8 = gb18030ToUtf8(bytes);
    if (utf8) {
        fuzz::require(isValidUtf8(*utf8), "GB18030 decodes to valid UTF-8");
        const Result<std::string> again = utf8ToGb18030(*utf8);
        fuzz::require(again.ok() && *again == bytes, "GB18030 survives a trip through UTF-8");
    }
}

void checkFileDecoding(std::string_view bytes) {
    const std::string text = decodeTextFile(bytes);
    fuzz::require(isValidUtf8(text), "decoded files are valid UTF-8");
    std::string_view body = bytes;
    const bool bom = body.starts_with(kUtf8Bom);
    if (bom) {
        body.remove_prefix(kUtf8Bom.size());
    }
    if (isValidUtf8(body)) {
        // Without a BOM, bytes that are GBK as well may be read as GBK; ASCII is the same both
        // ways.
        const Result<std::string> gbk = gb18030ToUtf8(body);
        fuzz::require(text == body || (!bom && gbk && text == *gbk),
                      "a UTF-8 file reads as itself, or as GBK when it is that too");
    } else if (const Result<std::string> gb = gb18030ToUtf8(body); gb) {
        fuzz::require(text == *gb, "a GB18030 file reads as GB18030");
    }
}

// Plain ASCII reads as the C library reads a decimal number, clamped to 32 bits.
void checkInteger(std::string_view bytes) {
    const int32_t value = textToInteger(bytes);
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return;
        }
    }
    const std::string text(bytes);  // strtoll stops at the first zero byte, as a non-digit does
    errno = 0;
    const long long expected = std::strtoll(text.c_str(), nullptr, 10);
    const long long clamped = std::clamp<long long>(expected, INT32_MIN, INT32_MAX);
    fuzz::require(value == clamped, "textToInteger reads ASCII like strtoll");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::asBytes(data, size);
    checkConversions(bytes);
    checkFileDecoding(bytes);
    checkInteger(bytes);
    return 0;
}
