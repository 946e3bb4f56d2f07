// Saving, opening and previewing code.
#include "codegen/code_files.h"

#include "core/encoding.h"
#include "core/file_io.h"
#include "core/program_dir.h"
#include "core/text.h"

namespace velquist::embedded {
extern const std::string_view page_template;
}  // namespace velquist::embedded

namespace velquist {
namespace {

constexpr std::string_view kTxt = ".txt";
constexpr std::string_view kHtml = ".html";
constexpr std::string_view kHtm = ".htm";

bool endsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           equalsIgnoreAsciiCase(text.substr(text.size() - end.size()), end);
}

Status writeText(const std::string& path, std::string_view text) {
    Result<std::string> bytes = encodeTextFile(text);
    if (!bytes) {
        return bytes.status();
    }
    return writeFileAtomically(path, *bytes);
}

}  // namespace

std::string withCodeExtension(std::string_view chosen, CodeFileKind kind) {
    const bool page = kind == CodeFileKind::WebPage;
    const bool hasOne =
        page ? endsWithIgnoringCase(chosen, kHtml) || endsWithIgnoringCase(chosen, kHtm)
             : endsWithIgnoringCase(chosen, kTxt);
    std::string path(chosen);
    if (!hasOne) {
        path += page ? kHtml : kTxt;
    }
    return path;
}

Status saveCodeFile(const std::string& path, std::string_view code) {
    return writeText(path, code);
}

Result<std::string> openCodeFile(const std::string& path) {
    Result<std::string> bytes = readWholeFile(path, kMaxCodeFileBytes);
    if (!bytes) {
        return bytes.status();
    }
    std::string_view content = *bytes;
    content = content.substr(0, content.find('\0'));
    return decodeTextFile(content);
}

std::string_view pageTemplate() {
    return embedded::page_template;
}

std::string previewPage(std::string_view code, bool insidePageTemplate) {
    if (!insidePageTemplate) {
        return std::string(code);
    }
    return replaceFirst(pageTemplate(), kPageTemplateMarker, code, 1);
}

Result<std::string> writePreviewFile(std::string_view programDir, std::string_view code,
                                     bool insidePageTemplate) {
    const std::string path = joinPath(programDir, kPreviewPage);
    const Status written = writeText(path, previewPage(code, insidePageTemplate));
    if (!written) {
        return written;
    }
    return path;
}

}  // namespace velquist
