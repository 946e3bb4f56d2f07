// A secondary window: borderless, centred, deleted when closed, moved by dragging its title strip.
#pragma once

#include <QPoint>
#include <QWidget>

#include "app/window_frame.h"

namespace velquist {

class ControlLabel;

class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    explicit SecondaryWindow(QWidget* owner = nullptr);

protected:
    // Called once the form is set up: the frame, and `title` as the strip that moves the window.
    void frameWith(ControlLabel* title, bool alwaysOnTop);

private:
    QPoint m_dragOffset;
};

}  // namespace velquist
