// Choosing what to propose among the blocks of a page.
#include "layout_rules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "repetition.h"

namespace velquist::suggest_detail {
namespace {

constexpr int kStackGap = 14;  // parts of one card lie closer together than two cards
constexpr int kSmallest = 16;  // smaller boxes are specks, icons or rules

struct Candidate {
    Rect box;
    SuggestionKind kind = SuggestionKind::Block;
    double score = 0;
    int group = -1;  // candidates of one repeated group share it
};

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

// Across the whole page: a band, a banner picture or a rule, not something to link.
bool edgeToEdge(const Rect& box, const Page& page) {
    const int margin = page.width / 100 + 1;
    return box.left <= margin && box.right() >= page.width - margin;
}

bool decoration(const Rect& box, const Page& page) {
    return box.width < kSmallest || box.height < kSmallest || edgeToEdge(box, page);
}

// A box on its own this small and not wider than tall is a boxy character of a title (日, 口)
// or an icon, not a button.
bool glyphSized(const Rect& box) {
    return box.width < 48 || box.height < 20 || (box.width * 5 < box.height * 6 && box.width < 80);
}

SuggestionKind repeatedKind(const Rect& box) {
    if (box.height <= 64) {
        return SuggestionKind::MenuItem;
    }
    return box.width * 10 >= box.height * 18 && box.height <= 200 ? SuggestionKind::Coupon
                                                                  : SuggestionKind::Card;
}

SuggestionKind singleKind(const Rect& box) {
    return box.height <= 72 && box.width <= 360 ? SuggestionKind::Button : SuggestionKind::Block;
}

// Boxes drawn as boxes, grouped when several of one size line up.
void addBoxed(const std::vector<Component>& components, const Page& page,
              std::vector<Candidate>& out) {
    std::vector<Rect> boxes;
    for (const Component& c : components) {
        if (c.boxed && !decoration(c.box, page)) {
            boxes.push_back(c.box);
        }
    }
    const std::vector<int> groups = repeatedGroups(boxes);
    for (size_t i = 0; i < boxes.size(); ++i) {
        const bool repeated = groups[i] >= 0;
        if (!repeated && glyphSized(boxes[i])) {
            continue;
        }
        out.push_back(Candidate{boxes[i], repeated ? repeatedKind(boxes[i]) : singleKind(boxes[i]),
                                repeated ? 3.0 : 2.0, repeated ? groups[i] : -1});
    }
}

// Parts outside any drawn box, stacked; only stacks that repeat are cards.
void addStacks(const std::vector<Component>& components, const Page& page,
               std::vector<Candidate>& out) {
    std::vector<Rect> parts;
    for (const Component& c : components) {
        if (!edgeToEdge(c.box, page) && (c.box.width >= 4 || c.box.height >= 4)) {
            parts.push_back(c.box);
        }
    }
    const std::vector<Rect> stacks = stackParts(parts, kStackGap);
    std::vector<Rect> tall;
    for (const Rect& s : stacks) {
        if (!decoration(s, page) && s.height >= 3 * kSmallest && s.width >= 3 * kSmallest) {
            tall.push_back(s);
        }
    }
    const std::vector<int> groups = repeatedGroups(tall);
    for (size_t i = 0; i < tall.size(); ++i) {
        if (groups[i] >= 0) {
            out.push_back(Candidate{tall[i], repeatedKind(tall[i]), 2.5, 100000 + groups[i]});
        }
    }
}

void addNavigation(const std::vector<Component>& components, const Page& page,
                   std::vector<Candidate>& out) {
    // Words inside a drawn box are its title or price, not a menu.
    std::vector<Rect> boxes;
    for (const Component& c : components) {
        if (c.boxed) {
            boxes.push_back(c.box);
        }
    }
    std::vector<Rect> words;
    for (const Component& c : components) {
        const bool enclosed = std::any_of(boxes.begin(), boxes.end(), [&](const Rect& box) {
            return box.width > c.box.width && inside(c.box, box);
        });
        const bool inProposal = std::any_of(
            out.begin(), out.end(), [&](const Candidate& k) { return inside(c.box, k.box); });
        if (!c.boxed && !enclosed && !inProposal) {
            words.push_back(c.box);
        }
    }
    static const std::vector<int> kNone;
    const std::vector<Rect> cells =
        navigationCells(words, page.bandBoundaries ? *page.bandBoundaries : kNone);
    const int group = 200000 + int(out.size());
    for (const Rect& cell : cells) {
        out.push_back(Candidate{cell, SuggestionKind::MenuItem, 2.2, group});
    }
}

bool within(const Rect& inner, const Rect& outer, int slack) {
    return inner.left >= outer.left - slack && inner.right() <= outer.right() + slack;
}

// Whether b belongs under a as another part of one card: in a's columns (or a in b's), close
// below it, with nothing wider between them.
bool partBelow(const Rect& a, const Rect& b, const std::vector<Component>& components) {
    const int gap = b.top - a.bottom();
    if (gap < 0 || gap * 4 > 3 * std::max(a.height, b.height) ||
        !(within(b, a, 4) || within(a, b, 4))) {
        return false;
    }
    const Rect columns = a.united(b);
    const Rect between{columns.left, a.bottom(), columns.width, gap};
    return std::none_of(components.begin(), components.end(), [&](const Component& c) {
        return !c.box.intersected(between).empty() && !within(c.box, columns, 8);
    });
}

// Two repeated groups whose members pair up one above the other, always at the same offset, are
// the parts of repeated cards: each pair becomes one card.
std::vector<size_t> membersOf(const std::vector<Candidate>& all, int group) {
    std::vector<size_t> out;
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].group == group) {
            out.push_back(i);
        }
    }
    return out;
}

