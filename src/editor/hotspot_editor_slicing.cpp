// Slicing the picture: the cut lines over it and the pointer on them, the map turned into a
// stacked page of the exported slices, and the page's addresses replaced by uploaded ones.
#include <string>

#include "core/page_picture.h"
#include "core/program_dir.h"
#include "core/template_fill.h"
#include "editor/hotspot_editor.h"
#include "slicing/address_list.h"
#include "slicing/cut_proposal.h"
#include "slicing/messages.h"

namespace velquist {

Said HotspotEditor::showCutLines(int maxSliceHeight) {
    const Background& b = m_map.background();
    if (b.picture == nullptr) {
        m_cuts.reset();
        return slicing_messages::kSliceWithoutPicture;
    }
    std::vector<Rect> around;
    for (const Hotspot& h : m_map.hotspots()) {
        around.push_back(h.rect.translated(-b.position.x, -b.position.y));
    }
    m_cuts = Slicing{b.picture,
                     CutLines(proposeCuts(*b.picture, around, maxSliceHeight), b.picture->height)};
    return fillTemplate(slicing_messages::kCutLinesShown,
                        {{"{数量}", std::to_string(m_cuts->lines.rows().size())}});
}

std::shared_ptr<const Picture> HotspotEditor::slicedPicture() const {
    const bool current = m_cuts && m_cuts->picture == m_map.background().picture;
    return current ? m_cuts->picture : nullptr;
}

std::vector<Rect> HotspotEditor::cutLineMarks() const {
    std::vector<Rect> marks;
    if (slicedPicture() != nullptr) {
        const Rect picture = m_map.background().rect();
        for (int row : m_cuts->lines.rows()) {
            marks.push_back({picture.left, picture.top + row, picture.width, 1});
        }
    }
    return marks;
}

std::vector<int> HotspotEditor::cuts() const {
    return slicedPicture() != nullptr ? m_cuts->lines.cuts() : std::vector<int>{};
}

bool HotspotEditor::overCutLine(Point at) const {
    if (slicedPicture() == nullptr) {
        return false;
    }
    const Rect picture = m_map.background().rect();
    const bool across = at.x >= picture.left && at.x < picture.left + picture.width;
    return across && m_cuts->lines.near(at.y - picture.top).has_value();
}

bool HotspotEditor::pressCutLine(const PointerInput& input) {
    if (input.button != PointerButton::Left || input.handle || !overCutLine(input.at)) {
        return false;
    }
    return m_cuts->lines.grab(input.at.y - m_map.background().position.y);
}

Said HotspotEditor::cutLinesStatus() const {
    const size_t lines = m_cuts ? m_cuts->lines.cuts().size() : 0;
    return fillTemplate(slicing_messages::kCutLinesNow,
                        {{"{数量}", std::to_string(lines)}, {"{片数}", std::to_string(lines + 1)}});
}

bool HotspotEditor::dragCutLine(const PointerInput& input) {
    if (!m_cuts || !m_cuts->lines.holding()) {
        return false;
    }
    if (input.button != PointerButton::Left) {
        m_cuts->lines.release(input.at.y - m_map.background().position.y);  // release unseen
    } else {
        m_cuts->lines.drag(input.at.y - m_map.background().position.y);
    }
    return true;
}

bool HotspotEditor::releaseCutLine(const PointerInput& input) {
    if (!m_cuts || !m_cuts->lines.holding() || input.button != PointerButton::Left) {
        return false;
    }
    m_cuts->lines.release(input.at.y - m_map.background().position.y);
    return true;
}

Said HotspotEditor::doubleClick(const PointerInput& input) {
    const Rect picture = m_map.background().rect();
    // A double-click on a line took that line with its press: there is one there already.
    if (slicedPicture() != nullptr && input.button == PointerButton::Left && !input.handle &&
        !m_cuts->lines.holding() && picture.contains(input.at.x, input.at.y)) {
        m_cuts->lines.add(input.at.y - picture.top);
        return cutLinesStatus();
    }
    return std::nullopt;
}

Said HotspotEditor::sliceProgress(size_t done, size_t total) {
    return fillTemplate(slicing_messages::kSliceExporting,
                        {{"{已完成}", std::to_string(done)}, {"{总数}", std::to_string(total)}});
}

Said HotspotEditor::finishSliceExport(const Result<std::vector<ExportedSlice>>& result,
                                      const SliceExport& plan,
                                      const std::shared_ptr<const Picture>& picture) {
    if (result.code() == StatusCode::Cancelled) {
        return result.error();
    }
    if (!result) {
        return std::string(slicing_messages::kSliceExportFailed) + result.error();
    }
    std::string said =
        fillTemplate(slicing_messages::kSliceExported,
                     {{"{数量}", std::to_string(result->size())}, {"{文件夹}", plan.folder}});
    const Background& b = m_map.background();
    if (b.picture != picture || picture == nullptr) {
        return said + slicing_messages::kSlicePictureChanged;
    }
    auto stacked = std::make_shared<Picture>(*picture);
    stacked->parts.clear();
    std::vector<PagePicture> page;
    for (const ExportedSlice& slice : *result) {
        page.push_back(
            {joinPath(plan.folder, slice.fileName), slice.area.width, slice.area.height});
        if (result->size() > 1) {
            stacked->parts.push_back({slice.area.width, slice.area.height});
        }
    }
    changeAsStep(slicing_messages::kStepSlice,
                 op::ReplacePicture{stacked, joinedAddresses(page), b.id});
    m_cuts.reset();
    const std::string over = overBudgetNote(*result, plan.jpegBudget);
    return over.empty() ? said : said + "；" + over;
}

size_t HotspotEditor::pagePictureCount() const {
    const Background& b = m_map.background();
    if (b.picture == nullptr) {
        return 0;
    }
    return b.picture->parts.empty() ? 1 : b.picture->parts.size();
}

Said HotspotEditor::replacePageAddresses(std::string_view pasted) {
    const Background& b = m_map.background();
    if (b.picture == nullptr) {
        return slicing_messages::kAddressesWithoutPicture;
    }
    const size_t count = pagePictureCount();
    Result<std::string> addresses = pastedAddresses(pasted, count);
    if (!addresses) {
        return addresses.error();
    }
    changeAsStep(slicing_messages::kStepReplaceAddresses,
                 op::ReplacePicture{b.picture, std::move(*addresses), b.id});
    return fillTemplate(slicing_messages::kAddressesReplaced, {{"{数量}", std::to_string(count)}});
}

}  // namespace velquist
