// Picture-address window actions.
#include "app/picture_address_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

#include "app/image_button.h"
#include "app/secondary_descriptions.h"
#include "app/window_builder.h"
#include "editor/picture_loader.h"
#include "settings/remembered_address.h"

namespace velquist {

namespace ac = address_controls;

constexpr uint32_t kRefusalColor = 0xFF0000;

PictureAddressWindow::PictureAddressWindow(const std::string& currentAddress,
                                           std::string programDir, QWidget* owner)
    : DescribedWindow(pictureAddressWindowDescription(), ac::kTitle, owner),
      m_programDir(std::move(programDir)) {
    auto* edit = control<QLineEdit>(ac::kAddress);
    edit->setText(QString::fromStdString(currentAddress));
    connect(control<ImageButton>(ac::kClose), &QAbstractButton::clicked, this, &QWidget::close);
    connect(control<ImageButton>(ac::kPaste), &QAbstractButton::clicked, this,
            [edit] { edit->setText(QGuiApplication::clipboard()->text()); });
    connect(control<ImageButton>(ac::kReadBackup), &QAbstractButton::clicked, this, [this, edit] {
        edit->setText(QString::fromStdString(readRememberedAddress(m_programDir)));
    });
    connect(control<ImageButton>(ac::kConfirm), &QAbstractButton::clicked, this,
            &PictureAddressWindow::confirm);
    connect(edit, &QLineEdit::returnPressed, this, &PictureAddressWindow::confirm);
    connect(control<ImageButton>(ac::kCancel), &QAbstractButton::clicked, this, [this] {
        emit cancelled();
        close();
    });
}

bool PictureAddressWindow::keepHotspots() const {
    return control<QCheckBox>(ac::kKeepHotspots)->isChecked();
}

void PictureAddressWindow::confirm() {
    auto* edit = control<QLineEdit>(ac::kAddress);
    Result<std::string> address = acceptAddress(edit->text().toStdString());
    if (!address) {
        // The text stays for mending; the hint line turns into the reason.
        auto* hint = control<QLabel>(ac::kHint);
        hint->setText(QString::fromStdString(address.error()));
        QPalette palette = hint->palette();
        palette.setColor(QPalette::WindowText, colorFromRgb(kRefusalColor));
        hint->setPalette(palette);
        edit->selectAll();
        edit->setFocus();
        return;
    }
    emit confirmed(address.value());
    close();
}

}  // namespace velquist
