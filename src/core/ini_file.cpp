// Private-profile INI reading and writing.
#include "core/ini_file.h"

#include <optional>
#include <vector>

#include "core/encoding.h"
#include "core/file_io.h"
#include "core/messages.h"
#include "core/text.h"

namespace velquist {
namespace {

constexpr size_t kMaxIniFile = 16u << 20;

// Blanks around names and values, as the private-profile functions drop them.
std::string_view trim(std::string_view s) {
    return trimmed(s, " \t\r");
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
    }
    return lines;
}

// Name of a "[section]" line, or nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const size_t close = line.find(']');
    return trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
}

// Key of a "key=value" line, or nothing.
std::optional<std::string_view> keyName(std::string_view line) {
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos || sectionName(line)) {
        return std::nullopt;
    }
    return trim(line.substr(0, eq));
}

// Where a key sits: the section's header line and the key's own line, when found.
struct KeyLocation {
    std::optional<size_t> section;
    std::optional<size_t> key;
    size_t sectionEnd = 0;  // one past the section's last non-blank line
};

KeyLocation locate(const std::vector<std::string_view>& lines, std::string_view section,
                   std::string_view key) {
    KeyLocation at;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (auto name = sectionName(lines[i])) {
            if (at.section) {
                break;  // the wanted section ended
            }
            if (equalsIgnoreAsciiCase(*name, section)) {
                at.section = i;
                at.sectionEnd = i + 1;
            }
            continue;
        }
        if (!at.section) {
            continue;
        }
        if (!trim(lines[i]).empty()) {
            at.sectionEnd = i + 1;
        }
        const auto name = keyName(lines[i]);
        if (!at.key && name && equalsIgnoreAsciiCase(*name, key)) {
            at.key = i;
        }
    }
    return at;
}

// Cuts GB18030 bytes to at most `limit` without splitting a character.
std::string_view cutGb18030(std::string_view bytes, size_t limit) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        size_t len = 1;
        if (c >= 0x81 && c <= 0xFE && i + 1 < bytes.size()) {
            const auto c2 = static_cast<unsigned char>(bytes[i + 1]);
            len = (c2 >= 0x30 && c2 <= 0x39) ? 4 : 2;
        }
        if (i + len > limit) {
            break;
        }
        i += len;
    }
    return bytes.substr(0, std::min(i, bytes.size()));
}

// Cuts UTF-8 to at most `limit` bytes without splitting a character.
std::string_view cutUtf8(std::string_view utf8, size_t limit) {
    if (utf8.size() <= limit) {
        return utf8;
    }
    size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) {
        --end;
    }
    return utf8.substr(0, end);
}

}  // namespace

std::string readIniValue(const std::string& path, std::string_view section, std::string_view key) {
    auto bytes = readWholeFile(path, kMaxIniFile);
    if (!bytes) {
        return {};
    }
    const std::string text = decodeTextFile(*bytes);
    const auto lines = splitLines(text);
    const KeyLocation at = locate(lines, section, key);
    if (!at.key) {
        return {};
    }
    const std::string_view line = lines[*at.key];
    const std::string value(trim(line.substr(line.find('=') + 1)));
    // The cut counts bytes as they are stored on disk: GB18030, or UTF-8 for a value that
    // GB18030 cannot carry.
    auto stored = utf8ToGb18030(value);
    if (!stored) {
        return std::string(cutUtf8(value, kIniValueLimit));
    }
    if (stored->size() <= kIniValueLimit) {
        return value;
    }
    // The cut keeps whole GB18030 characters; read as a file they could pass for UTF-8.
    const std::string_view cut = cutGb18030(*stored, kIniValueLimit);
    auto shortened = gb18030ToUtf8(cut);
    return shortened ? *shortened : decodeTextFile(cut);
}

Status writeIniValue(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view value) {
    for (std::string_view part : {section, key, value}) {
        if (part.find_first_of("\r\n", 0) != std::string_view::npos ||
            part.find('\0') != std::string_view::npos) {
            return Status::failure(core_messages::kIniLineBreak);
        }
    }
    std::string text;
    if (pathExists(path)) {
        auto bytes = readWholeFile(path, kMaxIniFile);
        if (!bytes) {
            return bytes.status();
        }
        text = decodeTextFile(*bytes);
    }
    std::vector<std::string> lines;
    for (std::string_view line : splitLines(text)) {
        lines.emplace_back(line);
    }
    const KeyLocation at =
        locate(std::vector<std::string_view>(lines.begin(), lines.end()), section, key);
    std::string entry = std::string(key) + "=" + std::string(value);
    if (at.key) {
        lines[*at.key] = std::move(entry);
    } else if (at.section) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at.sectionEnd), std::move(entry));
    } else {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(std::move(entry));
    }
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    auto encoded = encodeTextFile(out);
    if (!encoded) {
        return encoded.status();
    }
    return writeFileAtomically(path, *encoded);
}

}  // namespace velquist
