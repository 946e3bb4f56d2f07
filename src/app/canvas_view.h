// Shows the canvas's composited frame and forwards the mouse to the editor as pointer input.
#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/geometry.h"
#include "editor/pointer_input.h"

class QPainter;

namespace velquist {

class HotspotCanvas;

// A mouse event at `at` (canvas pixels) as the editor takes it. A movement passes the buttons
// held, of which only the left one counts.
PointerInput pointerInput(QPoint at, Qt::MouseButtons button, Qt::KeyboardModifiers modifiers);

class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget* parent = nullptr);

    // The canvas shown and fed with the mouse; set once, before the view is shown.
    void setCanvas(HotspotCanvas& canvas) { m_canvas = &canvas; }

    // Recomposites what changed and repaints just those rectangles.
    void refresh();
    // The proposed hotspots, drawn as dashed outlines over the canvas (canvas pixels).
    void setOutlines(std::vector<Rect> outlines);
    // The selected hotspots' frames while several are selected, and a Shift or Ctrl drag's
    // rectangle, drawn over the canvas (canvas pixels).
    void setSelectionFrames(std::vector<Rect> frames);
    void setDragFrame(std::optional<DragFrame> frame);
    // Where copies of a hotspot would go ("重复为网格"), drawn unlike the proposals.
    void setPreview(std::vector<Rect> preview);
    // The cut lines of "切片导出…", each a one-row rectangle across the picture (canvas pixels).
    void setCutLines(std::vector<Rect> lines);

signals:
    // Every press, movement and release of the mouse over the canvas.
    void pointerPressed(const PointerInput& input);
    void pointerMoved(const PointerInput& input);
    void pointerReleased(const PointerInput& input);
    // A double-click, after the press of its second click; its first came as a press and a
    // release before it.
    void pointerDoubleClicked(const PointerInput& input);
    // A wheel turn in eighths of a degree (a touchpad's pixels count two each), Shift turning
    // it sideways.
    void wheelTurned(int deltaX, int deltaY);
    // Something dropped on the canvas: each address it carries (a local file as its path), or
    // its text when it carries none; empty when it has neither.
    void dropped(const std::vector<std::string>& items);

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintMarks(QPainter& painter) const;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    HotspotCanvas* m_canvas = nullptr;
    std::vector<Rect> m_outlines;
    std::vector<Rect> m_frames;
    std::optional<DragFrame> m_dragFrame;
    std::vector<Rect> m_preview;
    std::vector<Rect> m_cutLines;
};

}  // namespace velquist
