// Code-output actions and their reports.
#include "codegen/code_output_session.h"

#include <utility>

#include "codegen/click_outline.h"
#include "codegen/code_files.h"
#include "codegen/messages.h"
#include "codegen/tabs_widget.h"

namespace velquist {

namespace msg = codegen_messages;

std::string withCrLf(std::string_view text) {
    constexpr std::string_view kLineSeparator = "\u2028";
    constexpr std::string_view kParagraphSeparator = "\u2029";
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    char previous = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        const std::string_view rest = text.substr(i);
        if (rest.starts_with(kLineSeparator) || rest.starts_with(kParagraphSeparator)) {
            c = '\n';
            i += kLineSeparator.size() - 1;
        }
        if (c == '\n' && previous != '\r') {
            out += '\r';
        }
        out += c;
        previous = c;
    }
    return out;
}

CodeOutputSession::CodeOutputSession(std::string programDir)
    : m_programDir(std::move(programDir)) {}

WindowUpdate CodeOutputSession::report(std::string_view message, bool withTimer) {
    WindowUpdate update;
    update.startStatusTimer = m_status.show(message, withTimer);
    return update;
}

WindowUpdate CodeOutputSession::generate(const ImageMapInput& input) {
    m_pictureSize = pictureSizeText(input);
    WindowUpdate update;
    update.source = generateImageMap(input);
    return update;
}

WindowUpdate CodeOutputSession::regenerate(const ImageMapInput& input) {
    WindowUpdate update = report(msg::kRegenerated, true);
    update.source = generateImageMap(input);
    return update;
}

WindowUpdate CodeOutputSession::copy(std::string_view code) {
    WindowUpdate update = report(msg::kCopied, true);
    update.clipboard = std::string(code);
    return update;
}

// Save reports without the timer, so that a failure stays readable.
WindowUpdate CodeOutputSession::save(const std::optional<std::string>& chosen,
                                     std::string_view code, CodeFileKind kind) {
    if (!chosen || chosen->empty()) {
        return report(msg::kSaveCancelled, false);
    }
    m_lastChosenFile = *chosen;
    const Status saved = saveCodeFile(withCodeExtension(*chosen, kind), code);
    if (!saved) {
        return report(std::string(msg::kSaveFailed) + saved.message(), false);
    }
    return report(msg::kSaved, false);
}

// A file that cannot be read leaves the source box as it was.
WindowUpdate CodeOutputSession::open(const std::optional<std::string>& chosen) {
    if (!chosen || chosen->empty()) {
        return report(msg::kOpenCancelled, true);
    }
    m_lastChosenFile = *chosen;
    Result<std::string> text = openCodeFile(*chosen);
    if (!text) {
        return report(std::string(msg::kOpenFailed) + text.error(), true);
    }
    WindowUpdate update = report(msg::kOpened, true);
    update.source = std::move(*text);
    return update;
}

// Success shows nothing; a failure is reported instead of opening a stale page.
WindowUpdate CodeOutputSession::preview(std::string_view code, bool insidePageTemplate) {
    Result<std::string> path = writePreviewFile(m_programDir, code, insidePageTemplate);
    if (!path) {
        return report(std::string(msg::kPreviewFailed) + path.error(), false);
    }
    WindowUpdate update;
    update.openPath = std::move(*path);
    return update;
}

WindowUpdate CodeOutputSession::toggleClickOutline(std::string_view code) {
    OutlineToggle toggled = velquist::toggleClickOutline(code, m_outlineRemoved);
    m_outlineRemoved = toggled.removed;
    WindowUpdate update = report(toggled.message, true);
    if (toggled.textChanged) {
        update.source = std::move(toggled.text);
    }
    return update;
}

WindowUpdate CodeOutputSession::convertToTabsWidget(std::string_view code, int editionIndex,
                                                    std::string_view topSpacing,
                                                    std::string_view offset) {
    const TabsWidgetInput input{
        editionIndex, m_pictureSize.width, m_pictureSize.height, topSpacing, offset, code};
    std::string snippet = velquist::convertToTabsWidget(input);
    WindowUpdate update = report(msg::kTabsConverted, true);
    update.clipboard = snippet;
    update.source = std::move(snippet);
    return update;
}

}  // namespace velquist
