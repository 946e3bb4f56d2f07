// The editor's picture loads: what each is for, its progress, its end and its cancelling.
#include <utility>

#include "editor/hotspot_editor.h"
#include "editor/messages.h"
#include "editor/status_text.h"

namespace velquist {

void HotspotEditor::loadStarted(std::string address, LoadPurpose purpose) {
    m_load = RunningLoad{std::move(address), purpose, m_map.hotspots(), {}};
    if (purpose != LoadPurpose::MapPicture) {
        // The picture of a replaced map comes quietly: the status line says what became of
        // the map.
        m_status = editor_messages::kLoading;
        m_load->statusShown = m_status;
    }
}

void HotspotEditor::loadProgressed(uint64_t received, std::optional<uint64_t> total) {
    if (!m_load || m_load->statusShown.empty() || m_status != m_load->statusShown) {
        return;  // a newer message (an edit, an undo) stays readable
    }
    m_status = loadingStatus(received, total);
    m_load->statusShown = m_status;
}

std::optional<LoadPurpose> HotspotEditor::runningLoad() const {
    return m_load ? std::optional(m_load->purpose) : std::nullopt;
}

bool HotspotEditor::cancelLoad() {
    if (!m_load) {
        return false;
    }
    m_load.reset();
    m_status = editor_messages::kLoadCancelled;
    return true;
}

const std::string& HotspotEditor::addressToShow() const {
    const bool userLoad = m_load && m_load->purpose != LoadPurpose::MapPicture;
    return userLoad ? m_load->address : m_map.background().address;
}

void HotspotEditor::finishLoad(const std::string& address, Result<Picture> result,
                               bool keepHotspots) {
    const std::optional<RunningLoad> load = std::exchange(m_load, std::nullopt);
    if (load && load->purpose == LoadPurpose::MapPicture) {
        finishPictureFetch(address, std::move(result));
        return;
    }
    if (!result) {
        // A mistyped address must not cost the user's hotspots.
        m_status = editor_messages::kLoadFailed + result.error();
        return;
    }
    if (keepsTheMap(load ? &*load : nullptr, keepHotspots)) {
        swapPicture(address, std::move(result).value());
        if (load && load->purpose == LoadPurpose::Replace && !keepHotspots) {
            m_status += editor_messages::kKeptEditsDuringLoad;
        }
        return;
    }
    changeAsStep(
        editor_messages::kStepLoad,
        op::ReplaceBackground{std::make_shared<const Picture>(std::move(result).value()), address});
    const Background& b = m_map.background();
    m_status = loadedStatus(b.width(), b.height());
}

bool HotspotEditor::keepsTheMap(const RunningLoad* load, bool keepHotspots) const {
    if (load && load->purpose == LoadPurpose::MapPicture) {
        return true;
    }
    // Hotspots added or moved while the picture came are not thrown away with the old map.
    const bool editedMeanwhile = load && load->hotspotsAtStart != m_map.hotspots();
    keepHotspots = keepHotspots || (load && load->purpose == LoadPurpose::KeepHotspots);
    const bool hasMap = m_map.background().id > 0 || !m_map.hotspots().empty();
    return (keepHotspots || editedMeanwhile) && hasMap;
}

// Only the picture under the map changes, as one step.
void HotspotEditor::swapPicture(const std::string& address, Picture picture) {
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
    m_status = loadedStatus(b.width(), b.height());
}

bool HotspotEditor::awaitsPicture(const std::string& address) const {
    const Background& b = m_map.background();
    return !b.picture && !address.empty() && b.address == address;
}

void HotspotEditor::finishPictureFetch(const std::string& address, Result<Picture> result) {
    if (!awaitsPicture(address)) {
        return;
    }
    if (!result) {
        m_status = editor_messages::kLoadFailed + result.error();
        return;
    }
    // Applied outside any step: the step that replaced the map takes the picture back with it.
    m_map.apply(
        op::ReplacePicture{std::make_shared<const Picture>(std::move(result).value()), address});
    const Background& b = m_map.background();
    m_status = loadedStatus(b.width(), b.height());
}

}  // namespace velquist
