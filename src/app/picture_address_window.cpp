// Picture-address window actions.
#include "app/picture_address_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

#include "app/image_button.h"
#include "editor/picture_loader.h"
#include "settings/remembered_address.h"
#include "ui_picture_address_window.h"

namespace velquist {

const QColor kRefusalColor(0xFF, 0x00, 0x00);

PictureAddressWindow::PictureAddressWindow(const std::string& currentAddress,
                                           std::string programDir, QWidget* owner)
    : SecondaryWindow(owner),
      m_ui(std::make_unique<Ui::PictureAddressWindowForm>()),
      m_programDir(std::move(programDir)) {
    m_ui->setupUi(this);
    frameWith(m_ui->title, true);
    auto* edit = m_ui->address;
    edit->setText(QString::fromStdString(currentAddress));
    connect(m_ui->close, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_ui->paste, &QAbstractButton::clicked, this,
            [edit] { edit->setText(QGuiApplication::clipboard()->text()); });
    connect(m_ui->readBackup, &QAbstractButton::clicked, this, [this, edit] {
        edit->setText(QString::fromStdString(readRememberedAddress(m_programDir)));
    });
    connect(m_ui->confirm, &QAbstractButton::clicked, this, &PictureAddressWindow::confirm);
    connect(edit, &QLineEdit::returnPressed, this, &PictureAddressWindow::confirm);
    connect(m_ui->cancel, &QAbstractButton::clicked, this, [this] {
        emit cancelled();
        close();
    });
}

PictureAddressWindow::~PictureAddressWindow() = default;

bool PictureAddressWindow::keepHotspots() const {
    return m_ui->keepHotspots->isChecked();
}

void PictureAddressWindow::setAdding() {
    m_ui->address->clear();
    m_ui->keepHotspots->hide();
}

void PictureAddressWindow::confirm() {
    auto* edit = m_ui->address;
    Result<std::string> address = acceptAddress(edit->text().toStdString());
    if (!address) {
        // The text stays for mending; the hint line turns into the reason.
        auto* hint = m_ui->hint;
        hint->setText(QString::fromStdString(address.error()));
        QPalette palette = hint->palette();
        palette.setColor(QPalette::WindowText, kRefusalColor);
        hint->setPalette(palette);
        edit->selectAll();
        edit->setFocus();
        return;
    }
    emit confirmed(address.value());
    close();
}

}  // namespace velquist
