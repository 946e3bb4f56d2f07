// Label mouse events and elided text.
#include "app/control_label.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QToolTip>

#include "app/window_frame.h"

namespace velquist {

void ControlLabel::setFontPixels(int pixels) {
    m_fontPixels = pixels;
    setFont(interfaceFont(pixels));
}

void ControlLabel::setElided(bool elided) {
    m_elided = elided;
    update();
}

bool ControlLabel::clipped() const {
    return m_elided && fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void ControlLabel::paintEvent(QPaintEvent* event) {
    if (!clipped()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), shown, foregroundRole());
}

// The tooltip is worked out when asked for, so that it follows the text and the width.
bool ControlLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && m_elided) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (clipped()) {
            // As plain text: markup in a link or a file name must not be drawn.
            QToolTip::showText(help->globalPos(),
                               Qt::convertFromPlainText(text(), Qt::WhiteSpaceNoWrap), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QLabel::event(event);
}

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
