// Several hotspots with real mouse and keys on the canvas: drawn with Shift+drag, selected with
// Ctrl, framed on the canvas, dragged, nudged, duplicated and deleted together.
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "editor/status_text.h"
#include "pictures/test_pictures.h"
#include "support/control_names.h"
#include "support/pointer.h"

namespace velquist {

namespace mc = main_controls;

namespace {

const QColor kPicture(0x0A, 0x14, 0x1E);
const QColor kSelectedFrame(0xFF, 0x8C, 0x00);

}  // namespace

class ManyHotspotsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    AppState* m_state = nullptr;
    MainWindow* m_window = nullptr;
    QWidget* m_canvas = nullptr;

    const EditedMap& map() { return m_state->editor.map(); }
    QString status() { return m_window->findChild<QLabel*>(toQString(mc::kStatus))->text(); }
    QColor shownAt(QPoint at) { return m_canvas->grab().toImage().pixelColor(at); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(m_window, k, modifiers);
    }

    // A left drag on the canvas with `modifiers` held at the press, through a point halfway.
    // Shift+drag from (x, y) over 100 x 100; returns the new hotspot.
    int32_t draw(int x, int y) {
        test::drag(m_canvas, QPoint(x, y), QPoint(x + 100, y + 100), Qt::ShiftModifier);
        return map().selection();
    }
    Rect rectOf(int32_t id) {
        const Hotspot* h = map().findHotspot(id);
        return h ? h->rect : Rect{-1, -1, 0, 0};
    }
    // Whether the canvas shows the selected frame along the left side of hotspot `id`.
    bool framed(int32_t id) {
        const Rect r = rectOf(id);
        return shownAt(QPoint(r.left, r.top + r.height / 2)) == kSelectedFrame &&
               shownAt(QPoint(r.left + 1, r.top + r.height / 2)) == kSelectedFrame;
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        const std::string picture = m_dir.filePath("bg.bmp").toStdString();
        std::ofstream(picture, std::ios::binary)
            << test::makeBmp(750, 400, 24, false, [](int, int) { return 0x000A141Eu; });
        m_state = new AppState;
        m_state->programDir = m_dir.path().toStdString();
        m_window = new MainWindow(*m_state);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_canvas = m_window->findChild<QWidget*>(toQString(mc::kCanvas));
        m_window->startLoad(picture);
        QTRY_VERIFY(!m_window->loader()->busy());
        QVERIFY(map().hasBackground());
    }
    void cleanup() {
        delete m_window;
        delete m_state;
    }

    void shiftDragDrawsAHotspotWhereDragged() {
        test::drag(m_canvas, QPoint(50, 300), QPoint(53, 302), Qt::ShiftModifier);
        QVERIFY(map().hotspots().empty());

        QTest::mousePress(m_canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(60, 150));
        QTest::mouseMove(m_canvas, QPoint(200, 250));
        QCOMPARE(shownAt(QPoint(130, 150)), kSelectedFrame);  // the rectangle while dragging
        QTest::mouseMove(m_canvas, QPoint(260, 300));
        QTest::mouseRelease(m_canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(260, 300));
        QCOMPARE(map().hotspots().size(), size_t{1});
        const Hotspot& drawn = map().hotspots()[0];
        QCOMPARE(drawn.rect, (Rect{60, 150, 200, 150}));
        QCOMPARE(map().selection(), drawn.id);
        QCOMPARE(drawn.link, std::string("#"));
        // Its tile is where it was dragged, and only there.
        QVERIFY(shownAt(QPoint(160, 225)) != kPicture);
        QCOMPARE(shownAt(QPoint(270, 225)), kPicture);
        QCOMPARE(shownAt(QPoint(160, 310)), kPicture);

        key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(map().hotspots().empty());
        QCOMPARE(shownAt(QPoint(160, 225)), kPicture);
    }

