// Version-file reader.
#include "updater/version_file.h"

#include <optional>

#include "core/encoding.h"
#include "core/template_fill.h"
#include "core/text.h"
#include "updater/messages.h"

namespace velquist {
namespace {

namespace text = updater_messages;

constexpr std::string_view kVersionLabel = "主程序版本=";
constexpr std::string_view kAddressLabel = "主程序下载地址=";
constexpr std::string_view kChecksumKey = "sha256=";
constexpr std::string_view kBlanks = " \t";

// The text after `label` up to the next line break (CR or LF) or the end.
std::optional<std::string> valueAfter(std::string_view content, std::string_view label) {
    const size_t at = findText(content, label);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = content.substr(at + label.size());
    return std::string(rest.substr(0, rest.find_first_of("\r\n")));
}

Result<std::string> requiredValue(std::string_view content, std::string_view label) {
    std::optional<std::string> value = valueAfter(content, label);
    if (!value) {
        return Status::failure(fillTemplate(text::kKeyMissing, {{"{键}", label}}));
    }
    if (value->empty()) {
        return Status::failure(fillTemplate(text::kKeyEmpty, {{"{键}", label}}));
    }
    return std::move(*value);
}

// The value of the first line that starts with the checksum key: unlike the Chinese keys it
// must begin its line, so that an address holding "sha256=" is not taken for it.
std::string checksumValue(std::string_view content) {
    while (!content.empty()) {
        const size_t end = content.find_first_of("\r\n");
        const std::string_view line = trimmed(content.substr(0, end), kBlanks);
        if (equalsIgnoreAsciiCase(line.substr(0, kChecksumKey.size()), kChecksumKey)) {
            return asciiLower(trimmed(line.substr(kChecksumKey.size()), kBlanks));
        }
        content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
    }
    return {};
}

}  // namespace

Result<VersionInfo> readVersionFile(std::string_view bytes) {
    const std::string content = decodeTextFile(bytes);
    Result<std::string> version = requiredValue(content, kVersionLabel);
    if (!version) {
        return version.status();
    }
    Result<std::string> address = requiredValue(content, kAddressLabel);
    if (!address) {
        return address.status();
    }
    return VersionInfo{std::move(version).value(), std::move(address).value(),
                       checksumValue(content)};
}

}  // namespace velquist
