// Byte-level text routines shared by every module (UTF-8 in, UTF-8 out).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velquist {

// Reads user text as a 32-bit integer: full-width forms become ASCII, then leading blanks, an
// optional sign and the leading decimal digits are taken. No number gives 0; values beyond the
// 32-bit range saturate.
int32_t textToInteger(std::string_view text);

// Plain decimal, "-" in front when negative.
std::string formatNumber(int64_t value);

// A size limit as people read it: "64 MiB" for whole mebibytes, else "1000 字节".
std::string formatByteSize(uint64_t bytes);

// ASCII A-Z folded to a-z; every other byte unchanged (so multi-byte characters pass intact).
std::string asciiLower(std::string_view text);
// ASCII A-Z match a-z; every other byte must be equal (so multi-byte characters pass intact).
bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b);

// 0..15 for an ASCII hex digit of either case, else -1.
int hexDigitValue(char c);

// `text` without the leading and trailing characters found in `blanks`.
std::string_view trimmed(std::string_view text, std::string_view blanks);
// `text` without the blanks a user types around a value: ASCII white space, line breaks and the
// ideographic space U+3000 of Chinese input methods.
std::string_view trimmedTypedBlanks(std::string_view text);

// Position of the first occurrence of `pattern` at or after `from`, or npos. Matching a valid
// UTF-8 pattern in UTF-8 text never starts inside a character.
size_t findText(std::string_view text, std::string_view pattern, size_t from = 0,
                bool ignoreAsciiCase = false);

// Non-overlapping occurrences of `pattern`; ASCII letters match in either case unless
// `caseSensitive`. Empty text or pattern gives 0.
int32_t countOccurrences(std::string_view text, std::string_view pattern,
                         bool caseSensitive = false);

// Replaces at most `limit` exact occurrences, scanning from the start.
std::string replaceFirst(std::string_view text, std::string_view pattern,
                         std::string_view replacement, int64_t limit);

}  // namespace velquist
