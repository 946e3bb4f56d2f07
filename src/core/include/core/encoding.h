// Conversion between the program's UTF-8 text and GB18030 bytes on disk.
#pragma once

#include <string>
#include <string_view>

#include "core/status.h"

namespace velquist {

bool isValidUtf8(std::string_view bytes);

// False where the system lacks GB18030 and converts through GBK instead (Wine has no code page
// 54936): characters outside GBK then fail to convert.
bool systemHasGb18030();

// Strict conversions: any invalid or incomplete input is a failure, never a partial result.
Result<std::string> utf8ToGb18030(std::string_view utf8);
Result<std::string> gb18030ToUtf8(std::string_view gb);

// Text of a file read from disk. A UTF-8 BOM decides (and is dropped); bytes that are not UTF-8
// are GB18030. Bytes valid both ways are weighed: common GBK characters that happen to be
// valid UTF-8 ("女装", "童装", "偏") read as GBK, real UTF-8 text as UTF-8, ASCII as it is.
// Bytes that are not GB18030 either become U+FFFD so that the rest of the text survives.
std::string decodeTextFile(std::string_view bytes);

// Bytes of a text file that decodeTextFile reads back as `utf8`: GB18030 without BOM, except
// for the rare text that GB18030 cannot carry here: text whose GB18030 bytes are also valid,
// different UTF-8 (a lone "偏" is C6 AB, which is UTF-8 for "ƫ"), or that holds one of the
// private-use characters iconv's GB18030 lacks (U+E78D...). Such text is stored as UTF-8 with a
// BOM, so that nothing is lost. Fails only for invalid UTF-8.
Result<std::string> encodeTextFile(std::string_view utf8);

}  // namespace velquist
