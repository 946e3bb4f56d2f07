// Code text files and the preview page: GB18030 on disk, UTF-8 in the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/status.h"

namespace velquist {

// A code file larger than this is refused rather than frozen into the source box.
inline constexpr uint64_t kMaxCodeFileBytes = 32u << 20;

// What a save writes, as the save dialog's file type says.
enum class CodeFileKind { Text, WebPage };

// Where a save goes: the chosen name with the type's extension (".txt", or ".html" for a web
// page) added unless it already ends in one of the type's (".txt"; ".html" or ".htm"), in any
// letter case.
std::string withCodeExtension(std::string_view chosen, CodeFileKind kind);

// Writes `code` as GB18030 without BOM, atomically: on failure the old file is intact.
Status saveCodeFile(const std::string& path, std::string_view code);

// The text of a code file: its bytes up to the first zero byte, decoded as UTF-8 when valid,
// else as GB18030.
Result<std::string> openCodeFile(const std::string& path);

// The page template shipped with the program (UTF-8) and the marker it holds exactly once.
std::string_view pageTemplate();
inline constexpr std::string_view kPageTemplateMarker = "<!-- 950代码区 -->";

// The preview page: the code alone, or the page template with the code in place of its marker.
std::string previewPage(std::string_view code, bool insidePageTemplate);

// Writes the preview page to `<programDir>/yl.htm` and returns that path for the browser.
Result<std::string> writePreviewFile(std::string_view programDir, std::string_view code,
                                     bool insidePageTemplate);

}  // namespace velquist
