// "替换图片地址…" window: a box to paste into, and its confirmation.
#include "app/replace_addresses_window.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
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
    auto* content = new QVBoxLayout;
    content->setContentsMargins(0, 0, 0, 0);
    content->addWidget(prompt);
    content->addWidget(m_addresses, 1);
    const CodeBuiltParts parts = layOutInCode(QString::fromUtf8("替换图片地址"), true, content, 1);
    m_message = parts.message;
    resize(520, 320);
    connect(parts.confirm, &QAbstractButton::clicked, this, &ReplaceAddressesWindow::confirm);
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
