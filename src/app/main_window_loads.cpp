// The main window's picture loads: starting, cancelling (Esc, "取消") and their end.
#include <utility>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/main_window.h"
#include "settings/remembered_address.h"

namespace velquist {

void MainWindow::startLoad(const std::string& address, bool keepHotspots) {
    m_state.editor.loadStarted(address,
                               keepHotspots ? LoadPurpose::KeepHotspots : LoadPurpose::Replace);
    refresh();
    m_loader->load(address);
}

void MainWindow::fetchMapPicture(const std::string& address) {
    m_state.editor.loadStarted(address, LoadPurpose::MapPicture);
    m_loader->load(address);
}

void MainWindow::cancelLoad() {
    m_loader->cancel();
    m_state.editor.cancelLoad();
    refresh();
}

void MainWindow::escapePressed() {
    // Proposed hotspots, once the editor offers them, are dismissed here first.
    if (m_state.editor.runningLoad()) {
        cancelLoad();
        return;
    }
    // Then a selection of several hotspots would be cleared; one selected hotspot stays.
}

void MainWindow::loadFinished(const std::string& address, Result<Picture> result) {
    HotspotEditor& editor = m_state.editor;
    const bool userLoad = editor.runningLoad() != LoadPurpose::MapPicture;
    const std::string kept = result && editor.loadReplacesMap() ? keepReplacedMap() : std::string();
    editor.finishLoad(address, std::move(result));
    if (userLoad) {
        // The address is remembered whether the picture came or not.
        editor.setStatus(editor.status() +
                         rememberedAddressNote(rememberAddress(m_state.programDir, address)) +
                         kept);
    }
    refresh();
}

}  // namespace velquist
