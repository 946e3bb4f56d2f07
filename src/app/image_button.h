// A flat button that draws its caption on a filled background, with hover colours.
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace velquist {

class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    struct Colors {
        QColor text;
        QColor background;
        QColor hoverText;
        QColor hoverBackground;
    };

    explicit ImageButton(const Colors& colors, QWidget* parent = nullptr);

    const Colors& colors() const { return m_colors; }
    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Colors m_colors;
    bool m_hovered = false;
};

}  // namespace velquist
