// The "重复为网格" window: rows, columns and gaps of copies of one hotspot, previewed on the
// canvas while the values change.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/secondary_window.h"
#include "core/geometry.h"
#include "editor/arrangement.h"

namespace Ui {
class GridWindowForm;
}

namespace velquist {

class HotspotEditor;
class MainStatusLine;

class GridWindow : public SecondaryWindow {
    Q_OBJECT
public:
    GridWindow(HotspotEditor& editor, MainStatusLine& statusLine, int32_t hotspot);
    ~GridWindow() override;

    // The map or the values changed: the reason shown for a refusal follows them. Answers where
    // the copies would go (canvas pixels): nothing while a value is refused, and nothing once
    // the window is done.
    std::vector<Rect> followEditor();

signals:
    // The editor or the preview changed; also when the window is done, so the preview goes.
    void editorChanged();

protected:
    // Enter confirms, from any of the boxes (Esc, a shortcut, cancels).
    void keyPressEvent(QKeyEvent* event) override;
    // However it closes, its preview goes.
    void closeEvent(QCloseEvent* event) override;

private:
    GridShape shape() const;
    void confirm();

    std::unique_ptr<Ui::GridWindowForm> m_ui;
    HotspotEditor& m_editor;
    MainStatusLine& m_statusLine;
    int32_t m_hotspot = 0;
    bool m_done = false;
};

}  // namespace velquist
