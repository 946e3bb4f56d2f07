// Shows the canvas's composited frame and turns mouse input into the canvas events.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

namespace velquist {

class HotspotCanvas;

class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(QWidget* parent = nullptr);

    // The canvas shown and fed with the mouse; set once, before the view is shown.
    void setCanvas(HotspotCanvas& canvas) { m_canvas = &canvas; }

    // Recomposites what changed and repaints just those rectangles.
    void refresh();

signals:
    // For one left press: leftButtonDown first, then objectLeftPressed (id 0 = no object).
    void leftButtonDown(int x, int y);
    void objectLeftPressed(int id);
    void objectRightPressed(int id);
    void mouseMoved(int x, int y, int heldId, bool leftDown);
    void leftButtonUp(int x, int y);
    // A wheel turn in eighths of a degree (a touchpad's pixels count two each), Shift turning
    // it sideways.
    void wheelTurned(int deltaX, int deltaY);
    // Something dropped on the canvas: each address it carries (a local file as its path), or
    // its text when it carries none; empty when it has neither.
    void dropped(const std::vector<std::string>& items);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    HotspotCanvas* m_canvas = nullptr;
};

}  // namespace velquist
