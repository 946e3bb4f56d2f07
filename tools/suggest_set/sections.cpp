// Sections of shop pages: grids of cards, coupon strips, navigation, banner blocks.
#include "sections.h"

#include <algorithm>

namespace velquist::suggest_set {

int sectionTitle(ShopPainter& s, int y, int width, bool withRule) {
    const std::vector<QString> titles = {
        "冬日暖装 · 新品上市", "爆款推荐", "限时秒杀", "店长精选", "热销榜单", "品牌专区"};
    const int size = s.dice().pick(24, std::clamp(width / 20, 26, 56));
    y = s.title(y + 16, size, s.dice().oneOf(titles), width / 2);
    if (withRule) {
        const int half = s.dice().chance(50) ? width / 2 : 120;
        s.rule(y + 8, width / 2 - half, width / 2 + half);
        y += 12;
    }
    if (s.dice().chance(50)) {
        s.text(QRect(0, y + 4, width, 22), "全场包邮  满299减50", 16, s.theme().text.lighter(140),
               false, Qt::AlignCenter);
        y += 28;
    }
    return y + 18;
}

int cardGrid(ShopPainter& s, int y, int width, int columns, int rows, CardStyle style) {
    const int margin = s.dice().pick(12, std::max(14, width / 20));
    const int gap = s.dice().pick(16, 32);
    const int cardW = std::min(340, (width - 2 * margin - (columns - 1) * gap) / columns);
    const int cardH = cardW * s.dice().pick(135, 165) / 100 + 40;
    const int used = columns * cardW + (columns - 1) * gap;
    const int left = (width - used) / 2;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            s.card(QRect(left + c * (cardW + gap), y + r * (cardH + gap), cardW, cardH), style);
        }
    }
    return y + rows * (cardH + gap) + 10;
}

int couponStrip(ShopPainter& s, int y, int width, int count) {
    const int margin = s.dice().pick(12, 40);
    const int gap = s.dice().pick(10, 24);
    const int w = (width - 2 * margin - (count - 1) * gap) / count;
    const int h = std::clamp(w * s.dice().pick(30, 45) / 100, 70, 140);
    const bool filled = s.dice().chance(50);
    for (int i = 0; i < count; ++i) {
        s.coupon(QRect(margin + i * (w + gap), y, w, h), filled);
    }
    return y + h + 24;
}

int blockRow(ShopPainter& s, int y, int width, int count) {
    const int margin = s.dice().pick(16, 40);
    const int gap = s.dice().pick(14, 30);
    const int w = (width - 2 * margin - (count - 1) * gap) / count;
    const int h = std::clamp(w * s.dice().pick(40, 60) / 100, 120, 320);
    // A block stands apart from the page: on a white page it is tinted.
    const QColor fill = s.theme().dark ? QColor(52, 54, 66)
                        : s.theme().page != QColor(Qt::white)
                            ? s.theme().card
                            : QColor::fromHsv(s.theme().accent.hue(), 28, 252);
    for (int i = 0; i < count; ++i) {
        s.block(QRect(margin + i * (w + gap), y, w, h), fill);
    }
    return y + h + 24;
}

int navigationBar(ShopPainter& s, int y, int width, bool tabs) {
    const int items = s.dice().pick(4, std::min(8, width / 110));
    const int h = s.dice().pick(40, 56);
    s.navigation(QRect(0, y, width, h), items, tabs);
    return y + h + 20;
}

int standaloneButton(ShopPainter& s, int y, int width) {
    const int h = s.dice().pick(36, 56);
    const int w = h * s.dice().pick(30, 45) / 10;
    const std::vector<QString> words = {"立即抢购", "查看更多", "进店逛逛", "马上领取"};
    s.button(QRect(width / 2 - w / 2, y, w, h), s.dice().oneOf(words), true);
    return y + h + 24;
}

int headerBand(ShopPainter& s, int y, int width, int height) {
    const QColor tone =
        s.theme().dark ? QColor(30, 34, 48) : QColor::fromHsv(s.dice().pick(0, 40), 60, 245);
    const int size = std::clamp(width / 16, 28, 64);
    height = std::max(height, size * 3 + 110);
    s.backdrop(QRect(0, y, width, height), Backdrop::Vertical, tone);
    s.title(y + height / 4, size, "年终盛典 全场五折起", width / 2);
    standaloneButton(s, y + height / 4 + size * 2, width);
    return y + height + 20;
}

}  // namespace velquist::suggest_set
