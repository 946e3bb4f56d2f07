// Secondary window frame and title-strip dragging.
#include "app/described_window.h"

#include "app/control_label.h"
#include "app/window_builder.h"

namespace velquist {

DescribedWindow::DescribedWindow(const WindowDescription& description, std::string_view titleLabel,
                                 QWidget* owner, const CustomControlFactory& custom)
    : QWidget(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    applyWindowFrame(this, description);
    buildControls(this, description, custom);
    // Borderless windows have no frame to grab: the title strip moves them instead.
    if (auto* title = control<ControlLabel>(titleLabel)) {
        connect(title, &ControlLabel::leftPressed, this,
                [this] { m_dragOffset = QCursor::pos() - pos(); });
        connect(title, &ControlLabel::mouseMovedTo, this, [this](QPoint global, bool leftDown) {
            if (leftDown) {
                move(global - m_dragOffset);
            }
        });
    }
}

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace velquist
