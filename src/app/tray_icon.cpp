// Tray icon and the program icon.
#include "app/tray_icon.h"

#include <QPixmap>
#include <string_view>

#include "core/version.h"

namespace velquist::embedded {
extern const std::string_view programIcon;
}

namespace velquist {

QIcon programIcon() {
    QPixmap pixmap;
    pixmap.loadFromData(reinterpret_cast<const uchar*>(embedded::programIcon.data()),
                        static_cast<uint>(embedded::programIcon.size()), "PNG");
    return QIcon(pixmap);
}

QSystemTrayIcon* makeTrayIcon(QObject* parent) {
    auto* tray = new QSystemTrayIcon(programIcon(), parent);
    tray->setToolTip(QString::fromUtf8(kProductName.data(), kProductName.size()));
    return tray;
}

TrayClick trayClickOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            return TrayClick::Single;
        case QSystemTrayIcon::DoubleClick:
            return TrayClick::Double;
        case QSystemTrayIcon::Context:
            return TrayClick::Context;
        default:
            return TrayClick::Other;
    }
}

}  // namespace velquist
