// Canvas view painting and mouse events.
#include "app/canvas_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "editor/hotspot_canvas.h"

namespace velquist {

CanvasView::CanvasView(HotspotCanvas& canvas, QWidget* parent) : QWidget(parent), m_canvas(canvas) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasView::refresh() {
    for (const Rect& r : m_canvas.render()) {
        update(QRect(r.left, r.top, r.width, r.height));
    }
}

void CanvasView::paintEvent(QPaintEvent* event) {
    m_canvas.render();  // anything not yet composited joins this paint
    const QImage frame(reinterpret_cast<const uchar*>(m_canvas.frame()), m_canvas.width(),
                       m_canvas.height(), m_canvas.width() * 4, QImage::Format_RGB32);
    QPainter painter(this);
    for (const QRect& r : event->region()) {
        painter.drawImage(r.topLeft(), frame, r);
    }
}

void CanvasView::resizeEvent(QResizeEvent*) {
    m_canvas.resize(width(), height());
    update();
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        emit leftButtonDown(p.x(), p.y());
        emit objectLeftPressed(m_canvas.pressLeft(p.x(), p.y()));
    } else if (event->button() == Qt::RightButton) {
        emit objectRightPressed(m_canvas.hitTest(p.x(), p.y()));
    }
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const bool leftDown = event->buttons() & Qt::LeftButton;
    emit mouseMoved(p.x(), p.y(), m_canvas.heldId(leftDown), leftDown);
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint p = event->position().toPoint();
        m_canvas.releaseLeft();
        emit leftButtonUp(p.x(), p.y());
    }
}

}  // namespace velquist
