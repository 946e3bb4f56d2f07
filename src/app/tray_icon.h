// The notification-area icon of the hidden main window.
#pragma once

#include <QSystemTrayIcon>

namespace velquist {

// An icon with the program's own picture and the tip "Velquist".
QSystemTrayIcon* makeTrayIcon(QObject* parent);

// The program's window icon (the same picture).
QIcon programIcon();

enum class TrayClick { Other, Single, Double, Context };
TrayClick trayClickOf(QSystemTrayIcon::ActivationReason reason);

}  // namespace velquist
