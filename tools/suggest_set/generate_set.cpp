// Draws the labelled set of shop pictures: PNG and JPEG (quality 85) of each, the rectangles a
// designer links in a text file beside them, and an index. Fixed seeds: the same set each run.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>

#include "sections.h"

namespace velquist::suggest_set {
namespace {

Theme lightTheme(Dice& d) {
    return Theme{QColor(255, 255, 255), QColor(51, 51, 51),
                 QColor::fromHsv(d.oneOf(std::vector<int>{0, 8, 16, 200, 350}), 200, 220),
                 QColor(255, 255, 255), false};
}

Theme darkTheme(Dice& d) {
    return Theme{QColor(24, 24, 30), QColor(235, 235, 235),
                 QColor::fromHsv(d.oneOf(std::vector<int>{0, 30, 45, 190}), 190, 235),
                 QColor(44, 44, 54), true};
}

struct Scene {
    int width;
    int height;  // planned; the picture is cut below the last section
    Theme theme;
    std::function<int(ShopPainter&)> draw;  // returns the row below the content
};

CardStyle anyStyle(Dice& d) {
    return d.oneOf(std::vector<CardStyle>{CardStyle::Bordered, CardStyle::OnGrey,
                                          CardStyle::Shadowed, CardStyle::Bare});
}

// White cards without a border need a grey page to show; a detail page is white or dark.
CardStyle pageCardStyle(ShopPainter& s) {
    const CardStyle style = anyStyle(s.dice());
    return s.theme().dark || style == CardStyle::OnGrey ? CardStyle::Bordered : style;
}

int columnsFor(Dice& d, int width) {
    return d.pick(2, std::clamp(width / 190, 2, 5));
}

Scene banner(Dice& d) {
    const int w = d.oneOf(std::vector<int>{750, 950, 1200, 1920});
    return Scene{
        w, 1400, lightTheme(d), [w](ShopPainter& s) {
            const QColor warm = QColor::fromHsv(s.dice().pick(0, 40), s.dice().pick(40, 90), 250);
            s.backdrop(QRect(0, 0, w, 1400),
                       s.dice().chance(50) ? Backdrop::Vertical : Backdrop::Diagonal, warm);
            if (s.dice().chance(50))
                s.logo(QPoint(30, 30));
            int y = sectionTitle(s, 30, w, false);
            const int cols = s.dice().pick(2, std::clamp(w / 250, 2, 5));
            return cardGrid(s, y, w, cols, 1,
                            s.dice().chance(50) ? CardStyle::Shadowed : CardStyle::Bordered);
        }};
}

Scene grid(Dice& d) {
    const int w = d.oneOf(std::vector<int>{750, 790, 950});
    return Scene{w, 5200, lightTheme(d), [w](ShopPainter& s) {
                     const CardStyle style = anyStyle(s.dice());
                     s.backdrop(QRect(0, 0, w, 5200), Backdrop::Flat,
                                style == CardStyle::OnGrey ? QColor(245, 245, 245) : Qt::white);
                     int y = sectionTitle(s, 10, w, s.dice().chance(50));
                     return cardGrid(s, y, w, columnsFor(s.dice(), w), s.dice().pick(1, 4), style);
                 }};
}

Scene coupons(Dice& d) {
    const int w = d.oneOf(std::vector<int>{750, 790, 1200});
    return Scene{w, 1200, lightTheme(d), [w](ShopPainter& s) {
                     s.backdrop(QRect(0, 0, w, 1200),
                                s.dice().chance(50) ? Backdrop::Flat : Backdrop::Vertical,
                                QColor::fromHsv(s.dice().pick(0, 50), s.dice().pick(0, 40), 252));
                     int y = sectionTitle(s, 10, w, s.dice().chance(30));
                     y = couponStrip(s, y, w, s.dice().pick(2, 4));
                     if (s.dice().chance(50))
                         y = couponStrip(s, y, w, s.dice().pick(2, 3));
                     return s.dice().chance(50) ? standaloneButton(s, y, w) : y;
                 }};
}

Scene navigation(Dice& d) {
    const int w = d.oneOf(std::vector<int>{750, 790, 1200, 1920});
    return Scene{w, 1400, lightTheme(d), [w](ShopPainter& s) {
                     s.backdrop(QRect(0, 0, w, 1400), Backdrop::Flat, Qt::white);
                     s.logo(QPoint(30, 30));
                     int y = navigationBar(s, 60, w, s.dice().chance(35));
                     y = headerBand(s, y, w, 300);
                     return s.dice().chance(50) ? navigationBar(s, y, w, false) : y;
                 }};
}

Scene detail(Dice& d) {
    const int h = d.pick(2000, 6000);
    return Scene{790, h, d.chance(25) ? darkTheme(d) : lightTheme(d), [h](ShopPainter& s) {
                     const int w = 790;
                     s.backdrop(QRect(0, 0, w, h), Backdrop::Flat, s.theme().page);
                     int y = headerBand(s, 0, w, 360);
                     for (int k = 0; y < h - 900; ++k) {
                         y = sectionTitle(s, y, w, true);
                         switch ((k + s.dice().pick(0, 3)) % 4) {
                             case 0:
                                 y = couponStrip(s, y, w, s.dice().pick(2, 3));
                                 break;
                             case 1:
                                 y = cardGrid(s, y, w, s.dice().pick(2, 3), s.dice().pick(1, 2),
                                              pageCardStyle(s));
                                 break;
                             case 2:
                                 y = blockRow(s, y, w, s.dice().pick(1, 2));
                                 break;
                             default:
                                 y = standaloneButton(s, y, w);
                                 break;
                         }
                     }
                     return y;
                 }};
}

Scene dark(Dice& d) {
    const int w = d.oneOf(std::vector<int>{750, 790, 1200});
    return Scene{w, 4000, darkTheme(d), [w](ShopPainter& s) {
                     s.backdrop(QRect(0, 0, w, 4000), Backdrop::Flat, s.theme().page);
                     int y = sectionTitle(s, 10, w, true);
                     if (s.dice().chance(50))
                         y = couponStrip(s, y, w, s.dice().pick(2, 4));
                     return cardGrid(s, y, w, columnsFor(s.dice(), w), s.dice().pick(1, 2),
                                     s.dice().chance(50) ? CardStyle::Bordered : CardStyle::OnGrey);
                 }};
}

Scene photoBackdrop(Dice& d) {
    const int w = d.oneOf(std::vector<int>{750, 950, 1200, 1920});
    return Scene{w, 1600, lightTheme(d), [w](ShopPainter& s) {
                     const QColor base = QColor::fromHsv(
                         s.dice().pick(0, 359), s.dice().pick(30, 80), s.dice().pick(170, 230));
                     s.backdrop(QRect(0, 0, w, 1600),
                                s.dice().chance(60) ? Backdrop::Photo : Backdrop::Pattern, base);
                     int y = sectionTitle(s, 20, w, false);
                     y = s.dice().chance(50) ? blockRow(s, y, w, s.dice().pick(2, 3))
                                             : couponStrip(s, y, w, 3);
                     return standaloneButton(s, y, w);
                 }};
}

Scene blocks(Dice& d) {
    const int w = d.oneOf(std::vector<int>{750, 950, 1200, 1920});
    return Scene{w, 1400, lightTheme(d), [w](ShopPainter& s) {
                     s.backdrop(
                         QRect(0, 0, w, 1400), Backdrop::Vertical,
                         QColor::fromHsv(s.dice().pick(180, 260), s.dice().pick(40, 120), 235));
                     s.logo(QPoint(w - 200, 30));
                     int y = sectionTitle(s, 40, w, s.dice().chance(50));
                     y = blockRow(s, y, w, s.dice().pick(1, 3));
                     return standaloneButton(s, y, w);
                 }};
}

struct Kind {
    const char* name;
    Scene (*make)(Dice&);
};
const Kind kKinds[] = {{"banner", banner},         {"grid", grid},     {"coupons", coupons},
                       {"navigation", navigation}, {"detail", detail}, {"dark", dark},
                       {"photo", photoBackdrop},   {"blocks", blocks}};

bool write(const QString& dir, const QString& name, const QImage& image,
           const std::vector<Truth>& truth) {
    QFile file(dir + "/" + name + ".txt");
    if (!image.save(dir + "/" + name + ".png", "PNG") ||
        !image.save(dir + "/" + name + ".jpg", "JPEG", 85) || !file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QTextStream out(&file);
    for (const Truth& t : truth) {
        out << t.kind.c_str() << ' ' << t.rect.left() << ' ' << t.rect.top() << ' '
            << t.rect.width() << ' ' << t.rect.height() << '\n';
    }
    return true;
}

bool drawPicture(const QString& dir, const QString& name, Scene scene, Dice& dice) {
    QImage image(scene.width, scene.height, QImage::Format_RGB32);
    std::vector<Truth> truth;
    int bottom = 0;
    {
        ShopPainter painter(image, dice, scene.theme);
        bottom = std::min(scene.height, scene.draw(painter) + 20);
        truth = painter.truth();
    }
    return write(dir, name, image.copy(0, 0, scene.width, bottom), truth);
}

}  // namespace
}  // namespace velquist::suggest_set

int main(int argc, char** argv) {
    using namespace velquist::suggest_set;
    QGuiApplication app(argc, argv);
    if (argc != 2 || !QDir().mkpath(argv[1])) {
        std::fprintf(stderr, "usage: suggest_set_generator OUTPUT_FOLDER\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QFile index(dir + "/index.txt");
    if (!index.open(QIODevice::WriteOnly)) {
        return 1;
    }
    QTextStream list(&index);
    constexpr int kPerKind = 8;
    for (int i = 0; i < kPerKind * 8; ++i) {
        const Kind& kind = kKinds[i % 8];
        Dice dice{uint32_t(1000 + i)};
        const QString name = QString("%1-%2").arg(i, 2, 10, QChar('0')).arg(kind.name);
        if (!drawPicture(dir, name, kind.make(dice), dice)) {
            return 1;
        }
        // Every fourth picture of a kind is kept out of tuning.
        list << name << ' ' << kind.name << ' ' << ((i / 8) % 4 == 3 ? "held" : "tune") << '\n';
    }
    for (int height : {1500, 10000}) {
        Dice dice{uint32_t(height)};
        const Theme theme = lightTheme(dice);
        const QString name = QString("timing-%1").arg(height);
        Scene tall{790, height, theme, [height](ShopPainter& s) {
                       s.backdrop(QRect(0, 0, 790, height), Backdrop::Flat, Qt::white);
                       int y = headerBand(s, 0, 790, 360);
                       for (int k = 0; y < height - 700; ++k) {
                           y = sectionTitle(s, y, 790, true);
                           y = k % 2 ? cardGrid(s, y, 790, 3, 1, CardStyle::Bordered)
                                     : couponStrip(s, y, 790, 3);
                       }
                       return height;
                   }};
        if (!drawPicture(dir, name, tall, dice)) {
            return 1;
        }
    }
    return 0;
}
