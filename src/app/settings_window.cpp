// Settings window actions: filled from the editor, work-area colour at once, the rest on "确定".
#include "app/settings_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "app/color_picker.h"
#include "app/image_button.h"
#include "app/settings_window_description.h"
#include "editor/hotspot_editor.h"
#include "settings/remembered_style.h"

namespace velquist {
namespace {

namespace sc = settings_controls;

QWidget* makeColorPicker(const ControlDescription& c, QWidget* parent) {
    return c.kind == ControlKind::ColorPicker ? new ColorPicker(parent) : nullptr;
}

}  // namespace

SettingsWindow::SettingsWindow(HotspotEditor& editor, std::string programDir)
    : DescribedWindow(settingsWindowDescription(), sc::kTitle, nullptr, makeColorPicker),
      m_editor(editor),
      m_programDir(std::move(programDir)) {
    auto* slider = control<QSlider>(sc::kTransparency);
    slider->setRange(sc::kTransparencyMin, sc::kTransparencyMax);
    slider->setPageStep(sc::kTransparencyPageStep);
    slider->setSingleStep(sc::kTransparencyLineStep);
    slider->setTickPosition(QSlider::NoTicks);
    fill();
    connect(control<ColorPicker>(sc::kWorkAreaColor), &ColorPicker::colorChanged, this,
            &SettingsWindow::changeWorkAreaColor);
    connect(control<ImageButton>(sc::kConfirm), &QAbstractButton::clicked, this,
            &SettingsWindow::confirm);
    connect(control<ImageButton>(sc::kClose), &QAbstractButton::clicked, this, &QWidget::close);
    for (const std::string_view side : {sc::kWidth, sc::kHeight}) {
        connect(control<QLineEdit>(side), &QLineEdit::textChanged, this,
                &SettingsWindow::clearMendedError);
    }
}

void SettingsWindow::fill() {
    const SettingsForm values = settingsFormFrom(m_editor.map().style());
    control<QSlider>(sc::kTransparency)->setValue(values.transparency);
    control<ColorPicker>(sc::kFillColor)->setColor(toQColor(values.fillColor));
    control<ColorPicker>(sc::kBorderColor)->setColor(toQColor(values.borderColor));
    control<QLineEdit>(sc::kWidth)->setText(QString::fromStdString(values.widthText));
    control<QLineEdit>(sc::kHeight)->setText(QString::fromStdString(values.heightText));
    control<ColorPicker>(sc::kWorkAreaColor)
        ->setColor(toQColor(m_editor.canvas().backgroundColor()));
}

void SettingsWindow::changeWorkAreaColor(const QColor& color) {
    m_editor.canvas().setBackgroundColor(toColorRef(color));
    const Status kept = rememberWorkAreaColor(m_programDir, toColorRef(color));
    if (!kept) {
        m_editor.setStatus(m_editor.status() + rememberedStyleNote(kept));
    }
    emit editorChanged();
}

SettingsForm SettingsWindow::form() const {
    return {control<QLineEdit>(sc::kWidth)->text().toStdString(),
            control<QLineEdit>(sc::kHeight)->text().toStdString(),
            toColorRef(control<ColorPicker>(sc::kFillColor)->color()),
            toColorRef(control<ColorPicker>(sc::kBorderColor)->color()),
            control<QSlider>(sc::kTransparency)->value()};
}

void SettingsWindow::clearMendedError() {
    HotspotStyle scratch;
    if (applySettings(form(), scratch)) {
        control<QLabel>(sc::kMessage)->clear();
    }
}

void SettingsWindow::confirm() {
    HotspotStyle style = m_editor.map().style();
    const Result<std::string> applied = applySettings(form(), style);
    if (!applied) {
        // The window stays open with what was entered, for mending.
        control<QLabel>(sc::kMessage)->setText(QString::fromStdString(applied.error()));
        return;
    }
    m_editor.setStatus(applied.value() + rememberedStyleNote(rememberStyle(m_programDir, style)));
    m_editor.setStyle(style);
    emit editorChanged();
    close();
}

}  // namespace velquist
