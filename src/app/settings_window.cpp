// Settings window actions: filled from the editor, work-area colour at once, the rest on "确定".
#include "app/settings_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "app/color_picker.h"
#include "app/image_button.h"
#include "editor/hotspot_editor.h"
#include "session/main_status_line.h"
#include "settings/remembered_style.h"
#include "ui_settings_window.h"

namespace velquist {

SettingsWindow::SettingsWindow(HotspotEditor& editor, MainStatusLine& statusLine,
                               std::string programDir)
    : m_ui(std::make_unique<Ui::SettingsWindowForm>()),
      m_editor(editor),
      m_statusLine(statusLine),
      m_programDir(std::move(programDir)) {
    m_ui->setupUi(this);
    frameWith(m_ui->title, true);
    fillWithButtonFace(m_ui->panel);
    makeIntegerInput(m_ui->width);
    makeIntegerInput(m_ui->height);
    fill();
    connect(m_ui->workAreaColor, &ColorPicker::colorChanged, this,
            &SettingsWindow::changeWorkAreaColor);
    connect(m_ui->confirm, &QAbstractButton::clicked, this, &SettingsWindow::confirm);
    connect(m_ui->close, &QAbstractButton::clicked, this, &QWidget::close);
    for (QLineEdit* side : {m_ui->width, m_ui->height}) {
        connect(side, &QLineEdit::textChanged, this, &SettingsWindow::clearMendedError);
    }
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::fill() {
    const SettingsForm values = settingsFormFrom(m_editor.map().style());
    m_ui->transparency->setValue(values.transparency);
    m_ui->fillColor->setColor(toQColor(values.fillColor));
    m_ui->borderColor->setColor(toQColor(values.borderColor));
    m_ui->width->setText(QString::fromStdString(values.widthText));
    m_ui->height->setText(QString::fromStdString(values.heightText));
    m_ui->workAreaColor->setColor(toQColor(m_editor.canvas().backgroundColor()));
}

void SettingsWindow::changeWorkAreaColor(const QColor& color) {
    m_editor.canvas().setBackgroundColor(toColorRef(color));
    const Status kept = rememberWorkAreaColor(m_programDir, toColorRef(color));
    if (!kept) {
        m_statusLine.show(m_statusLine.text() + rememberedStyleNote(kept));
    }
    emit editorChanged();
}

SettingsForm SettingsWindow::form() const {
    return {m_ui->width->text().toStdString(), m_ui->height->text().toStdString(),
            toColorRef(m_ui->fillColor->color()), toColorRef(m_ui->borderColor->color()),
            m_ui->transparency->value()};
}

void SettingsWindow::clearMendedError() {
    HotspotStyle scratch;
    if (applySettings(form(), scratch)) {
        m_ui->message->clear();
    }
}

void SettingsWindow::confirm() {
    HotspotStyle style = m_editor.map().style();
    const Result<std::string> applied = applySettings(form(), style);
    if (!applied) {
        // The window stays open with what was entered, for mending.
        m_ui->message->setText(QString::fromStdString(applied.error()));
        return;
    }
    m_statusLine.show(applied.value() + rememberedStyleNote(rememberStyle(m_programDir, style)));
    m_editor.setStyle(style);
    emit editorChanged();
    close();
}

}  // namespace velquist
