// "重复为网格" window actions.
#include "app/grid_window.h"

#include <QKeyEvent>
#include <QShortcut>
#include <QSpinBox>

#include "app/image_button.h"
#include "app/qt_text.h"
#include "editor/hotspot_editor.h"
#include "mapfile/map_limits.h"
#include "session/main_status_line.h"
#include "ui_grid_window.h"

namespace velquist {

GridWindow::GridWindow(HotspotEditor& editor, MainStatusLine& statusLine, int32_t hotspot)
    : m_ui(std::make_unique<Ui::GridWindowForm>()),
      m_editor(editor),
      m_statusLine(statusLine),
      m_hotspot(hotspot) {
    m_ui->setupUi(this);
    frameWith(m_ui->title, false);
    // The boxes take more than the map allows, so that "确定" can say what the limit is.
    for (QSpinBox* count : {m_ui->rows, m_ui->columns}) {
        count->setRange(1, kMaxMapHotspots);
    }
    for (QSpinBox* gap : {m_ui->horizontalGap, m_ui->verticalGap}) {
        gap->setRange(-kMaxMapCoordinate, kMaxMapCoordinate);
    }
    for (QSpinBox* box : {m_ui->rows, m_ui->columns, m_ui->horizontalGap, m_ui->verticalGap}) {
        connect(box, &QSpinBox::valueChanged, this, &GridWindow::editorChanged);
    }
    connect(m_ui->confirm, &QAbstractButton::clicked, this, &GridWindow::confirm);
    connect(m_ui->cancel, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_ui->close, &QAbstractButton::clicked, this, &QWidget::close);
    // A box would keep Esc to itself; the window's shortcut sees it first.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

GridWindow::~GridWindow() = default;

GridShape GridWindow::shape() const {
    return {m_ui->rows->value(), m_ui->columns->value(), m_ui->horizontalGap->value(),
            m_ui->verticalGap->value()};
}

std::vector<Rect> GridWindow::followEditor() {
    if (m_done) {
        return {};
    }
    const Result<std::vector<Rect>> copies = m_editor.gridCopies(m_hotspot, shape());
    m_ui->message->setText(toQString(copies.error()));
    return copies.value_or({});
}

void GridWindow::confirm() {
    const bool fits = m_editor.gridCopies(m_hotspot, shape()).ok();
    m_statusLine.show(m_editor.repeatAsGrid(m_hotspot, shape()));
    if (fits) {
        close();
    } else {
        emit editorChanged();  // the values stay on show to be corrected
    }
}

void GridWindow::closeEvent(QCloseEvent* event) {
    m_done = true;
    SecondaryWindow::closeEvent(event);
    emit editorChanged();
}

void GridWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirm();
    } else {
        SecondaryWindow::keyPressEvent(event);
    }
}

}  // namespace velquist
