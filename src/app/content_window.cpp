// Hotspot-content window actions.
#include "app/content_window.h"

#include <QLineEdit>

#include "app/image_button.h"
#include "app/secondary_descriptions.h"

namespace velquist {

namespace cc = content_controls;

ContentWindow::ContentWindow(HotspotEditor& editor)
    : DescribedWindow(contentWindowDescription(), cc::kTitle),
      m_editor(editor),
      m_opened(editor.contentForm()) {
    auto* tip = control<QLineEdit>(cc::kTip);
    auto* link = control<QLineEdit>(cc::kLink);
    if (m_opened.found) {
        tip->setText(QString::fromStdString(m_opened.tip));
        link->setText(QString::fromStdString(m_opened.link));
    }
    connect(control<ImageButton>(cc::kConfirm), &QAbstractButton::clicked, this, [=, this] {
        m_editor.applyContent(m_opened, tip->text().toStdString(), link->text().toStdString());
        emit editorChanged();
        close();
    });
    connect(control<ImageButton>(cc::kClose), &QAbstractButton::clicked, this, [this] {
        m_editor.cancelContent();
        emit editorChanged();
        close();
    });
}

}  // namespace velquist
