// Undo and redo: random editing compared against the map as it was after each step, and the
// canvas against a fresh drawing of the map.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "editor/hotspot_editor.h"
#include "editor/hotspot_tile.h"
#include "editor/messages.h"
#include "pictures/test_pictures.h"
#include "pointer_gestures.h"

namespace velquist {
namespace {

struct Seen {
    int32_t background = 0;
    Rect backgroundRect;
    std::string address;
    std::vector<Hotspot> hotspots;
    std::vector<Rect> drawn;  // what the canvas holds, object by object
    bool operator==(const Seen&) const = default;
};

Seen seen(const HotspotEditor& e) {
    const EditedMap& m = e.map();
    Seen s{m.background().id, m.background().rect(), m.background().address, m.hotspots(), {}};
    const HotspotCanvas& c = e.canvas();
    for (int32_t id = 1; id < m.nextId(); ++id) {
        if (c.hasObject(id)) {
            s.drawn.push_back(
                {c.objectLeft(id), c.objectTop(id), c.objectWidth(id), c.objectHeight(id)});
        }
    }
    return s;
}

// The map drawn from nothing on a canvas of its own: the picture at the bottom, the hotspots
// over it in table order. Compared with what the editor's canvas shows after any history.
struct FreshDrawing {
    HotspotCanvas canvas;
    std::vector<int32_t> mapIds{0};  // the map's id of each object of `canvas`, by object id
    explicit FreshDrawing(const HotspotEditor& e)
        : canvas(e.canvas().width(), e.canvas().height()) {
        const Background& b = e.map().background();
        if (b.picture) {
            canvas.placeObject(1, b.position.x, b.position.y);
            canvas.setPicture(1, b.picture);
            mapIds.push_back(b.id);
        }
        for (const Hotspot& h : e.map().hotspots()) {
            const int id = static_cast<int>(mapIds.size());
            canvas.placeObject(id, h.rect.left, h.rect.top);
            canvas.setPicture(
                id, makeHotspotTile(h.rect.width, h.rect.height, h.look.fill, h.look.border));
            canvas.setTransparency(id, h.look.transparency);
            mapIds.push_back(h.id);
        }
        canvas.render();
    }
};

// Whether the editor shows the map: every pixel drawn, and what a click hits on a grid of points
// and at every hotspot's corner.
::testing::AssertionResult showsTheMap(HotspotEditor& e) {
    FreshDrawing fresh(e);
    HotspotCanvas& shown = e.canvas();
    shown.render();
    const size_t pixels = static_cast<size_t>(shown.width()) * static_cast<size_t>(shown.height());
    if (!std::equal(shown.frame(), shown.frame() + pixels, fresh.canvas.frame())) {
        return ::testing::AssertionFailure() << "the frame differs from a fresh drawing";
    }
    std::vector<Point> points;
    for (int y = 0; y < shown.height(); y += 16) {
        for (int x = 0; x < shown.width(); x += 16) {
            points.push_back({x, y});
        }
    }
    for (const Hotspot& h : e.map().hotspots()) {
        points.push_back({h.rect.left, h.rect.top});
    }
    for (const Point& p : points) {
        const int32_t want = fresh.mapIds[static_cast<size_t>(fresh.canvas.hitTest(p.x, p.y))];
        if (shown.hitTest(p.x, p.y) != want) {
            return ::testing::AssertionFailure()
                   << "a click at (" << p.x << ", " << p.y << ") hits " << shown.hitTest(p.x, p.y)
                   << ", not " << want;
        }
    }
    return ::testing::AssertionSuccess();
}

// One user action chosen at random (some change nothing).
void randomStep(HotspotEditor& e, std::mt19937& rng) {
    auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const auto& hotspots = e.map().hotspots();
    const int32_t some =
        hotspots.empty()
            ? 0
            : hotspots[static_cast<size_t>(pick(static_cast<int>(hotspots.size())))].id;
    switch (pick(10)) {
        case 0:
        case 1:
            e.addHotspot();
            break;
        case 2:
            test::choose(e, some);
            e.deleteSelectedHotspot();
            break;
        case 3:  // a drag of several movements
            if (some != 0) {
                const Point at = test::pointOn(e, some);
                test::pressAt(e, at.x, at.y);
                for (int i = 0; i < 3; ++i) {
                    test::moveTo(e, pick(900), pick(600));
                }
                test::releaseAt(e, at.x, at.y);
            }
            break;
        case 4:
            test::choose(e, some);
            {
                const HandleEdge edge = kHandleEdges[static_cast<size_t>(pick(4))];
                test::pressHandle(e, edge);
                test::moveHandle(e, edge, pick(900), pick(600));
                test::moveHandle(e, edge, pick(900), pick(600));
                test::releaseHandle(e, edge, 0, 0);
            }
            break;
        case 5:
            test::choose(e, some);
            e.applyContent(e.contentForm(), "提示" + std::to_string(pick(100)), "&\"<>");
            break;
        case 6:
            e.alignBackground(static_cast<Alignment>(pick(5)));
            break;
        case 7:
            e.finishLoad("http://p/" + std::to_string(pick(100)),
                         test::solidPicture(50 + pick(300), 50 + pick(300), 0));
            break;
        case 8: {  // the map reopened from its saved form, its picture arriving later
            const MapDocument saved = e.document();
            e.replaceMap(editor_messages::kStepOpenMap, saved, nullptr);
            e.finishPictureFetch(saved.pictureAddress,
                                 test::solidPicture(50 + pick(300), 50 + pick(300), 0x0000FF00));
            break;
        }
        case 9:  // a picture put under the hotspots
            e.finishLoad("http://q/" + std::to_string(pick(100)),
                         test::solidPicture(50 + pick(300), 50 + pick(300), 0x000000FF), true);
            break;
    }
}

TEST(UndoHistory, RandomEditingUndoneAndRedoneMatchesEachStep) {
    constexpr unsigned kDrawnSeeds = 4;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        HotspotEditor e(996, 624);
        std::vector<Seen> states{seen(e)};
        e.finishLoad("http://p/start", test::solidPicture(750, 400, 0));
        states.push_back(seen(e));
        size_t at = 1;  // states[at] is what the map must show now
        for (int round = 0; round < 200; ++round) {
            const int what = static_cast<int>(rng() % 10);
            if (what < 6) {
                const size_t before = e.history().undoCount();
                randomStep(e, rng);
                if (e.history().undoCount() > before) {
                    states.resize(at + 1);
                    states.push_back(seen(e));
                    ++at;
                    ASSERT_EQ(e.history().redoCount(), 0u);
                }
            } else if (what < 8) {
                e.undo();
                at = at == 0 ? 0 : at - 1;
            } else {
                e.redo();
                at = std::min(at + 1, states.size() - 1);
            }
            ASSERT_EQ(seen(e), states[at]) << "seed " << seed << " round " << round;
            // A whole fresh drawing costs a millisecond or two: a few seeds check it.
            if (seed <= kDrawnSeeds) {
                ASSERT_TRUE(showsTheMap(e)) << "seed " << seed << " round " << round;
            }
        }
    }
}

TEST(UndoHistory, StatusNamesTheStepAndADragIsOneStep) {
    HotspotEditor e(996, 624);
    EXPECT_EQ(e.undo(), "没有可撤销的操作");
    e.finishLoad("http://a", test::solidPicture(750, 400, 0));
    e.addHotspot();
    test::pressAt(e, 110, 110);
    for (int x = 120; x < 400; x += 10) {
        test::moveTo(e, x, 200);
    }
    test::releaseAt(e, 400, 200);
    EXPECT_EQ(e.undo(), "已撤销：移动热区");
    EXPECT_EQ(e.map().hotspots()[0].rect, (Rect{100, 100, 100, 100}));
    EXPECT_EQ(e.redo(), "已重做：移动热区");
    e.undo();
    EXPECT_EQ(e.undo(), "已撤销：添加热区");
    e.undo();  // the load: the empty start comes back
    EXPECT_FALSE(e.map().hasBackground());
    EXPECT_FALSE(e.addHotspotEnabled());
    EXPECT_EQ(e.canvas().objectCount(), 0);
}

}  // namespace
}  // namespace velquist
