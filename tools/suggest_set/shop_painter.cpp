// Pieces of shop pictures drawn with QPainter, in the manner of real shop pages.
#include "shop_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace velquist::suggest_set {
namespace {

const std::vector<QString> kProducts = {
    "羊毛围巾", "加厚毛衣", "保暖手套", "羽绒马甲", "针织开衫", "纯棉衬衫",   "运动鞋",
    "双肩背包", "真丝睡衣", "牛仔外套", "保温水杯", "蓝牙耳机", "护手霜礼盒", "香薰蜡烛"};
const std::vector<QString> kMenu = {"首页", "新品上市", "热卖",     "女装",   "男装",
                                    "童装", "家居",     "会员中心", "优惠券", "品牌故事"};

QColor shade(QColor c, int by) {
    return c.lighter(100 + by);
}

}  // namespace

ShopPainter::ShopPainter(QImage& image, Dice& dice, Theme theme)
    : m_image(image), m_p(&image), m_dice(dice), m_theme(theme) {
    m_p.setRenderHint(QPainter::Antialiasing);
    m_p.setRenderHint(QPainter::TextAntialiasing);
}

void ShopPainter::text(const QRect& box, const QString& words, int size, QColor colour, bool bold,
                       int align) {
    QFont font("WenQuanYi Micro Hei");
    font.setPixelSize(size);
    font.setBold(bold);
    m_p.setFont(font);
    m_p.setPen(colour);
    m_p.drawText(box, align, words);
}

void ShopPainter::backdrop(const QRect& area, Backdrop kind, QColor base) {
    m_p.save();
    m_p.setPen(Qt::NoPen);
    if (kind == Backdrop::Flat) {
        m_p.fillRect(area, base);
    } else if (kind == Backdrop::Vertical || kind == Backdrop::Diagonal) {
        QLinearGradient g(area.topLeft(),
                          kind == Backdrop::Vertical ? area.bottomLeft() : area.bottomRight());
        g.setColorAt(0, shade(base, 12));
        g.setColorAt(1, base.darker(112));
        m_p.fillRect(area, g);
    } else if (kind == Backdrop::Photo) {
        m_p.fillRect(area, base);
        for (int i = 0; i < 9; ++i) {
            const QPoint c(area.left() + m_dice.pick(0, area.width()),
                           area.top() + m_dice.pick(0, area.height()));
            const int r = m_dice.pick(area.width() / 5, area.width() / 2);
            QRadialGradient g(c, r);
            QColor tone = i % 2 ? base.darker(125) : base.lighter(118);
            g.setColorAt(0, tone);
            tone.setAlpha(0);
            g.setColorAt(1, tone);
            m_p.setBrush(g);
            m_p.drawEllipse(c, r, r);
        }
    } else {
        m_p.fillRect(area, base);
        m_p.setPen(QPen(base.darker(104), 1));
        for (int x = area.left() - area.height(); x < area.right(); x += 14) {
            m_p.drawLine(x, area.bottom(), x + area.height(), area.top());
        }
    }
    m_p.restore();
}

int ShopPainter::title(int top, int size, const QString& words, int centreX) {
    text(QRect(centreX - 600, top, 1200, size + size / 2), words, size, m_theme.text, true,
         Qt::AlignCenter);
    return top + size + size / 2;
}

void ShopPainter::rule(int y, int left, int right) {
    m_p.setPen(QPen(m_theme.dark ? QColor(80, 80, 90) : QColor(220, 220, 220), 1));
    m_p.drawLine(left, y, right, y);
}

void ShopPainter::logo(const QPoint& at) {
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(m_theme.accent);
    m_p.drawEllipse(at, 14, 14);
    text(QRect(at.x() + 20, at.y() - 12, 160, 24), "优品生活馆", 16, m_theme.text, true);
}

void ShopPainter::photo(const QRect& rect) {
    QLinearGradient g(rect.topLeft(), rect.bottomRight());
    const QColor tone =
        QColor::fromHsv(m_dice.pick(0, 359), m_dice.pick(20, 60), m_dice.pick(215, 245));
    g.setColorAt(0, tone);
    g.setColorAt(1, tone.darker(108));
    m_p.fillRect(rect, g);
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(
        QColor::fromHsv(m_dice.pick(0, 359), m_dice.pick(120, 220), m_dice.pick(120, 220)));
    const int r = std::min(rect.width(), rect.height()) * m_dice.pick(28, 40) / 100;
    if (m_dice.chance(50)) {
        m_p.drawEllipse(rect.center(), r, r);
    } else {
        m_p.drawRoundedRect(QRect(rect.center().x() - r, rect.center().y() - r, 2 * r, 2 * r), 12,
                            12);
    }
}

QRect ShopPainter::button(const QRect& rect, const QString& words, bool record) {
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(m_theme.accent);
    m_p.drawRoundedRect(rect, rect.height() / 2.0, rect.height() / 2.0);
    text(rect, words, std::max(12, rect.height() * 4 / 9), Qt::white, false, Qt::AlignCenter);
    if (record) {
        m_truth.push_back({"button", rect});
    }
    return rect;
}

