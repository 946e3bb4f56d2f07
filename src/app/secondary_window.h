// A secondary window: borderless, centred, deleted when closed, moved by dragging its title strip.
#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;
class QLayout;
class QPushButton;

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
    // close button (the window framed with it and filled like the forms' panels), under it
    // `content` (given `contentStretch`), a message line "提示" and "确定" / "取消" at the bottom
    // right. "取消" and Esc close the window.
    struct CodeBuiltParts {
        QLabel* message;
        QPushButton* confirm;
    };
    CodeBuiltParts layOutInCode(const QString& caption, bool alwaysOnTop, QLayout* content,
                                int contentStretch);

private:
    QWidget* titleStrip(const QString& caption, bool alwaysOnTop);

    QPoint m_dragOffset;
};

}  // namespace velquist
