// A stacked page's code against the map of the same page as one picture: every point of every
// picture links where the single map links it, and the code comes back from an import unchanged,
// also without click outlines and wrapped for Tabs.
#include <random>
#include <regex>

#include <gtest/gtest.h>

#include "codegen/click_outline.h"
#include "codegen/image_map.h"
#include "codegen/tabs_widget.h"
#include "map_printing.h"
#include "mapfile/image_map_import.h"

namespace velquist {
namespace {

struct CodeArea {
    Rect rect;
    std::string link;
};

struct CodeMap {
    int width = 0;
    int height = 0;
    std::vector<CodeArea> areas;
};

// The pairs of generated code, each <img> checked to use the <map> that follows it.
std::vector<CodeMap> pairsOf(const std::string& code) {
    static const std::regex pair(
        "<img src=\"[^\"]*\" width=\"(\\d+)\" height=\"(\\d+)\" usemap=\"#([^\"]+)\"[^>]*>\r\n"
        "<map name=\"([^\"]+)\">((?:\r\n  <area [^>]*>)*)\r\n</map>");
    static const std::regex area(
        "coords=\"(-?\\d+),(-?\\d+),(-?\\d+),(-?\\d+)\" href=\"([^\"]*)\"");
    std::vector<CodeMap> maps;
    std::vector<std::string> names;
    for (std::sregex_iterator p(code.begin(), code.end(), pair), end; p != end; ++p) {
        const std::smatch& m = *p;
        EXPECT_EQ(m[3], m[4]) << code;
        EXPECT_EQ(std::count(names.begin(), names.end(), m[4].str()), 0) << code;
        names.push_back(m[4]);
        CodeMap map{std::stoi(m[1]), std::stoi(m[2]), {}};
        const std::string lines = m[5];
        for (std::sregex_iterator a(lines.begin(), lines.end(), area); a != end; ++a) {
            const int l = std::stoi((*a)[1]);
            const int t = std::stoi((*a)[2]);
            map.areas.push_back(
                {Rect{l, t, std::stoi((*a)[3]) - l, std::stoi((*a)[4]) - t}, (*a)[5]});
        }
        maps.push_back(std::move(map));
    }
    return maps;
}

// As a browser picks: the first area in the code under the point.
std::string linkAt(const CodeMap& map, int x, int y) {
    for (const CodeArea& area : map.areas) {
        if (area.rect.contains(x, y)) {
            return area.link;
        }
    }
    return "(none)";
}

class RandomPages {
public:
    explicit RandomPages(uint32_t seed) : m_random(seed) {}

    int number(int min, int max) { return std::uniform_int_distribution<int>(min, max)(m_random); }

    // Edges and joins on a coarse grid half the time, so that hotspots often start or end at a
    // join and share edges with others.
    ImageMapInput next(bool fewLinks) {
        ImageMapInput in;
        const bool sameWidth = number(0, 1) == 0;
        const int width = number(20, 120);
        const int grid = number(0, 1) == 0 ? 10 : 1;
        for (int n = number(2, 6); n > 0; --n) {
            in.pictures.push_back({"p" + std::to_string(n) + ".jpg?a=1&b=\"2\"",
                                   sameWidth ? width : number(20, 120),
                                   snap(number(10, 80), grid)});
        }
        const int pageW = pageWidth(in.pictures);
        const int pageH = static_cast<int>(pageHeight(in.pictures));
        in.background = Rect{number(-50, 50), number(-50, 50), pageW, pageH};
        in.backgroundAddress = in.pictures.front().address;
        // Few links and tips, and columns on a coarser grid still: many parts then look alike.
        const int columns = fewLinks ? 20 : grid;
        for (int n = number(1, fewLinks ? 16 : 10); n > 0; --n) {
            const Rect page{snap(number(-10, pageW + 10), columns),
                            snap(number(-10, pageH + 10), grid), snap(number(0, 60), columns),
                            snap(number(0, 150), grid)};
            const std::string link =
                fewLinks ? "L" + std::to_string(number(0, 1)) : "L" + std::to_string(n);
            const bool plainTip = fewLinks || number(0, 1) == 0;
            in.areas.push_back({page.translated(in.background.left, in.background.top),
                                plainTip ? "t" : "a&b \"q\"", link});
        }
        return in;
    }

private:
    static int snap(int value, int grid) { return value / grid * grid; }

