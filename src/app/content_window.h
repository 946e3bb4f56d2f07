// The hotspot-content window: tip and link of the hotspot selected when it opened.
#pragma once

#include "app/described_window.h"
#include "editor/hotspot_editor.h"

namespace velquist {

class HotspotEditor;

class ContentWindow : public DescribedWindow {
    Q_OBJECT
public:
    explicit ContentWindow(HotspotEditor& editor);

signals:
    // The editor changed (content stored or the edit cancelled); the window closes after.
    void editorChanged();

private:
    HotspotEditor& m_editor;
    ContentForm m_opened;
};

}  // namespace velquist
