// Image button painting.
#include "app/image_button.h"

#include <QPainter>

#include "app/window_frame.h"

namespace velquist {

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void ImageButton::setTextColor(const QColor& color) {
    m_colors.text = color;
    update();
}

void ImageButton::setBackgroundColor(const QColor& color) {
    m_colors.background = color;
    update();
}

void ImageButton::setHoverTextColor(const QColor& color) {
    m_colors.hoverText = color;
    update();
}

void ImageButton::setHoverBackgroundColor(const QColor& color) {
    m_colors.hoverBackground = color;
    update();
}

void ImageButton::setFontPixels(int pixels) {
    m_fontPixels = pixels;
    setFont(interfaceFont(pixels));
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
