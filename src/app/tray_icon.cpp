// Tray icon and the program icon.
#include "app/tray_icon.h"

#include <QPixmap>
#include <string_view>

namespace velquist::embedded {
extern const std::string_view programIcon;
}

namespace velquist {

QIcon programIcon() {
    QPixmap pixmap;
    pixmap.loadFromData(reinterpret_cast<const uchar*>(embedded::programIcon.data()),
                        static_cast<uint>(embedded::programIcon.size()), "ICO");
    return QIcon(pixmap);
}

QSystemTrayIcon* makeTrayIcon(QObject* parent) {
    auto* tray = new QSystemTrayIcon(programIcon(), parent);
    tray->setToolTip("Velquist");
    return tray;
}

int trayKind(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            return 1;
        case QSystemTrayIcon::DoubleClick:
            return 2;
        case QSystemTrayIcon::Context:
            return 3;
        default:
            return 0;
    }
}

}  // namespace velquist
