// The hotspot menu's "对齐" and "重复为网格…" on the real windows: a right-click, the item
// chosen, what the canvas then draws, and Ctrl+Z taking the whole change back.
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "pictures/test_pictures.h"
#include "support/control_names.h"
#include "support/pointer.h"

namespace velquist {

namespace mc = main_controls;

namespace grid_controls {
inline constexpr std::string_view kWindow = "重复为网格窗口";
inline constexpr std::string_view kRows = "微调框_行数";
inline constexpr std::string_view kColumns = "微调框_列数";
inline constexpr std::string_view kHorizontalGap = "微调框_水平间距";
inline constexpr std::string_view kMessage = "标签_提示";
inline constexpr std::string_view kConfirm = "超级按钮_确定";
}  // namespace grid_controls

class ArrangeFlowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    AppState* m_state = nullptr;
    MainWindow* m_window = nullptr;
    QWidget* m_canvas = nullptr;

    QString status() { return m_window->findChild<QLabel*>(toQString(mc::kStatus))->text(); }
    const EditedMap& map() { return m_state->editor.map(); }
    QColor shownAt(QPoint at) { return m_canvas->grab().toImage().pixelColor(at); }
    // A hotspot's tile over the dark picture: its magenta fill shows through.
    bool hotspotAt(QPoint at) {
        const QColor c = shownAt(at);
        return c.red() > 100 && c.blue() > 100 && c.green() < 60;
    }
    // Orange outline pixels along the inside of the top side of `r` (canvas pixels).
    int previewDashesOn(const Rect& r) {
        const QImage shown = m_canvas->grab().toImage();
        int violet = 0;
        for (int x = r.left + 2; x < r.right() - 2; ++x) {
            const QColor c = shown.pixelColor(x, r.top + 1);
            violet += c.red() > 150 && c.red() < 210 && c.green() < 90 && c.blue() > 200 ? 1 : 0;
        }
        return violet;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, key, modifiers);
    }
    // A right press at `at`; the menu that opens is left open for the caller.
    QMenu* rightClick(QPoint at) {
        QTest::mouseClick(m_canvas, Qt::RightButton, {}, at);
        QMenu* menu = m_window->hotspotMenu();
        return menu->isVisible() ? menu : nullptr;
    }
    void addHotspot() {
        QTest::mouseClick(m_window->findChild<ImageButton*>(toQString(mc::kAddHotspot)),
                          Qt::LeftButton);
    }
    QWidget* gridWindow() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == toQString(grid_controls::kWindow) && w->isVisible()) {
                return w;
            }
        }
        return nullptr;
    }
    // Types `value` into a box of the grid window as a user does: all of it replaced.
    void typeInto(std::string_view box, int value) {
        auto* spin = test::control<QSpinBox>(gridWindow(), box);
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(value));
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_state = new AppState;
        m_state->programDir = m_dir.path().toStdString();
        m_window = new MainWindow(*m_state);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_canvas = m_window->findChild<QWidget*>(toQString(mc::kCanvas));
        const QString picture = m_dir.filePath("dark.bmp");
        std::ofstream(picture.toStdString(), std::ios::binary)
            << test::makeBmp(750, 400, 24, false, [](int, int) { return 0x00102030u; });
        m_window->startLoad(picture.toStdString());
        QTRY_VERIFY(!m_window->loader()->busy());
        QVERIFY(map().hasBackground());
    }
    void cleanup() {
        delete m_window;
        delete m_state;
    }

    void alignedHotspotsAreDrawnWhereTheyNowAre() {
        addHotspot();
        const int32_t a = map().selection();
        test::drag(m_canvas, {150, 150}, {450, 300});  // A: (400, 250) to (500, 350)
        addHotspot();                                  // B: (100, 100) to (200, 200)
        const int32_t b = map().selection();
        QMenu* menu = rightClick({150, 150});
        QVERIFY(menu != nullptr);
        QVERIFY(!menu->findChild<QMenu*>("对齐")->menuAction()->isVisible());  // one selected
        QVERIFY(menu->findChild<QAction*>("重复为网格…")->isVisible());
        menu->hide();

        m_state->editor.selectHotspots({a, b});
        m_window->refresh();
        QVERIFY(hotspotAt({450, 300}));
        QVERIFY(!hotspotAt({450, 150}));
        menu = rightClick({150, 150});  // B is the one the other lines up with
        QVERIFY(menu != nullptr);
        QMenu* align = menu->findChild<QMenu*>("对齐");
        QVERIFY(align->menuAction()->isVisible());
        QVERIFY(!menu->findChild<QAction*>("重复为网格…")->isVisible());
        menu->hide();
        align->findChild<QAction*>("顶端对齐")->trigger();

        QCOMPARE(status(), QString("已顶端对齐 2 个热区"));
        QVERIFY(hotspotAt({450, 150}));   // A now spans (400, 100) to (500, 200)
        QVERIFY(!hotspotAt({450, 300}));  // and is gone from where it was
        QVERIFY(hotspotAt({150, 150}));   // B stayed

        press(Qt::Key_Z);
        QVERIFY(hotspotAt({450, 300}));
        QVERIFY(!hotspotAt({450, 150}));
    }

    void gridWindowPreviewsAddsAndIsTakenBackInOneStep() {
        addHotspot();  // (100, 100) to (200, 200)
        QMenu* menu = rightClick({150, 150});
        QVERIFY(menu != nullptr);
        menu->hide();
        menu->findChild<QAction*>("重复为网格…")->trigger();
        QVERIFY(gridWindow() != nullptr);
        const Rect secondColumn{210, 100, 100, 100};
        const Rect secondRow{100, 210, 100, 100};
        QCOMPARE(previewDashesOn(secondColumn), 0);  // 1 x 1 to begin with

        typeInto(grid_controls::kColumns, 3);
        typeInto(grid_controls::kRows, 2);
        QVERIFY(previewDashesOn(secondColumn) > 20);
        QVERIFY(previewDashesOn(secondRow) > 20);
        QVERIFY(!hotspotAt({260, 150}));  // outlines only, nothing added yet

        // A gap that would fold the copies onto each other is refused with its range.
        typeInto(grid_controls::kHorizontalGap, -100);
        const QString refused("水平间距超出范围（-99 到 1000000）");
        QCOMPARE(test::control<QLabel>(gridWindow(), grid_controls::kMessage)->text(), refused);
        QCOMPARE(previewDashesOn(secondRow), 0);
        QTest::mouseClick(test::control<ImageButton>(gridWindow(), grid_controls::kConfirm),
                          Qt::LeftButton);
        QCOMPARE(status(), "重复失败：" + refused);
        QCOMPARE(map().hotspots().size(), size_t{1});
        QVERIFY(gridWindow() != nullptr);

        typeInto(grid_controls::kHorizontalGap, 10);
        // Enter in the box just typed into confirms.
        QTest::keyClick(test::control<QSpinBox>(gridWindow(), grid_controls::kHorizontalGap),
                        Qt::Key_Return);
        QVERIFY(gridWindow() == nullptr);
        QCOMPARE(status(), QString("已重复为网格：2 行 3 列，添加了 5 个热区"));
        QCOMPARE(map().selectedIds().size(), size_t{5});
        QCOMPARE(previewDashesOn(secondColumn), 0);
        QVERIFY(hotspotAt({260, 150}));
        QVERIFY(hotspotAt({370, 260}));

        press(Qt::Key_Z);
        QCOMPARE(map().hotspots().size(), size_t{1});
        QVERIFY(!hotspotAt({260, 150}));
        QVERIFY(!hotspotAt({370, 260}));
        QVERIFY(hotspotAt({150, 150}));

        // Esc: nothing added, the preview gone.
        rightClick({150, 150})->hide();
        m_window->hotspotMenu()->findChild<QAction*>("重复为网格…")->trigger();
        typeInto(grid_controls::kColumns, 2);
        QVERIFY(previewDashesOn(secondColumn) > 20);
        gridWindow()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(gridWindow()));
        QTest::keyClick(test::control<QSpinBox>(gridWindow(), grid_controls::kColumns),
                        Qt::Key_Escape);
        QVERIFY(gridWindow() == nullptr);
        QCOMPARE(previewDashesOn(secondColumn), 0);
        QCOMPARE(map().hotspots().size(), size_t{1});
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::ArrangeFlowTest)
#include "arrange_flow_test.moc"
