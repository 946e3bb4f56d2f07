// Hotspot-content window actions.
#include "app/content_window.h"

#include <QLabel>
#include <QLineEdit>

#include "app/image_button.h"
#include "app/secondary_descriptions.h"

namespace velquist {

namespace cc = content_controls;

ContentWindow::ContentWindow(HotspotEditor& editor)
    : DescribedWindow(contentWindowDescription(), cc::kTitle), m_editor(editor) {
    connect(control<ImageButton>(cc::kConfirm), &QAbstractButton::clicked, this,
            &ContentWindow::confirm);
    // Enter in either box confirms, as in the other windows.
    for (const std::string_view box : {cc::kTip, cc::kLink}) {
        connect(control<QLineEdit>(box), &QLineEdit::returnPressed, this, &ContentWindow::confirm);
    }
    connect(control<ImageButton>(cc::kClose), &QAbstractButton::clicked, this, [this] {
        m_editor.cancelContent();
        emit editorChanged();
        close();
    });
}

void ContentWindow::edit(const ContentForm& form) {
    m_opened = form;
    control<QLineEdit>(cc::kTip)->setText(QString::fromStdString(form.tip));
    control<QLineEdit>(cc::kLink)->setText(QString::fromStdString(form.link));
    control<QLabel>(cc::kTitle)->setText(QString::fromStdString(form.title));
}

void ContentWindow::followEditor() {
    const ContentForm now = m_editor.contentFormFor(m_opened.id);
    if (now.found) {
        control<QLabel>(cc::kTitle)->setText(QString::fromStdString(now.title));
    }
}

void ContentWindow::confirm() {
    const bool stored =
        m_editor.applyContent(m_opened, control<QLineEdit>(cc::kTip)->text().toStdString(),
                              control<QLineEdit>(cc::kLink)->text().toStdString());
    emit editorChanged();
    if (stored) {
        close();
    }  // else the typed texts stay on show, not lost with the hotspot
}

}  // namespace velquist