void ShopPainter::card(const QRect& rect, CardStyle style) {
    const int pad = style == CardStyle::Bare ? 0 : std::max(8, rect.width() / 16);
    m_p.setPen(Qt::NoPen);
    if (style == CardStyle::Shadowed) {
        for (int i = 6; i >= 1; --i) {
            m_p.setBrush(QColor(0, 0, 0, 7));
            m_p.drawRoundedRect(rect.adjusted(-i, -i + 2, i, i + 2), 10 + i, 10 + i);
        }
    }
    if (style != CardStyle::Bare) {
        m_p.setBrush(m_theme.card);
        m_p.setPen(style == CardStyle::Bordered
                       ? QPen(m_theme.dark ? QColor(70, 70, 80) : QColor(229, 229, 229), 1)
                       : Qt::NoPen);
        m_p.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
    const int w = rect.width() - 2 * pad;
    const QRect image(rect.left() + pad, rect.top() + pad, w,
                      std::min(w, rect.height() * 55 / 100));
    photo(image);
    int y = image.bottom() + 1 + std::max(6, rect.height() / 40);
    const int line = std::clamp(rect.width() / 14, 13, 22);
    text(QRect(image.left(), y, w, line + 6), m_dice.oneOf(kProducts), line, m_theme.text);
    y += line + 6 + 4;
    text(QRect(image.left(), y, w, line + 10), QString("¥%1").arg(m_dice.pick(19, 899)), line + 4,
         m_theme.accent, true);
    const int bh = std::clamp(rect.height() / 12, 24, 40);
    const QRect buy(image.left(), rect.bottom() + 1 - pad - bh, std::min(w, 6 * bh), bh);
    button(buy, "立即购买", false);
    m_truth.push_back({"card", style == CardStyle::Bare
                                   ? QRect(rect.topLeft(), buy.bottomLeft() + QPoint(w - 1, 0))
                                   : rect});
}

void ShopPainter::coupon(const QRect& rect, bool filled) {
    const QColor accent = m_theme.accent;
    m_p.setPen(filled ? Qt::NoPen : QPen(accent, 1));
    m_p.setBrush(filled ? accent : QColor(255, 241, 240));
    m_p.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    const QColor ink = filled ? Qt::white : accent;
    const int left = rect.width() * 38 / 100;
    m_p.setPen(QPen(ink, 1, Qt::DashLine));
    m_p.drawLine(rect.left() + left, rect.top() + 8, rect.left() + left, rect.bottom() - 8);
    const int h = rect.height();
    text(QRect(rect.left(), rect.top(), left, h),
         QString("¥%1").arg(m_dice.oneOf(std::vector<int>{5, 10, 20, 50, 100})), h * 2 / 5, ink,
         true, Qt::AlignCenter);
    text(QRect(rect.left() + left + 8, rect.top() + h / 6, rect.width() - left - 12, h / 3),
         QString("满%1可用").arg(m_dice.pick(9, 59) * 10), std::max(11, h / 6), ink);
    text(QRect(rect.left() + left + 8, rect.top() + h / 2, rect.width() - left - 12, h / 3),
         "立即领取", std::max(11, h / 6), ink, true);
    m_truth.push_back({"coupon", rect});
}

void ShopPainter::navigation(const QRect& bar, int items, bool tabs) {
    if (!tabs) {
        m_p.fillRect(bar, m_theme.dark ? QColor(40, 40, 48) : m_theme.accent);
    }
    const int cell = bar.width() / items;
    for (int i = 0; i < items; ++i) {
        const QRect r(bar.left() + i * cell, bar.top(), cell, bar.height());
        const QString name = kMenu[size_t((i + m_dice.pick(0, 3)) % int(kMenu.size()))];
        if (tabs) {
            const QRect pill = r.adjusted(6, 6, -6, -6);
            button(pill, name, false);
            m_truth.push_back({"menu", pill});
        } else {
            text(r, name, std::clamp(bar.height() * 2 / 5, 13, 20), Qt::white, false,
                 Qt::AlignCenter);
            m_truth.push_back({"menu", r});
        }
    }
}

void ShopPainter::block(const QRect& rect, QColor fill) {
    m_p.setPen(Qt::NoPen);
    m_p.setBrush(fill);
    m_p.drawRoundedRect(rect, 12, 12);
    const int pad = 20;
    const int size = std::clamp(rect.height() / 7, 16, 34);
    text(QRect(rect.left() + pad, rect.top() + pad, rect.width() / 2, size + 8),
         m_dice.oneOf(kProducts), size, m_theme.dark ? Qt::white : QColor(40, 40, 40), true);
    text(QRect(rect.left() + pad, rect.top() + pad + size + 14, rect.width() / 2, size),
         "限时特惠 低至5折", size * 3 / 5,
         m_theme.dark ? QColor(200, 200, 200) : QColor(90, 90, 90));
    const int side = std::min(rect.height() - 2 * pad, rect.width() / 2 - pad);
    photo(QRect(rect.right() - pad - side, rect.top() + pad, side, side));
    m_truth.push_back({"block", rect});
}

}  // namespace velquist::suggest_set
