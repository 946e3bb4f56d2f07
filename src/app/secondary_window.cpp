// Secondary window frame and title-strip dragging.
#include "app/secondary_window.h"

#include <QCursor>

#include "app/control_label.h"

namespace velquist {

SecondaryWindow::SecondaryWindow(QWidget* owner) : QWidget(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void SecondaryWindow::frameWith(ControlLabel* title, bool alwaysOnTop) {
    frameWindow(this, alwaysOnTop);
    // Borderless windows have no frame to grab: the title strip moves them instead.
    connect(title, &ControlLabel::leftPressed, this,
            [this] { m_dragOffset = QCursor::pos() - pos(); });
    connect(title, &ControlLabel::mouseMovedTo, this, [this](QPoint global, bool leftDown) {
        if (leftDown) {
            move(global - m_dragOffset);
        }
    });
}

}  // namespace velquist
