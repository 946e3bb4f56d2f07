// Click-outline toggle.
#include "codegen/click_outline.h"

#include <utility>

#include "codegen/messages.h"
#include "core/text.h"

namespace velquist {
namespace {

constexpr std::string_view kAreaTag = "<area";
constexpr std::string_view kOutlineStyle = " style=\"outline:none;\"";
constexpr std::string_view kShapeAttribute = " shape=";

// The style goes in after "<area" as an attribute of its own, so the shape attribute stays and
// the tag stays well-formed. Forms in any letter case are changed, their letters kept.
std::string removeOutlines(std::string_view text, int32_t limit) {
    std::string out;
    size_t from = 0;
    for (int32_t done = 0; done < limit; ++done) {
        const size_t at = findText(text, kPlainAreaForm, from, true);
        if (at == std::string_view::npos) {
            break;
        }
        const size_t afterTag = at + kAreaTag.size();
        out.append(text.substr(from, afterTag - from));
        out.append(kOutlineStyle);
        from = afterTag;
    }
    out.append(text.substr(from));
    return out;
}

// Takes the style out again. Files saved before the style became an attribute of its own hold
// it in place of " shape=" ("<area style=\"outline:none;\"\"rect\""); those get " shape=" back.
std::string restoreOutlines(std::string_view text, int32_t limit) {
    std::string out;
    size_t from = 0;
    for (int32_t done = 0; done < limit; ++done) {
        const size_t at = findText(text, kOutlineFreeAreaForm, from, true);
        if (at == std::string_view::npos) {
            break;
        }
        out.append(text.substr(from, at + kAreaTag.size() - from));
        from = at + kOutlineFreeAreaForm.size();
        const std::string_view next = text.substr(from, kShapeAttribute.size());
        if (!equalsIgnoreAsciiCase(next, kShapeAttribute)) {
            out.append(kShapeAttribute);
        }
    }
    out.append(text.substr(from));
    return out;
}

}  // namespace

std::string_view outlineCaption(bool removed) {
    return removed ? codegen_messages::kRestoreOutlineCaption
                   : codegen_messages::kRemoveOutlineCaption;
}

OutlineToggle toggleClickOutline(std::string_view text, bool removed) {
    namespace msg = codegen_messages;
    const bool removing = !removed;
    const int32_t n = countOccurrences(text, removing ? kPlainAreaForm : kOutlineFreeAreaForm);
    if (n <= 0) {
        // A failed remove keeps its mode; a failed restore has switched back all the same.
        return {std::string(text), false, false,
                removing ? msg::kOutlineRemoveFailed : msg::kOutlineRestoreFailed};
    }
    std::string result = removing ? removeOutlines(text, n) : restoreOutlines(text, n);
    const bool changed = result != text;
    return {std::move(result), changed, removing,
            removing ? msg::kOutlineRemoved : msg::kOutlineRestored};
}

}  // namespace velquist
