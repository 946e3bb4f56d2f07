// Hotspot-content window actions.
#include "app/content_window.h"

#include <QLabel>
#include <QLineEdit>

#include "app/image_button.h"
#include "session/main_status_line.h"
#include "ui_content_window.h"

namespace velquist {

ContentWindow::ContentWindow(HotspotEditor& editor, MainStatusLine& statusLine)
    : m_ui(std::make_unique<Ui::ContentWindowForm>()), m_editor(editor), m_statusLine(statusLine) {
    m_ui->setupUi(this);
    frameWith(m_ui->title, false);
    connect(m_ui->confirm, &QAbstractButton::clicked, this, &ContentWindow::confirm);
    // Enter in either box confirms, as in the other windows.
    for (QLineEdit* box : {m_ui->tip, m_ui->link}) {
        connect(box, &QLineEdit::returnPressed, this, &ContentWindow::confirm);
    }
    connect(m_ui->close, &QAbstractButton::clicked, this, [this] {
        m_statusLine.show(m_editor.cancelContent());
        emit editorChanged();
        close();
    });
}

ContentWindow::~ContentWindow() = default;

void ContentWindow::edit(const ContentForm& form) {
    m_opened = form;
    m_ui->tip->setText(QString::fromStdString(form.tip));
    m_ui->link->setText(QString::fromStdString(form.link));
    m_ui->title->setText(QString::fromStdString(form.title));
}

void ContentWindow::followEditor() {
    const ContentForm now = m_editor.contentFormFor(m_opened.id);
    if (now.found) {
        m_ui->title->setText(QString::fromStdString(now.title));
    }
}

void ContentWindow::confirm() {
    const ContentApplied applied = m_editor.applyContent(m_opened, m_ui->tip->text().toStdString(),
                                                         m_ui->link->text().toStdString());
    m_statusLine.show(applied.said);
    emit editorChanged();
    if (applied.stored) {
        close();
    }  // else the typed texts stay on show, not lost with the hotspot
}

}  // namespace velquist
