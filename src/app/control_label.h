// A label that reports left presses and releases (the resize handles and title strips use them).
#pragma once

#include <QLabel>

namespace velquist {

class ControlLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void leftPressed();
    void leftReleased(QPoint globalPos);
    void mouseMovedTo(QPoint globalPos, bool leftDown);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace velquist
