// A label that reports left presses and releases (the resize handles and title strips use them)
// and can end a text too long for it in "…".
#pragma once

#include <QLabel>

namespace velquist {

class ControlLabel : public QLabel {
    Q_OBJECT
    // The text's size in pixels in the interface font; 0 keeps the window's font.
    Q_PROPERTY(int fontPixels READ fontPixels WRITE setFontPixels)
public:
    using QLabel::QLabel;

    int fontPixels() const { return m_fontPixels; }
    void setFontPixels(int pixels);

    // From now on a plain text too long for the label is drawn ending in "…", and the whole
    // text is the tooltip; text() stays whole.
    void setElided(bool elided);

signals:
    void leftPressed();
    void leftReleased(QPoint globalPos);
    void mouseMovedTo(QPoint globalPos, bool leftDown);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool clipped() const;

    bool m_elided = false;
    int m_fontPixels = 0;
};

}  // namespace velquist
