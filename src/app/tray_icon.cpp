// Tray icon and the program icon.
#include "app/tray_icon.h"

#include <QImage>
#include <QPixmap>
#include <string_view>

#include "core/version.h"
#include "pictures/picture_decoder.h"

namespace velquist::embedded {
extern const std::string_view programIcon;
}

namespace velquist {

// Decoded by the program's own PNG reader: Qt's reader first looks through every image-format
// plug-in on the disk, at each start.
QIcon programIcon() {
    const Result<Picture> picture = decodePicture(embedded::programIcon);
    if (!picture) {
        return {};
    }
    QImage image(picture->width, picture->height, QImage::Format_ARGB32);
    for (int y = 0; y < picture->height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        const uint32_t* in = picture->pixels.data() + static_cast<size_t>(y) * picture->width;
        for (int x = 0; x < picture->width; ++x) {
            row[x] = (in[x] & 0x00FFFFFFu) | ((0xFFu - (in[x] >> 24)) << 24);  // opacity on top
        }
    }
    return QIcon(QPixmap::fromImage(image));
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
