// Pasted addresses: one a line, blanks ignored, the count checked.
#include "slicing/address_list.h"

#include <vector>

#include "core/page_picture.h"
#include "core/template_fill.h"
#include "core/text.h"
#include "slicing/messages.h"

namespace velquist {

Result<std::string> pastedAddresses(std::string_view pasted, size_t pictures) {
    std::vector<PagePicture> found;
    for (const std::string& line : pageAddresses(pasted)) {
        // A list copied on Windows ends its lines with "\r\n"; the trim takes the '\r'.
        const std::string_view address = trimmedTypedBlanks(line);
        if (!address.empty()) {
            found.push_back({std::string(address)});
        }
    }
    if (found.size() != pictures) {
        return Status::failure(fillTemplate(
            slicing_messages::kAddressCountMismatch,
            {{"{地址}", std::to_string(found.size())}, {"{图片}", std::to_string(pictures)}}));
    }
    return joinedAddresses(found);
}

}  // namespace velquist
