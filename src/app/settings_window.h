// The settings window: style of new hotspots and the work-area colour.
#pragma once

#include "app/described_window.h"
#include "settings/apply_settings.h"

namespace velquist {

class HotspotEditor;

class SettingsWindow : public DescribedWindow {
    Q_OBJECT
public:
    // Opens showing the editor's current style and canvas colour.
    explicit SettingsWindow(HotspotEditor& editor);

signals:
    // The editor changed (work-area colour, or the style and status line after "确定").
    void editorChanged();

private:
    void fill();
    void changeWorkAreaColor(const QColor& color);
    void confirm();
    SettingsForm form() const;

    HotspotEditor& m_editor;
};

}  // namespace velquist
