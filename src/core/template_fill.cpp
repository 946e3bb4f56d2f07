// Single-pass template filling.
#include "core/template_fill.h"

#include <vector>

#include "core/text.h"

namespace velquist {
namespace {

// A piece of the result: a stretch of the template still open to matching, or an inserted value.
struct Piece {
    std::string_view text;
    bool inserted = false;
};

// Replaces up to `p.count` matches in the template pieces of `pieces`.
void apply(std::vector<Piece>& pieces, const Placeholder& p) {
    int left = p.count;
    for (size_t i = 0; i < pieces.size() && left > 0; ++i) {
        if (pieces[i].inserted) {
            continue;
        }
        const std::string_view text = pieces[i].text;
        const size_t at = findText(text, p.name, 0, p.ignoreAsciiCase);
        if (at == std::string_view::npos) {
            continue;
        }
        // Split into before | value | after; the "after" piece is examined on the next turn.
        const Piece before{text.substr(0, at)};
        const Piece after{text.substr(at + p.name.size())};
        pieces[i] = before;
        pieces.insert(pieces.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                      {Piece{p.value, true}, after});
        ++i;
        --left;
    }
}

}  // namespace

std::string fillTemplate(std::string_view templ, std::span<const Placeholder> placeholders) {
    std::vector<Piece> pieces{Piece{templ}};
    for (const Placeholder& p : placeholders) {
        if (!p.name.empty()) {
            apply(pieces, p);
        }
    }
    size_t size = 0;
    for (const Piece& piece : pieces) {
        size += piece.text.size();
    }
    std::string out;
    out.reserve(size);
    for (const Piece& piece : pieces) {
        out.append(piece.text);
    }
    return out;
}

std::string fillTemplate(std::string_view templ, std::initializer_list<Placeholder> placeholders) {
    return fillTemplate(templ,
                        std::span<const Placeholder>(placeholders.begin(), placeholders.size()));
}

}  // namespace velquist
