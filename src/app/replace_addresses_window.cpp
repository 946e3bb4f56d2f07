// "替换图片地址…" window: a box to paste into, and its confirmation.
#include "app/replace_addresses_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "core/template_fill.h"
#include "editor/hotspot_editor.h"
#include "session/main_status_line.h"
#include "slicing/messages.h"

namespace velquist {

ReplaceAddressesWindow::ReplaceAddressesWindow(HotspotEditor& editor, MainStatusLine& statusLine)
    : m_editor(editor), m_statusLine(statusLine) {
    setObjectName("替换图片地址窗口");
    auto* prompt =
        new QLabel(toQString(fillTemplate(slicing_messages::kAddressesPrompt,
                                          {{"{数量}", std::to_string(editor.pagePictureCount())}})),
                   this);
    m_addresses = new QPlainTextEdit(this);
    m_addresses->setObjectName("地址列表");
    m_addresses->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_message = new QLabel(this);
    m_message->setObjectName("提示");
    m_message->setWordWrap(true);
    auto* confirm = new QPushButton(QString::fromUtf8("确定"), this);
    confirm->setObjectName("确定");
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName("取消");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(titleStrip(QString::fromUtf8("替换图片地址"), true));
    auto* body = new QVBoxLayout;
    body->setContentsMargins(10, 6, 10, 0);
    layout->addLayout(body, 1);
    body->addWidget(prompt);
    body->addWidget(m_addresses, 1);
    body->addWidget(m_message);
    body->addLayout(buttons);
    resize(520, 320);
    connect(cancel, &QAbstractButton::clicked, this, &QWidget::close);
    connect(confirm, &QAbstractButton::clicked, this, &ReplaceAddressesWindow::confirm);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

void ReplaceAddressesWindow::confirm() {
    const uint64_t before = m_editor.changeCount();
    const Said said = m_editor.replacePageAddresses(m_addresses->toPlainText().toStdString());
    m_statusLine.show(said);
    m_message->setText(toQString(said.value_or("")));
    emit editorChanged();
    if (m_editor.changeCount() != before) {
        close();
    }
}

}  // namespace velquist
