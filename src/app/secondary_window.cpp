// Secondary window frame and title-strip dragging.
#include "app/secondary_window.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

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

SecondaryWindow::CodeBuiltParts SecondaryWindow::layOutInCode(const QString& caption,
                                                              bool alwaysOnTop, QLayout* content,
                                                              int contentStretch) {
    auto* message = new QLabel(this);
    message->setObjectName("提示");
    message->setWordWrap(true);
    auto* confirm = new QPushButton(QString::fromUtf8("确定"), this);
    confirm->setObjectName("确定");
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName("取消");
    connect(cancel, &QAbstractButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(titleStrip(caption, alwaysOnTop));
    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 0);
    layout->addLayout(body, 1);
    body->addLayout(content, contentStretch);
    body->addWidget(message);
    body->addLayout(buttons);
    return {message, confirm};
}

}  // namespace velquist
