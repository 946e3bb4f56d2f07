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
    // For a window whose controls are built in code: a grey title strip with `caption` and a
    // close button, the window framed with it and filled like the forms' panels.
    QWidget* titleStrip(const QString& caption, bool alwaysOnTop);

private:
    QPoint m_dragOffset;
};

}  // namespace velquist
