// Main window: a borderless 1000 x 680 frame centred on the screen.
#include "app/main_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/app_state.h"

namespace velquist {

MainWindow::MainWindow(AppState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_state(state) {
    setObjectName("MainWindow");
    setWindowTitle("v1.0.1");
    setAutoFillBackground(true);
    setStyleSheet("#MainWindow { background-color: #414141; }");
    resize(1000, 680);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void MainWindow::endProgram() {
    m_state.exitCleanup();
    QCoreApplication::exit(0);
}

}  // namespace velquist
