// Fuzz target: opening a code file from anywhere, then what the code window does with its text
// (click-outline toggle, Tabs widget) and saving it again.
#include "codegen/click_outline.h"
#include "codegen/code_files.h"
#include "codegen/messages.h"
#include "codegen/tabs_widget.h"
#include "core/encoding.h"
#include "core/text.h"
#include "fuzz_support.h"

using namespace velquist;

namespace {

void checkOpened(std::string_view bytes, const std::string& text) {
    fuzz::require(isValidUtf8(text), "opened code is valid UTF-8");
    fuzz::require(text.find('\0') == std::string::npos, "opened code stops at a zero byte");
    std::string_view body = bytes.substr(0, bytes.find('\0'));
    const bool bom = body.starts_with("\xEF\xBB\xBF");
    if (bom) {
        body.remove_prefix(3);
    }
    if (isValidUtf8(body)) {
        // Without a BOM, bytes that are GBK as well may be read as GBK.
        const Result<std::string> gbk = gb18030ToUtf8(body);
        fuzz::require(text == body || (!bom && gbk && text == *gbk),
                      "UTF-8 code opens as itself, or as GBK when it is that too");
    }
}

// Removing the outlines and restoring them gives the code back, unless it already held the
// outline-free form in some letter case (which the restore turns into the plain one as well).
void checkOutlineRoundTrip(const std::string& text) {
    const OutlineToggle removed =
        toggleClickOutline(text, false);
    const OutlineToggle restored = toggleClickOutline(removed.text, removed.removed);
    if (asciiLower(text).find(kOutlineFreeAreaForm) == std::string::npos) {
        fuzz::require(restored.text == text, "outline removal is undone by the restore");
    }
}

void checkTabsWidget(const std::string& text) {
    std::string_view rest = text;
    TabsWidgetInput input;
    input.width = fuzz::takeLine(rest);
    input.height = fuzz::takeLine(rest);
    input.topSpacing = fuzz::takeLine(rest);
    input.offset = fuzz::takeLine(rest);
    input.code = rest;
    for (int edition : {0, 1}) {
        input.editionIndex = edition;
        const std::string snippet = convertToTabsWidget(input, kClassNumberMin);
        fuzz::require(snippet.find(input.code) != std::string::npos, "the snippet holds the code");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzz::MemoryFile source;
    static const fuzz::ScratchDir dir;
    static const std::string saved = dir.file("code.txt");
    const std::string_view bytes = fuzz::asBytes(data, size);
    source.assign(bytes);
    const Result<std::string> text = openCodeFile(source.path());
    fuzz::require(text.ok(), "a small file opens");
    checkOpened(bytes, *text);
    checkOutlineRoundTrip(*text);
    checkTabsWidget(*text);

    fuzz::require(saveCodeFile(saved, *text).ok(), "opened code can be saved");
    const Result<std::string> reopened = openCodeFile(saved);
    fuzz::require(reopened.ok() && *reopened == *text, "saved code opens as it was");
    return 0;
}
