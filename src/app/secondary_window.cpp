// Secondary window frame and title-strip dragging.
#include "app/secondary_window.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QPushButton>

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

QWidget* SecondaryWindow::titleStrip(const QString& caption, bool alwaysOnTop) {
    auto* strip = new QWidget(this);
    QPalette grey = strip->palette();
    grey.setColor(QPalette::Window, QColor(96, 96, 96));
    grey.setColor(QPalette::WindowText, Qt::white);
    strip->setPalette(grey);
    strip->setAutoFillBackground(true);
    auto* title = new ControlLabel(caption, strip);
    title->setObjectName("标签1");
    auto* close = new QPushButton(QString::fromUtf8("×"), strip);
    close->setObjectName("关闭");
    close->setFlat(true);
    close->setPalette(grey);
    connect(close, &QAbstractButton::clicked, this, &QWidget::close);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(8, 0, 0, 0);
    row->addWidget(title, 1);
    row->addWidget(close);
    fillWithButtonFace(this);
    frameWith(title, alwaysOnTop);
    return strip;
}

}  // namespace velquist
