// Per-area notes from the same checks as the code notice.
#include "codegen/area_notes.h"

#include "area_overlaps.h"
#include "code_checks.h"
#include "codegen/messages.h"

namespace velquist {
namespace {

namespace text = codegen_messages;

// Pairs named at most: beyond it a huge pile of overlapping areas would cost more than it tells.
constexpr size_t kNamedPairs = 200'000;

void addNote(std::string& notes, const char* note) {
    if (!notes.empty()) {
        notes += text::kNoteJoin;
    }
    notes += note;
}

}  // namespace

std::vector<std::string> areaNotes(const ImageMapInput& input) {
    const size_t n = input.areas.size();
    const bool hasPicture = !input.background.empty();
    const std::vector<Rect> pictures = pictureRects(input);
    std::vector<Rect> rects;
    rects.reserve(n);
    for (const ImageMapInput::Area& area : input.areas) {
        rects.push_back(hasPicture ? codegen::clippedToPictures(pictures, area.rect) : area.rect);
    }
    std::vector<char> overlaps(n, 0);
    std::vector<char> covered(n, 0);
    for (const auto& [earlier, later] : codegen::findOverlaps(rects, kNamedPairs).named) {
        overlaps[earlier] = 1;
        covered[later] = 1;
    }
    std::vector<std::string> notes(n);
    for (size_t i = 0; i < n; ++i) {
        const ImageMapInput::Area& area = input.areas[i];
        const codegen::LinkConcerns link = codegen::linkConcerns(area.link);
        std::string& note = notes[i];
        if (link.placeholder) {
            addNote(note, text::kNoteUnlinked);
        }
        if (link.noScheme) {
            addNote(note, text::kNoteNoScheme);
        }
        if (link.blanks) {
            addNote(note, text::kNoteLinkBlanks);
        }
        if (covered[i] != 0) {
            addNote(note, text::kNoteCovered);
        } else if (overlaps[i] != 0) {
            addNote(note, text::kNoteOverlap);
        }
        if (hasPicture && !codegen::onPictures(pictures, area.rect)) {
            addNote(note, text::kNoteOutside);
        }
    }
    return notes;
}

}  // namespace velquist
