// A flat button that draws its caption on a filled background, with hover colours (set by the
// window's form).
#pragma once

#include <QAbstractButton>
#include <QColor>

namespace velquist {

class ImageButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(QColor hoverTextColor READ hoverTextColor WRITE setHoverTextColor)
    Q_PROPERTY(QColor hoverBackgroundColor READ hoverBackgroundColor WRITE setHoverBackgroundColor)
    // The caption's size in pixels in the interface font; 0 keeps the window's font.
    Q_PROPERTY(int fontPixels READ fontPixels WRITE setFontPixels)
public:
    struct Colors {
        QColor text;
        QColor background;
        QColor hoverText;
        QColor hoverBackground;
    };

    explicit ImageButton(QWidget* parent = nullptr);

    const Colors& colors() const { return m_colors; }
    QColor textColor() const { return m_colors.text; }
    QColor backgroundColor() const { return m_colors.background; }
    QColor hoverTextColor() const { return m_colors.hoverText; }
    QColor hoverBackgroundColor() const { return m_colors.hoverBackground; }
    void setTextColor(const QColor& color);
    void setBackgroundColor(const QColor& color);
    void setHoverTextColor(const QColor& color);
    void setHoverBackgroundColor(const QColor& color);
    int fontPixels() const { return m_fontPixels; }
    void setFontPixels(int pixels);
    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Colors m_colors;
    bool m_hovered = false;
    int m_fontPixels = 0;
};

}  // namespace velquist
