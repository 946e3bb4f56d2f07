// Everything the code-output window does, without the window: the shell passes in what its
// controls hold and applies the returned update.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "codegen/click_outline.h"
#include "codegen/code_files.h"
#include "codegen/image_map.h"
#include "codegen/status_line.h"

namespace velquist {

// Code keeps CR LF line breaks; a Qt text box hands its text back with bare LF, U+2029 between
// paragraphs and U+2028 where Shift+Enter broke a line. Each separator becomes LF, every LF that
// has no CR before it gets one; everything else is kept.
std::string withCrLf(std::string_view text);

// What the window must do after an action, besides showing statusCaption() and
// outlineCaption() afresh.
struct WindowUpdate {
    std::optional<std::string> source;     // new text of the source box
    std::optional<std::string> clipboard;  // text to put on the clipboard
    std::optional<std::string> openPath;   // file to open in the default program (preview)
    bool startStatusTimer = false;         // start a single-shot timer of kStatusTimerMs
};

// The state of one code-output window that no visible control holds.
class CodeOutputSession {
public:
    // `programDir` is where the preview page goes.
    explicit CodeOutputSession(std::string programDir);

    const std::string& statusCaption() const { return m_status.caption(); }
    std::string_view outlineCaption() const { return velquist::outlineCaption(m_outlineRemoved); }
    // The name the file dialog offers: the last one chosen, in either mode.
    const std::string& lastChosenFile() const { return m_lastChosenFile; }

    // Generate-code action of the main window: fresh code and picture size, no message.
    WindowUpdate generate(const ImageMapInput& input);
    // Fresh code only; the picture size and the outline caption stay.
    WindowUpdate regenerate(const ImageMapInput& input);
    WindowUpdate copy(std::string_view code);
    // `chosen` is the file dialog's answer, nothing meaning cancelled; `kind` its file type.
    WindowUpdate save(const std::optional<std::string>& chosen, std::string_view code,
                      CodeFileKind kind = CodeFileKind::Text);
    WindowUpdate open(const std::optional<std::string>& chosen);
    WindowUpdate preview(std::string_view code, bool insidePageTemplate);
    WindowUpdate toggleClickOutline(std::string_view code);
    WindowUpdate convertToTabsWidget(std::string_view code, int editionIndex,
                                     std::string_view topSpacing, std::string_view offset);
    // The shell's single-shot status timer fired.
    void statusTimerFired() { m_status.timerFired(); }

private:
    WindowUpdate report(std::string_view message, bool withTimer);

    std::string m_programDir;
    StatusLine m_status;
    bool m_outlineRemoved = false;
    std::string m_lastChosenFile;
    PictureSizeText m_pictureSize;  // from the last generate-code action, for the conversion
};

}  // namespace velquist
