// A colour picker: shows its colour as a swatch and drops a palette when clicked.
#pragma once

#include <QAbstractButton>
#include <QColor>

#include "core/color.h"

class QMenu;

namespace velquist {

QColor toQColor(ColorRef color);
ColorRef toColorRef(const QColor& color);

class ColorPicker : public QAbstractButton {
    Q_OBJECT
public:
    explicit ColorPicker(QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    // Shows `color` without raising colorChanged: filling a window is not a pick.
    void setColor(const QColor& color);
    // What choosing `color` in the palette does: show it, then raise colorChanged.
    void pick(const QColor& color);
    // The palette that drops down on a click: a swatch per basic colour (named "#rrggbb")
    // and an entry for any other colour.
    QMenu* dropDown() const { return m_dropDown; }
    QSize sizeHint() const override { return {49, 24}; }

signals:
    void colorChanged(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildDropDown();
    void showDropDown();
    void chooseOtherColor();

    QColor m_color = Qt::white;
    QMenu* m_dropDown = nullptr;
};

}  // namespace velquist
