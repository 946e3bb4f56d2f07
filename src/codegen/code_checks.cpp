// The checks of one area that the code notice and the hotspot list share.
#include "code_checks.h"

#include <algorithm>

#include "core/text.h"

namespace velquist::codegen {
namespace {

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

}  // namespace

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

// Stacked pictures share their left edge, so a rectangle lies on them when its rows lie within
// the page and it is no wider than any picture it reaches.
bool onPictures(const std::vector<Rect>& pictures, const Rect& rect) {
    if (pictures.size() == 1) {
        return encloses(pictures.front(), rect);
    }
    Rect page;
    for (const Rect& picture : pictures) {
        page = page.united(picture);
    }
    if (!encloses(page, rect)) {
        return false;
    }
    const int64_t right = int64_t{rect.left} + rect.width;
    return std::none_of(pictures.begin(), pictures.end(), [&](const Rect& picture) {
        const bool sharesRows = picture.top < rect.bottom() && rect.top < picture.bottom();
        return sharesRows && right > picture.right();
    });
}

Rect clippedToPictures(const std::vector<Rect>& pictures, const Rect& rect) {
    Rect parts;
    for (const Rect& picture : pictures) {
        parts = parts.united(clipped(rect, picture));
    }
    return parts;
}

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

}  // namespace velquist::codegen
