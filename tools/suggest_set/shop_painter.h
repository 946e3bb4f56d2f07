// Drawing the pieces of shop pictures, each piece reporting the rectangle a designer links.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace velquist::suggest_set {

// Deterministic across systems: mt19937 is fixed by the standard, the reduction is ours.
class Dice {
public:
    explicit Dice(uint32_t seed) : m_engine(seed) {}
    int pick(int lo, int hi) { return lo + int(m_engine() % uint32_t(hi - lo + 1)); }
    bool chance(int percent) { return pick(0, 99) < percent; }
    template <typename T>
    const T& oneOf(const std::vector<T>& items) {
        return items[size_t(pick(0, int(items.size()) - 1))];
    }

private:
    std::mt19937 m_engine;
};

struct Truth {
    std::string kind;  // card, coupon, button, menu, block
    QRect rect;
};

struct Theme {
    QColor page;  // the background behind everything
    QColor text;
    QColor accent;  // prices, buttons
    QColor card;
    bool dark = false;
};

enum class CardStyle { Bordered, OnGrey, Shadowed, Bare };
enum class Backdrop { Flat, Vertical, Diagonal, Photo, Pattern };

class ShopPainter {
public:
    ShopPainter(QImage& image, Dice& dice, Theme theme);
    std::vector<Truth>& truth() { return m_truth; }
    const Theme& theme() const { return m_theme; }
    QPainter& painter() { return m_p; }
    Dice& dice() { return m_dice; }

    void backdrop(const QRect& area, Backdrop kind, QColor base);
    // Decoration: none of these is linked.
    int title(int top, int size, const QString& text, int centreX);
    void rule(int y, int left, int right);
    void logo(const QPoint& at);
    // Linked pieces.
    void card(const QRect& rect, CardStyle style);
    void coupon(const QRect& rect, bool filled);
    QRect button(const QRect& rect, const QString& text, bool record);
    void navigation(const QRect& bar, int items, bool tabs);
    void block(const QRect& rect, QColor fill);
    void photo(const QRect& rect);
    void text(const QRect& box, const QString& text, int size, QColor colour, bool bold = false,
              int align = Qt::AlignLeft | Qt::AlignVCenter);

private:
    QImage& m_image;
    QPainter m_p;
    Dice& m_dice;
    Theme m_theme;
    std::vector<Truth> m_truth;
};

}  // namespace velquist::suggest_set
