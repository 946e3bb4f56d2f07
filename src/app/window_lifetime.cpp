// Window counting for the end of the message loop.
#include "app/window_lifetime.h"

#include <QApplication>
#include <QWidget>

namespace velquist {

WindowLifetime::WindowLifetime(QObject* parent) : QObject(parent) {
    QApplication::setQuitOnLastWindowClosed(false);
}

void WindowLifetime::watch(QWidget* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    ++m_live;
    connect(window, &QObject::destroyed, this, [this] {
        if (--m_live == 0) {
            QCoreApplication::exit(0);
        }
    });
}

}  // namespace velquist