    void ctrlClickAndCtrlDragSelectAndEachSelectedIsFramed() {
        const int32_t a = draw(50, 50);
        const int32_t b = draw(300, 50);
        const int32_t c = draw(550, 50);
        QVERIFY(!framed(c));  // one selected shows its handles, as ever

        QTest::mouseClick(m_canvas, Qt::LeftButton, Qt::ControlModifier, QPoint(100, 100));
        QCOMPARE(map().selectedIds(), (std::vector<int32_t>{a, c}));
        QVERIFY(framed(a) && framed(c) && !framed(b));
        QCOMPARE(status(),
                 toQString(velquist::selectionStatus(2, {50, 50, 600, 100}, Point{0, 0})));
        QTest::mouseClick(m_canvas, Qt::LeftButton, Qt::ControlModifier, QPoint(600, 100));
        QCOMPARE(map().selectedIds(), std::vector<int32_t>{a});
        QVERIFY(!framed(a) && !framed(c));

        // A rectangle from the picture's empty part up into A and B selects them instead.
        test::drag(m_canvas, QPoint(20, 300), QPoint(320, 120), Qt::ControlModifier);
        QCOMPARE(map().selectedIds(), (std::vector<int32_t>{a, b}));
        QVERIFY(framed(a) && framed(b) && !framed(c));
        QCOMPARE(rectOf(a), (Rect{50, 50, 100, 100}));

        key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(map().selectedIds().size(), size_t{3});
        QVERIFY(framed(b) && framed(c));
        key(Qt::Key_Escape);
        QVERIFY(map().selectedIds().empty());
        QVERIFY(!framed(a) && !framed(b) && !framed(c));
    }

    void severalMoveNudgeDuplicateAndDeleteTogether() {
        const int32_t a = draw(50, 50);
        const int32_t b = draw(300, 150);
        key(Qt::Key_A, Qt::ControlModifier);

        test::drag(m_canvas, QPoint(100, 100), QPoint(140, 130));
        QCOMPARE(rectOf(a), (Rect{90, 80, 100, 100}));
        QCOMPARE(rectOf(b), (Rect{340, 180, 100, 100}));
        QCOMPARE(shownAt(QPoint(60, 60)), kPicture);
        QVERIFY(shownAt(QPoint(430, 270)) != kPicture);
        QVERIFY(framed(a) && framed(b));
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(rectOf(a), (Rect{50, 50, 100, 100}));
        QCOMPARE(rectOf(b), (Rect{300, 150, 100, 100}));
        QCOMPARE(shownAt(QPoint(430, 270)), kPicture);

        key(Qt::Key_Right);
        key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(rectOf(a), (Rect{51, 60, 100, 100}));
        QCOMPARE(rectOf(b), (Rect{301, 160, 100, 100}));

        key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(map().hotspots().size(), size_t{4});
        const std::vector<int32_t> copies = map().selectedIds();
        QCOMPARE(copies.size(), size_t{2});
        QCOMPARE(rectOf(copies[1]), (Rect{311, 170, 100, 100}));
        QVERIFY(framed(copies[0]) && framed(copies[1]) && !framed(a));
        key(Qt::Key_Delete);
        QCOMPARE(map().hotspots().size(), size_t{2});

        // The menu of a hotspot inside the selection acts on all of it.
        key(Qt::Key_A, Qt::ControlModifier);
        QTest::mouseClick(m_canvas, Qt::RightButton, {}, QPoint(350, 200));
        QTRY_VERIFY(m_window->hotspotMenu()->isVisible());
        m_window->hotspotMenu()->hide();
        m_window->hotspotMenu()->findChild<QAction*>("删除")->trigger();
        QVERIFY(map().hotspots().empty());
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(map().hotspots().size(), size_t{2});

        // A click on one of several selects it alone.
        key(Qt::Key_A, Qt::ControlModifier);
        QTest::mouseClick(m_canvas, Qt::LeftButton, {}, QPoint(350, 200));
        QCOMPARE(map().selectedIds(), std::vector<int32_t>{b});
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::ManyHotspotsTest)
#include "many_hotspots_test.moc"
