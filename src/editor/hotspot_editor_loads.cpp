// The editor's picture loads: what each is for, its progress, its end and its cancelling.
#include <utility>

#include "core/template_fill.h"
#include "core/text.h"
#include "editor/hotspot_editor.h"
#include "editor/messages.h"
#include "editor/status_text.h"
#include "pictures/picture_stack.h"

namespace velquist {

Said HotspotEditor::loadStarted(std::string address, LoadPurpose purpose) {
    m_load = RunningLoad{std::move(address), purpose, m_map.hotspots()};
    if (purpose == LoadPurpose::MapPicture) {
        // The picture of a replaced map comes quietly: the status line says what became of
        // the map.
        return std::nullopt;
    }
    return editor_messages::kLoading;
}

Said HotspotEditor::loadProgressed(uint64_t received, std::optional<uint64_t> total) {
    if (!m_load || m_load->purpose == LoadPurpose::MapPicture) {
        return std::nullopt;
    }
    return loadingStatus(received, total);
}

std::optional<LoadPurpose> HotspotEditor::runningLoad() const {
    return m_load ? std::optional(m_load->purpose) : std::nullopt;
}

Said HotspotEditor::cancelLoad() {
    if (!m_load) {
        return std::nullopt;
    }
    m_load.reset();
    return editor_messages::kLoadCancelled;
}

const std::string& HotspotEditor::addressToShow() const {
    const bool userLoad = m_load && m_load->purpose != LoadPurpose::MapPicture;
    return userLoad ? m_load->address : m_map.background().address;
}

Said HotspotEditor::finishLoad(const std::string& address, Result<Picture> result,
                               bool keepHotspots) {
    const std::optional<RunningLoad> load = std::exchange(m_load, std::nullopt);
    if (load && load->purpose == LoadPurpose::MapPicture) {
        return finishPictureFetch(address, std::move(result));
    }
    if (!result) {
        // A mistyped address must not cost the user's hotspots.
        return editor_messages::kLoadFailed + result.error();
    }
    if (load && load->purpose == LoadPurpose::AddPicture && m_map.hasBackground()) {
        return addPicture(address, std::move(result).value());
    }
    if (keepsTheMap(load ? &*load : nullptr, keepHotspots)) {
        Said said = swapPicture(address, std::move(result).value());
        if (load && load->purpose == LoadPurpose::Replace && !keepHotspots) {
            *said += editor_messages::kKeptEditsDuringLoad;
        }
        return said;
    }
    changeAsStep(
        editor_messages::kStepLoad,
        op::ReplaceBackground{std::make_shared<const Picture>(std::move(result).value()), address});
    const Background& b = m_map.background();
    return loadedStatus(b.width(), b.height());
}

bool HotspotEditor::keepsTheMap(const RunningLoad* load, bool keepHotspots) const {
    if (load && load->purpose == LoadPurpose::MapPicture) {
        return true;
    }
    // Hotspots added or moved while the picture came are not thrown away with the old map.
    const bool editedMeanwhile = load && load->hotspotsAtStart != m_map.hotspots();
    // A picture added to a map without one goes under its hotspots.
    keepHotspots = keepHotspots || (load && (load->purpose == LoadPurpose::KeepHotspots ||
                                             load->purpose == LoadPurpose::AddPicture));
    const bool hasMap = m_map.background().id > 0 || !m_map.hotspots().empty();
    return (keepHotspots || editedMeanwhile) && hasMap;
}

// Only the picture under the map changes, as one step.
Said HotspotEditor::swapPicture(const std::string& address, Picture picture) {
    auto shared = std::make_shared<const Picture>(std::move(picture));
    if (m_map.background().id > 0) {
        changeAsStep(editor_messages::kStepSwapPicture, op::ReplacePicture{shared, address});
    } else {
        // Hotspots of a map that never had a picture hold the lower ids, and stacking follows
        // the ids: they are put back over the picture with new ones.
        MapState over = m_map.state();
        over.background = Background{0, shared, address, {0, 0}};
        for (Hotspot& h : over.hotspots) {
            h.id = 0;
        }
        over.selection = 0;
        changeAsStep(editor_messages::kStepSwapPicture, op::RestoreMap{std::move(over)});
    }
    placeHandles(m_map.selection());
    const Background& b = m_map.background();
    return loadedStatus(b.width(), b.height());
}

Said HotspotEditor::addPicture(const std::string& address, Picture picture) {
    const Background& b = m_map.background();
    Result<Picture> page = stackPictures({b.picture.get(), &picture});
    if (!page) {
        return editor_messages::kLoadFailed + page.error();
    }
    const size_t count = page->parts.size();
    changeAsStep(editor_messages::kStepAddPicture,
                 op::ReplacePicture{std::make_shared<const Picture>(std::move(page).value()),
                                    b.address + "\n" + address});
    return fillTemplate(editor_messages::kPictureAdded, {{"{序号}", formatNumber(int64_t(count))},
                                                         {"{宽}", formatNumber(picture.width)},
                                                         {"{高}", formatNumber(picture.height)}});
}

bool HotspotEditor::awaitsPicture(const std::string& address) const {
    const Background& b = m_map.background();
    return !b.picture && !address.empty() && b.address == address;
}

Said HotspotEditor::finishPictureFetch(const std::string& address, Result<Picture> result) {
    if (!awaitsPicture(address)) {
        return std::nullopt;
    }
    if (!result) {
        return editor_messages::kLoadFailed + result.error();
    }
    // Applied outside any step: the step that replaced the map takes the picture back with it.
    m_map.apply(
        op::ReplacePicture{std::make_shared<const Picture>(std::move(result).value()), address});
    const Background& b = m_map.background();
    return loadedStatus(b.width(), b.height());
}

}  // namespace velquist