// For each upper member, the lower member under it, at the first pair's offset; nothing when
// one has none.
std::optional<std::vector<size_t>> pairUp(const std::vector<Candidate>& all,
                                          const std::vector<size_t>& upper,
                                          const std::vector<size_t>& lower,
                                          const std::vector<Component>& components) {
    std::vector<size_t> partner(upper.size(), SIZE_MAX);
    for (size_t u = 0; u < upper.size(); ++u) {
        const Rect& top = all[upper[u]].box;
        for (size_t l = 0; l < lower.size() && partner[u] == SIZE_MAX; ++l) {
            const Rect& under = all[lower[l]].box;
            const bool sameOffset =
                u == 0 || std::abs((under.top - top.top) -
                                   (all[lower[partner[0]]].box.top - all[upper[0]].box.top)) <= 4;
            if (sameOffset && partBelow(top, under, components)) {
                partner[u] = l;
            }
        }
        if (partner[u] == SIZE_MAX) {
            return std::nullopt;
        }
    }
    return partner;
}

bool mergeGroups(std::vector<Candidate>& all, int a, int b,
                 const std::vector<Component>& components) {
    const std::vector<size_t> upper = membersOf(all, a);
    const std::vector<size_t> lower = membersOf(all, b);
    if (upper.size() != lower.size() || upper.size() < 2) {
        return false;
    }
    const auto partner = pairUp(all, upper, lower, components);
    if (!partner) {
        return false;
    }
    for (size_t u = 0; u < upper.size(); ++u) {
        Candidate& card = all[upper[u]];
        card.box = card.box.united(all[lower[(*partner)[u]]].box);
        card.kind = repeatedKind(card.box);
        card.score = 3.0;
        all[lower[(*partner)[u]]].group = -2;  // taken into the card
    }
    std::erase_if(all, [](const Candidate& c) { return c.group == -2; });
    return true;
}

void mergeRepeatedParts(std::vector<Candidate>& all, const std::vector<Component>& components) {
    for (bool merged = true; merged;) {
        merged = false;
        std::vector<int> groups;
        for (const Candidate& c : all) {
            if (c.group >= 0 && std::find(groups.begin(), groups.end(), c.group) == groups.end()) {
                groups.push_back(c.group);
            }
        }
        for (size_t i = 0; i < groups.size() && !merged; ++i) {
            for (size_t j = 0; j < groups.size() && !merged; ++j) {
                merged = i != j && mergeGroups(all, groups[i], groups[j], components);
            }
        }
    }
}

// A container gives way to the members of one repeated group inside it; otherwise what lies
// inside a proposal is a part of it.
std::vector<bool> resolveContainment(const std::vector<Candidate>& all) {
    std::vector<bool> keep(all.size(), true);
    for (size_t i = 0; i < all.size(); ++i) {
        std::vector<int> count;
        bool hasRepeats = false;
        for (size_t j = 0; j < all.size(); ++j) {
            if (i == j || all[j].group < 0 || !inside(all[j].box, all[i].box) ||
                all[j].box == all[i].box) {
                continue;
            }
            const int n = int(std::count_if(all.begin(), all.end(), [&](const Candidate& c) {
                return c.group == all[j].group && inside(c.box, all[i].box);
            }));
            hasRepeats = hasRepeats || n >= 2;
        }
        if (hasRepeats) {
            keep[i] = false;
        }
    }
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t j = 0; j < all.size() && keep[i]; ++j) {
            const bool sameBox = all[i].box == all[j].box;
            if (i != j && keep[j] && inside(all[i].box, all[j].box) && (!sameBox || j < i)) {
                keep[i] = false;
            }
        }
    }
    return keep;
}

}  // namespace

std::vector<Suggestion> layoutProposals(const std::vector<Component>& components,
                                        const Page& page) {
    std::vector<Candidate> all;
    addBoxed(components, page, all);
    addStacks(components, page, all);
    mergeRepeatedParts(all, components);
    addNavigation(components, page, all);
    const std::vector<bool> keep = resolveContainment(all);
    std::vector<Suggestion> out;
    for (size_t i = 0; i < all.size(); ++i) {
        if (keep[i]) {
            out.push_back(Suggestion{all[i].box, all[i].kind, all[i].score});
            // A lone box as tall as wide holding a picture and a button is a card.
            const auto parts = std::count_if(all.begin(), all.end(), [&](const Candidate& c) {
                return !(c.box == all[i].box) && inside(c.box, all[i].box);
            });
            if (all[i].kind == SuggestionKind::Block && parts >= 2 &&
                all[i].box.height >= all[i].box.width) {
                out.back().kind = SuggestionKind::Card;
            }
        }
    }
    return out;
}

}  // namespace velquist::suggest_detail
