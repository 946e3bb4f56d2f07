// Image button painting.
#include "app/image_button.h"

#include <QPainter>

namespace velquist {

ImageButton::ImageButton(const Colors& colors, QWidget* parent)
    : QAbstractButton(parent), m_colors(colors) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void ImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool hot = m_hovered && isEnabled();
    painter.fillRect(rect(), hot ? m_colors.hoverBackground : m_colors.background);
    QColor text = hot ? m_colors.hoverText : m_colors.text;
    if (!isEnabled()) {
        text.setAlpha(110);  // still readable, plainly not clickable
    }
    painter.setPen(text);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, this->text());
}

void ImageButton::enterEvent(QEnterEvent* event) {
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace velquist
