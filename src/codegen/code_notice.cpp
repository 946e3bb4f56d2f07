// Checks on the code's input, reported as one status line.
#include "codegen/code_notice.h"

#include <algorithm>
#include <vector>

#include "area_overlaps.h"
#include "codegen/messages.h"
#include "core/address.h"
#include "core/messages.h"
#include "core/template_fill.h"
#include "core/text.h"

namespace velquist {
namespace {

namespace text = codegen_messages;

constexpr size_t kNamedOverlaps = 3;

// In 64 bits: hotspots dragged far away must not overflow right and bottom.
bool encloses(const Rect& outer, const Rect& inner) {
    return outer.left <= inner.left && outer.top <= inner.top &&
           int64_t{inner.left} + inner.width <= int64_t{outer.left} + outer.width &&
           int64_t{inner.top} + inner.height <= int64_t{outer.top} + outer.height;
}

// The part of `rect` on the picture, in 64 bits like `encloses`; empty when there is none.
Rect clipped(const Rect& rect, const Rect& picture) {
    const int64_t left = std::max<int64_t>(rect.left, picture.left);
    const int64_t top = std::max<int64_t>(rect.top, picture.top);
    const int64_t right =
        std::min(int64_t{rect.left} + rect.width, int64_t{picture.left} + picture.width);
    const int64_t bottom =
        std::min(int64_t{rect.top} + rect.height, int64_t{picture.top} + picture.height);
    if (right <= left || bottom <= top) {
        return {};
    }
    return Rect{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                static_cast<int>(bottom - top)};
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A scheme as browsers read one: a letter, then letters, digits, "+", "-" or ".", then ":".
bool hasScheme(std::string_view link) {
    if (link.empty() || !isAsciiLetter(link.front())) {
        return false;
    }
    for (const char c : link.substr(1)) {
        if (c == ':') {
            return true;
        }
        if (!isAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return false;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// What one pass over a link finds: blanks (the ideographic space too), and text a shop system
// fills in on its server ("{{ url }}", "<%= url %>", "{% url %}"), whose blanks and missing
// scheme are not the page's. By hand: a notice runs over 50,000 links.
struct LinkText {
    bool blanks = false;
    bool templated = false;
};

LinkText scanLink(std::string_view link) {
    LinkText found;
    for (size_t i = 0; i < link.size(); ++i) {
        const char c = link[i];
        if (static_cast<unsigned char>(c) > ' ' && c != '{' && c != '<' && c != '\xE3') {
            continue;  // most bytes: nothing to look at
        }
        const char next = i + 1 < link.size() ? link[i + 1] : '\0';
        found.blanks =
            found.blanks || isBlank(c) ||
            (c == '\xE3' && next == '\x80' && i + 2 < link.size() && link[i + 2] == '\x80');
        found.templated =
            found.templated || ((c == '{' || c == '<') && next == '%') || (c == '{' && next == '{');
    }
    return found;
}

struct LinkConcerns {
    bool placeholder = false;
    bool noScheme = false;  // "item.taobao.com/..." is a path beside the page, not a site
    bool blanks = false;
};

// Links that say they are relative ("#top", "/x", "./x", "?q=1") were meant so.
LinkConcerns linkConcerns(std::string_view link) {
    link = trimmedTypedBlanks(link);
    LinkConcerns concerns;
    concerns.placeholder = link.empty() || link == "#";
    const LinkText text = scanLink(link);
    if (concerns.placeholder || text.templated) {
        return concerns;
    }
    const char first = link.front();
    concerns.noScheme =
        !hasScheme(link) && first != '#' && first != '/' && first != '.' && first != '?';
    concerns.blanks = text.blanks;
    return concerns;
}

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
    for (const ImageMapInput::Area& area : input.areas) {
        rects.push_back(hasPicture ? clipped(area.rect, input.background) : area.rect);
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
    for (const ImageMapInput::Area& area : input.areas) {
        const LinkConcerns link = linkConcerns(area.link);
        counts.noScheme += link.noScheme ? 1 : 0;
        counts.linkBlanks += link.blanks ? 1 : 0;
        counts.unlinked += link.placeholder ? 1 : 0;
        counts.outside += hasPicture && !encloses(input.background, area.rect) ? 1 : 0;
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
