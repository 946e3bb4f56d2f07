// Checks on the code's input, reported as one status line.
#include "codegen/code_notice.h"

#include <vector>

#include "codegen/messages.h"
#include "core/address.h"
#include "core/template_fill.h"
#include "core/text.h"

namespace velquist {
namespace {

namespace text = codegen_messages;

constexpr std::string_view kBlanks = " \t\r\n\f\v";

// In 64 bits: hotspots dragged far away must not overflow right and bottom.
bool encloses(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top &&
           int64_t{inner.left} + inner.width <= int64_t{outer.left} + outer.width &&
           int64_t{inner.top} + inner.height <= int64_t{outer.top} + outer.height;
}

bool placeholderLink(std::string_view link) {
    link = trimmed(link, kBlanks);
    return link.empty() || link == "#";
}

bool coveredByLater(const std::vector<ImageMapInput::Area>& areas, size_t index) {
    for (size_t later = index + 1; later < areas.size(); ++later) {
        if (encloses(areas[later].rect, areas[index].rect)) {
            return true;
        }
    }
    return false;
}

const char* addressConcern(std::string_view address) {
    address = trimmed(address, kBlanks);
    if (address.empty()) {
        return text::kNoticeNoPicture;
    }
    if (classifyAddress(address).kind == AddressKind::LocalFile) {
        return text::kNoticeLocalPicture;
    }
    const bool https =
        address.size() > 8 && equalsIgnoreAsciiCase(address.substr(0, 8), "https://");
    return https ? nullptr : text::kNoticeNotHttps;
}

}  // namespace

std::string codeNotice(const ImageMapInput& input) {
    int unlinked = 0;
    int outside = 0;
    int covered = 0;
    // Without a picture there is no range to leave; the address part says what is missing.
    const bool hasPicture = !input.background.empty();
    for (size_t i = 0; i < input.areas.size(); ++i) {
        const ImageMapInput::Area& area = input.areas[i];
        unlinked += placeholderLink(area.link) ? 1 : 0;
        outside += hasPicture && !encloses(input.background, area.rect) ? 1 : 0;
        covered += coveredByLater(input.areas, i) ? 1 : 0;
    }
    std::vector<std::string> parts;
    const std::pair<int, const char*> counts[] = {
        {unlinked, text::kNoticeUnlinked},
        {outside, text::kNoticeOutside},
        {covered, text::kNoticeCovered},
    };
    for (const auto& [count, templ] : counts) {
        if (count > 0) {
            parts.push_back(fillTemplate(templ, {{"{个数}", formatNumber(count)}}));
        }
    }
    if (const char* concern = addressConcern(input.backgroundAddress)) {
        parts.emplace_back(concern);
    }
    if (parts.empty()) {
        return {};
    }
    std::string notice = text::kNoticeLead;
    for (size_t i = 0; i < parts.size(); ++i) {
        notice += i == 0 ? "" : text::kNoticeSeparator;
        notice += parts[i];
    }
    return notice;
}

}  // namespace velquist
