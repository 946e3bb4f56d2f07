// Picture-address window actions.
#include "app/picture_address_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include "app/image_button.h"
#include "app/secondary_descriptions.h"
#include "editor/picture_loader.h"
#include "settings/remembered_address.h"

namespace velquist {

namespace ac = address_controls;

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
}

void PictureAddressWindow::confirm() {
    auto* edit = control<QLineEdit>(ac::kAddress);
    const std::string address = edit->text().toStdString();
    if (!addressAccepted(address)) {
        edit->clear();
        edit->setFocus();
        return;
    }
    emit confirmed(address);
    close();
}

}  // namespace velquist
