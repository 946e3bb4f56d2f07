// Label mouse events.
#include "app/control_label.h"

#include <QMouseEvent>

namespace velquist {

// A label is a control of its own: its presses never fall through to the window behind it.
void ControlLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        emit leftPressed();
    }
}

void ControlLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) {
        emit leftReleased(event->globalPosition().toPoint());
    }
}

void ControlLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMovedTo(event->globalPosition().toPoint(), event->buttons() & Qt::LeftButton);
}

}  // namespace velquist
