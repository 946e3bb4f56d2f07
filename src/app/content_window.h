// The hotspot-content window: tip and link of one hotspot, named by its coordinates.
#pragma once

#include <memory>

#include "app/secondary_window.h"
#include "editor/hotspot_editor.h"

namespace Ui {
class ContentWindowForm;
}

namespace velquist {

class HotspotEditor;
class MainStatusLine;

class ContentWindow : public SecondaryWindow {
    Q_OBJECT
public:
    ContentWindow(HotspotEditor& editor, MainStatusLine& statusLine);
    ~ContentWindow() override;

    // Binds the window to the hotspot of `form` and shows its texts; what was typed for another
    // hotspot goes.
    void edit(const ContentForm& form);
    // The hotspot may have moved or been resized: the title follows it.
    void followEditor();

signals:
    // The editor changed (content stored, refused or the edit cancelled).
    void editorChanged();

private:
    void confirm();

    std::unique_ptr<Ui::ContentWindowForm> m_ui;
    HotspotEditor& m_editor;
    MainStatusLine& m_statusLine;
    ContentForm m_opened;
};

}  // namespace velquist
