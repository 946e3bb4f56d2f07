// Checks on the code's input, reported as one status line.
#include "codegen/code_notice.h"

#include <algorithm>
#include <vector>

#include "area_overlaps.h"
#include "code_checks.h"
#include "codegen/messages.h"
#include "core/address.h"
#include "core/messages.h"
#include "core/template_fill.h"
#include "core/text.h"

namespace velquist {
namespace {

namespace text = codegen_messages;
using codegen::clippedToPictures;
using codegen::LinkConcerns;
using codegen::linkConcerns;
using codegen::onPictures;

constexpr size_t kNamedOverlaps = 3;

bool unsetTip(std::string_view tip) {
    tip = trimmedTypedBlanks(tip);
    return tip.empty() || tip == core_messages::kDefaultTip;
}

const char* addressConcern(std::string_view address) {
    address = trimmedTypedBlanks(address);
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

// The overlaps as the page has them; only the part on the picture can be clicked.
std::string overlapPart(const ImageMapInput& input) {
    std::vector<Rect> rects;
    rects.reserve(input.areas.size());
    const bool hasPicture = !input.background.empty();
    const std::vector<Rect> pictures = pictureRects(input);
    for (const ImageMapInput::Area& area : input.areas) {
        rects.push_back(hasPicture ? clippedToPictures(pictures, area.rect) : area.rect);
    }
    const codegen::AreaOverlaps overlaps = codegen::findOverlaps(rects, kNamedOverlaps);
    if (overlaps.count == 0) {
        return {};
    }
    std::string pairs;
    for (const auto& [earlier, later] : overlaps.named) {
        pairs += pairs.empty() ? "" : text::kNoticeOverlapJoin;
        pairs += fillTemplate(text::kNoticeOverlapPair,
                              {{"{前}", formatNumber(static_cast<int64_t>(earlier) + 1)},
                               {"{后}", formatNumber(static_cast<int64_t>(later) + 1)}});
    }
    if (overlaps.count == 1) {
        const int64_t first = static_cast<int64_t>(overlaps.named.front().first) + 1;
        return fillTemplate(text::kNoticeOverlapOne,
                            {{"{热区}", pairs}, {"{前}", formatNumber(first)}});
    }
    if (overlaps.count <= static_cast<int64_t>(kNamedOverlaps)) {
        return fillTemplate(text::kNoticeOverlapFew, {{"{热区}", pairs}});
    }
    return fillTemplate(text::kNoticeOverlapMany,
                        {{"{热区}", pairs}, {"{个数}", formatNumber(overlaps.count)}});
}

struct Counts {
    int noScheme = 0;
    int linkBlanks = 0;
    int unlinked = 0;
    int outside = 0;
    int tips = 0;
};

Counts countConcerns(const ImageMapInput& input) {
    Counts counts;
    // Without a picture there is no range to leave; the address part says what is missing.
    const bool hasPicture = !input.background.empty();
    const std::vector<Rect> pictures = pictureRects(input);
    for (const ImageMapInput::Area& area : input.areas) {
        const LinkConcerns link = linkConcerns(area.link);
        counts.noScheme += link.noScheme ? 1 : 0;
        counts.linkBlanks += link.blanks ? 1 : 0;
        counts.unlinked += link.placeholder ? 1 : 0;
        counts.outside += hasPicture && !onPictures(pictures, area.rect) ? 1 : 0;
        counts.tips += unsetTip(area.tip) ? 1 : 0;
    }
    return counts;
}

void addCount(std::vector<std::string>& parts, const char* templ, int count) {
    if (count > 0) {
        parts.push_back(fillTemplate(
            templ, {{"{个数}", formatNumber(count)}, {"{提示}", core_messages::kDefaultTip}}));
    }
}

}  // namespace

std::string codeNotice(const ImageMapInput& input) {
    const Counts counts = countConcerns(input);
    const char* address = addressConcern(input.backgroundAddress);
    const bool plainHttp = address == text::kNoticeNotHttps;
    std::vector<std::string> parts;
    if (address != nullptr && !plainHttp) {
        parts.emplace_back(address);  // no usable picture: the code shows nothing at all
    }
    addCount(parts, text::kNoticeNoScheme, counts.noScheme);
    addCount(parts, text::kNoticeLinkBlanks, counts.linkBlanks);
    addCount(parts, text::kNoticeUnlinked, counts.unlinked);
    if (std::string overlaps = overlapPart(input); !overlaps.empty()) {
        parts.push_back(std::move(overlaps));
    }
    addCount(parts, text::kNoticeOutside, counts.outside);
    if (plainHttp) {
        parts.emplace_back(address);
    }
    addCount(parts, text::kNoticeTips, counts.tips);
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
