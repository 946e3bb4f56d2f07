// The colour picker's swatch, its drop-down palette and the dialog for other colours.
#include "app/color_picker.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QWidgetAction>
#include <array>

namespace velquist {
namespace {

constexpr int kColumns = 8;
constexpr int kSwatchSide = 18;
constexpr int kArrowWidth = 12;
constexpr const char* kOtherColors = "其他颜色...";

// The usual basic colours of a colour chooser, row by row.
constexpr auto kBasicColors = std::to_array<QRgb>({
    0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF,
    0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF,
    0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080,
    0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF,
    0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080,
    0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0x00E080, 0xFFFFFF,
});

// One colour of the palette grid.
class Swatch : public QAbstractButton {
public:
    Swatch(QColor color, QWidget* parent) : QAbstractButton(parent), m_color(color) {
        setObjectName(color.name());
        setToolTip(color.name().toUpper());
        setFixedSize(kSwatchSide, kSwatchSide);
        setAttribute(Qt::WA_Hover);
    }
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), underMouse() ? palette().highlight() : palette().button());
        painter.fillRect(rect().adjusted(2, 2, -2, -2), m_color);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }

private:
    QColor m_color;
};

}  // namespace

QColor toQColor(ColorRef color) {
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

ColorRef toColorRef(const QColor& color) {
    return rgb(static_cast<uint8_t>(color.red()), static_cast<uint8_t>(color.green()),
               static_cast<uint8_t>(color.blue()));
}

ColorPicker::ColorPicker(QWidget* parent) : QAbstractButton(parent) {
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    buildDropDown();
    connect(this, &QAbstractButton::clicked, this, &ColorPicker::showDropDown);
}

void ColorPicker::setColor(const QColor& color) {
    m_color = color;
    update();
}

void ColorPicker::pick(const QColor& color) {
    setColor(color);
    emit colorChanged(m_color);
}

void ColorPicker::buildDropDown() {
    m_dropDown = new QMenu(this);
    auto* grid = new QWidget(m_dropDown);
    auto* layout = new QGridLayout(grid);
    layout->setSpacing(1);
    layout->setContentsMargins(4, 4, 4, 4);
    for (size_t i = 0; i < kBasicColors.size(); ++i) {
        auto* swatch = new Swatch(QColor::fromRgb(kBasicColors[i]), grid);
        const int index = static_cast<int>(i);
        layout->addWidget(swatch, index / kColumns, index % kColumns);
        connect(swatch, &QAbstractButton::clicked, this, [this, swatch] {
            m_dropDown->hide();
            pick(swatch->color());
        });
    }
    auto* gridAction = new QWidgetAction(m_dropDown);
    gridAction->setDefaultWidget(grid);
    m_dropDown->addAction(gridAction);
    m_dropDown->addSeparator();
    connect(m_dropDown->addAction(kOtherColors), &QAction::triggered, this,
            &ColorPicker::chooseOtherColor);
}

void ColorPicker::showDropDown() {
    m_dropDown->popup(mapToGlobal(QPoint(0, height())));
}

void ColorPicker::chooseOtherColor() {
    const QColor chosen = QColorDialog::getColor(m_color, window());
    if (chosen.isValid()) {  // invalid: the dialog was cancelled
        pick(chosen);
    }
}

void ColorPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), palette().button());
    painter.setPen(underMouse() ? palette().color(QPalette::Highlight)
                                : palette().color(QPalette::Dark));
    painter.drawRect(frame);
    const QRect swatch(3, 3, width() - kArrowWidth - 6, height() - 6);
    painter.fillRect(swatch, m_color);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    // A small downward triangle says that a click drops something down.
    const int cx = width() - kArrowWidth / 2 - 2;
    const int cy = height() / 2;
    const QPoint arrow[] = {{cx - 3, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::ButtonText));
    painter.drawPolygon(arrow, 3);
}

}  // namespace velquist