    std::mt19937 m_random;
};

// Points of one picture worth trying: its edges, the rows at its joins, each area's corners,
// and some anywhere.
std::vector<Point> samplePoints(const CodeMap& map, RandomPages& random) {
    std::vector<Point> points;
    for (const int y : {0, 1, map.height - 2, map.height - 1}) {
        for (const int x : {0, 1, map.width / 2, map.width - 2, map.width - 1}) {
            points.push_back({x, y});
        }
    }
    for (const CodeArea& a : map.areas) {
        points.push_back({a.rect.left, a.rect.top});
        points.push_back({a.rect.right() - 1, a.rect.bottom() - 1});
    }
    for (int n = 0; n < 30; ++n) {
        points.push_back({random.number(0, map.width - 1), random.number(0, map.height - 1)});
    }
    return points;
}

ImageMapInput inputOf(const MapDocument& map) {
    ImageMapInput in{
        map.pictureAddress, Rect{0, 0, map.pictureWidth, map.pictureHeight}, {}, map.pictures};
    for (const MapHotspot& h : map.hotspots) {
        in.areas.push_back({h.rect, h.tip, h.link});
    }
    return in;
}

TEST(StackedPage, LinksAsTheSinglePictureMapAndComesBackFromAnImport) {
    RandomPages pages(20261209);
    for (int i = 0; i < 200; ++i) {
        const ImageMapInput in = pages.next(i % 2 == 1);
        const std::string code = generateImageMap(in, 4711);
        ImageMapInput whole = in;
        whole.pictures.clear();
        const std::vector<CodeMap> single = pairsOf(generateImageMap(whole, 4711));
        const std::vector<CodeMap> maps = pairsOf(code);
        ASSERT_EQ(single.size(), 1u);
        ASSERT_EQ(maps.size(), in.pictures.size()) << code;

        int top = 0;
        for (size_t p = 0; p < maps.size(); ++p) {
            const CodeMap& map = maps[p];
            ASSERT_EQ(map.width, in.pictures[p].width);
            ASSERT_EQ(map.height, in.pictures[p].height);
            for (const CodeArea& a : map.areas) {
                ASSERT_FALSE(a.rect.empty()) << code;
                ASSERT_EQ(a.rect.intersected(Rect{0, 0, map.width, map.height}), a.rect) << code;
            }
            for (const Point& at : samplePoints(map, pages)) {
                ASSERT_EQ(linkAt(map, at.x, at.y), linkAt(single.front(), at.x, top + at.y))
                    << "picture " << p << " at " << at.x << "," << at.y << "\n"
                    << code;
            }
            top += map.height;
        }

        const Result<ImportedMap> back = importImageMap(code);
        if (std::all_of(maps.begin(), maps.end(),
                        [](const CodeMap& m) { return m.areas.empty(); })) {
            ASSERT_FALSE(back.ok());  // no area on any picture: nothing to import
            continue;
        }
        ASSERT_TRUE(back.ok()) << back.error() << "\n" << code;
        ASSERT_EQ(back->map.pictures, in.pictures);
        ASSERT_EQ(generateImageMap(inputOf(back->map), 4711), code);

        // Without click outlines and wrapped for Tabs it is the same page.
        const std::string noOutline = toggleClickOutline(code, false).text;
        const PictureSizeText size = pictureSizeText(in);
        const std::string wrapped =
            convertToTabsWidget({i % 3, size.width, size.height, "0", "-485", noOutline}, 12345);
        const Result<ImportedMap> unwrapped = importImageMap(wrapped);
        ASSERT_TRUE(unwrapped.ok()) << unwrapped.error();
        ASSERT_EQ(unwrapped->map, back->map) << wrapped;
    }
}

}  // namespace
}  // namespace velquist
