// The notification-area icon of the hidden main window.
#pragma once

#include <QSystemTrayIcon>

namespace velquist {

// An icon with the program's own picture and the tip "Velquist".
QSystemTrayIcon* makeTrayIcon(QObject* parent);

// The program's window icon (the same picture).
QIcon programIcon();

// 1 left click, 2 double click, 3 context click, 0 anything else.
int trayKind(QSystemTrayIcon::ActivationReason reason);

}  // namespace velquist
