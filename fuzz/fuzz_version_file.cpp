// Fuzz target: the updater's reader of the version file a server sends.
#include "core/encoding.h"
#include "core/text.h"
#include "fuzz_support.h"
#include "updater/version_file.h"

using namespace velquist;

namespace {

// A value is one whole line of the file, found right after its label.
void checkValue(std::string_view content, std::string_view label, const std::string& value) {
    fuzz::require(!value.empty() && isValidUtf8(value), "values are non-empty UTF-8");
    fuzz::require(value.find_first_of("\r\n") == std::string::npos, "values are one line");
    fuzz::require(findText(content, std::string(label) + value) != std::string_view::npos,
                  "values follow their label");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = fuzz::asBytes(data, size);
    const Result<VersionInfo> info = readVersionFile(bytes);
    if (!info) {
        fuzz::require(!info.error().empty(), "a refusal says why");
        return 0;
    }
    const std::string content = decodeTextFile(bytes);
    checkValue(content, "主程序版本=", info->version);
    checkValue(content, "主程序下载地址=", info->downloadAddress);
    return 0;
}
