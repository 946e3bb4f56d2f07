// The settings window: style of new hotspots and the work-area colour.
#pragma once

#include <string>

#include "app/described_window.h"
#include "settings/apply_settings.h"

namespace velquist {

class HotspotEditor;

class SettingsWindow : public DescribedWindow {
    Q_OBJECT
public:
    // Opens showing the editor's current style and canvas colour; what is set is kept in
    // `programDir`'s pz.ini for the next start.
    SettingsWindow(HotspotEditor& editor, std::string programDir);

signals:
    // The editor changed (work-area colour, or the style and status line after "确定").
    void editorChanged();

private:
    void fill();
    void changeWorkAreaColor(const QColor& color);
    void confirm();
    // An error shown for earlier values goes once the values are good.
    void clearMendedError();
    SettingsForm form() const;

    HotspotEditor& m_editor;
    std::string m_programDir;
};

}  // namespace velquist
