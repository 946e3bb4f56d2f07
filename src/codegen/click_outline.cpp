// Click-outline toggle.
#include "codegen/click_outline.h"

#include "codegen/messages.h"
#include "core/text.h"

namespace velquist {

OutlineToggle toggleClickOutline(std::string_view text, std::string_view caption) {
    namespace msg = codegen_messages;
    const bool removing = caption == msg::kRemoveOutlineCaption;
    const std::string_view from = removing ? kPlainAreaForm : kOutlineFreeAreaForm;
    const std::string_view to = removing ? kOutlineFreeAreaForm : kPlainAreaForm;
    const int32_t n = countOccurrences(text, from);
    if (n <= 0) {
        // A failed remove keeps its mode; a failed restore has switched back all the same.
        return {std::string(text), false, msg::kRemoveOutlineCaption,
                removing ? msg::kOutlineRemoveFailed : msg::kOutlineRestoreFailed};
    }
    std::string result = replaceFirst(text, from, to, n);
    const bool changed = result != text;
    return {std::move(result), changed,
            removing ? msg::kRestoreOutlineCaption : msg::kRemoveOutlineCaption,
            removing ? msg::kOutlineRemoved : msg::kOutlineRestored};
}

}  // namespace velquist
