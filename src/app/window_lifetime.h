// Ends the message loop when the last window of the program has been destroyed.
#pragma once

#include <QObject>

class QWidget;

namespace velquist {

// Hidden windows still count: a main window hidden in the tray keeps the program alive.
class WindowLifetime : public QObject {
    Q_OBJECT
public:
    // Takes over from Qt's own rule, which ignores hidden windows.
    explicit WindowLifetime(QObject* parent = nullptr);

    void watch(QWidget* window);

private:
    int m_live = 0;
};

}  // namespace velquist
