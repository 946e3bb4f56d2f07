// The settings window: style of new hotspots and the work-area colour.
#pragma once

#include <memory>
#include <string>

#include "app/secondary_window.h"
#include "settings/apply_settings.h"

namespace Ui {
class SettingsWindowForm;
}

namespace velquist {

class HotspotEditor;
class MainStatusLine;

class SettingsWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // Opens showing the editor's current style and canvas colour; what is set is kept in
    // `programDir`'s pz.ini for the next start.
    SettingsWindow(HotspotEditor& editor, MainStatusLine& statusLine, std::string programDir);
    ~SettingsWindow() override;

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

    std::unique_ptr<Ui::SettingsWindowForm> m_ui;
    HotspotEditor& m_editor;
    MainStatusLine& m_statusLine;
    std::string m_programDir;
};

}  // namespace velquist
