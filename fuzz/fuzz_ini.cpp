// Fuzz target: INI reading, and a write into the same file that must keep every other line.
// Input: a section line, a key line, a value line, then the file's bytes.
#include <algorithm>

#include "core/encoding.h"
#include "core/file_io.h"
#include "core/ini_file.h"
#include "fuzz_support.h"

using namespace velquist;

namespace {

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        std::string_view line = fuzz::takeLine(text);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
    }
    return lines;
}

bool hasEdgeBlank(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    return !s.empty() && (blank(s.front()) || blank(s.back()));
}

// A name or value the writer takes and the reader gives back unchanged.
bool isPlain(std::string_view s, std::string_view forbidden) {
    return isValidUtf8(s) && !hasEdgeBlank(s) &&
           s.find_first_of(forbidden) == std::string_view::npos;
}

void checkRead(const std::string& path, std::string_view section, std::string_view key) {
    const std::string value = readIniValue(path, section, key);
    fuzz::require(isValidUtf8(value), "values are valid UTF-8");
    // Values with characters that GB18030 conversion lacks have no stored length to cut at.
    const Result<std::string> stored = utf8ToGb18030(value);
    fuzz::require(!stored.ok() || stored->size() <= kIniValueLimit, "values keep the length limit");
}

// Writing one key leaves every other line as it was: the files differ in one place only, where
// at most one old line gave way to at most two new ones.
void checkOtherLinesKept(const std::vector<std::string>& before,
                         const std::vector<std::string>& after) {
    const size_t shorter = std::min(before.size(), after.size());
    size_t same = 0;
    while (same < shorter && before[same] == after[same]) {
        ++same;
    }
    size_t sameEnd = 0;
    while (same + sameEnd < shorter &&
           before[before.size() - 1 - sameEnd] == after[after.size() - 1 - sameEnd]) {
        ++sameEnd;
    }
    fuzz::require(before.size() - same - sameEnd <= 1 && after.size() - same - sameEnd <= 2,
                  "a write keeps every other line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzz::ScratchDir dir;
    static const std::string path = dir.file("gx.ini");
    std::string_view rest = fuzz::asBytes(data, size);
    const std::string_view section = fuzz::takeLine(rest);
    const std::string_view key = fuzz::takeLine(rest);
    const std::string_view value = fuzz::takeLine(rest);
    fuzz::require(writeFileAtomically(path, std::string(rest)).ok(), "scratch file written");
    checkRead(path, section, key);

    const Result<std::string> storedValue = utf8ToGb18030(value);
    const bool plain = !section.empty() && !key.empty() &&
                       isPlain(section, std::string_view("[]\r\n\0", 5)) &&
                       isPlain(key, std::string_view("[=\r\n\0", 5)) &&
                       isPlain(value, std::string_view("\r\n\0", 3)) &&
                       (!storedValue.ok() || storedValue->size() <= kIniValueLimit);
    if (!plain) {
        return 0;
    }
    const std::vector<std::string> before = linesOf(decodeTextFile(rest));
    fuzz::require(writeIniValue(path, section, key, value).ok(), "a plain value can be written");
    fuzz::require(readIniValue(path, section, key) == value, "a written value reads back");
    checkOtherLinesKept(before, linesOf(decodeTextFile(*readWholeFile(path))));
    return 0;
}
