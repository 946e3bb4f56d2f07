// Keys, the wheel, a dropped picture and a picture swapped under the map, on the real windows.
#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>
#include <fstream>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/canvas_view.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/picture_address_window.h"
#include "app/qt_text.h"
#include "editor/messages.h"
#include "pictures/test_pictures.h"
#include "support/control_names.h"

namespace velquist {

namespace mc = main_controls;

class DesignerFlowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir* m_dir = nullptr;
    AppState* m_state = nullptr;
    MainWindow* m_window = nullptr;

    QString status() { return m_window->findChild<QLabel*>(toQString(mc::kStatus))->text(); }
    const EditedMap& map() { return m_state->editor.map(); }
    Rect rectOf(int32_t id) { return map().findHotspot(id)->rect; }

    // A BMP of the given size in the temporary folder.
    QString writePicture(const char* name, int width, int height) {
        const QString path = m_dir->filePath(name);
        std::ofstream(path.toStdString(), std::ios::binary)
            << test::makeBmp(width, height, 24, false, [](int, int) { return 0x00204060u; });
        return path;
    }

    // Drags `data` over the canvas and drops it; returns whether the canvas took it.
    bool drop(QMimeData* data) {
        QWidget* canvas = m_window->findChild<QWidget*>(toQString(mc::kCanvas));
        const QPointF at(200, 200);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(canvas, &enter);
        QDropEvent dropped(at, Qt::CopyAction, data, Qt::LeftButton, {});
        QApplication::sendEvent(canvas, &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    }

    void wheel(QPoint angle, Qt::KeyboardModifiers modifiers = {}, QPoint pixels = {}) {
        QWidget* canvas = m_window->findChild<QWidget*>(toQString(mc::kCanvas));
        const QPointF at(300, 300);
        QWheelEvent event(at, canvas->mapToGlobal(at), pixels, angle, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &event);
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(m_window, k, modifiers);
    }

    void dropAndWait(const QString& path) {
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(path)});
        QVERIFY(drop(data));
        delete data;
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->loader()->busy(), 10000);
    }

private slots:
    void init() {
        m_dir = new QTemporaryDir;
        m_state = new AppState;
        m_state->programDir = m_dir->path().toStdString();
        m_window = new MainWindow(*m_state);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void cleanup() {
        delete m_window;
        delete m_state;
        delete m_dir;
    }

    void dropLoadsAFileAndRefusesAnythingElse() {
        // A name without a folder is no file the program can find: taken, refused, said why.
        auto* word = new QMimeData;
        word->setText("a.png");
        QVERIFY(drop(word));
        delete word;
        QVERIFY(status().startsWith("拖入失败："));
        QVERIFY(!m_window->loader()->busy());
        QVERIFY(!map().hasBackground());

        const QString path = writePicture("banner.bmp", 750, 400);
        dropAndWait(path);
        QVERIFY(map().hasBackground());
        QCOMPARE(map().background().width(), 750);
        QCOMPARE(QString::fromStdString(map().background().address), path);
    }

    void keysEditTheSelectedHotspot() {
        dropAndWait(writePicture("banner.bmp", 750, 400));
        // Nothing selected yet (the background is): the hotspot keys do nothing.
        key(Qt::Key_Delete);
        key(Qt::Key_D, Qt::ControlModifier);
        QVERIFY(map().hotspots().empty());

        QTest::mouseClick(m_window->findChild<ImageButton*>(toQString(mc::kAddHotspot)),
                          Qt::LeftButton);
        const int32_t a = map().selection();
        key(Qt::Key_Right);
        key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(rectOf(a).left, 101);
        QCOMPARE(rectOf(a).top, 110);
        QVERIFY(status().contains("左= 101 px；顶= 110 px"));

        key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(map().hotspots().size(), size_t{2});
        const int32_t b = map().selection();
        QVERIFY(b != a);
        QCOMPARE(rectOf(b).left, 111);

        key(Qt::Key_Tab);
        QCOMPARE(map().selection(), a);
        key(Qt::Key_Tab);
        QCOMPARE(map().selection(), b);
        key(Qt::Key_Backtab, Qt::ShiftModifier);  // what a keyboard sends for Shift+Tab
        QCOMPARE(map().selection(), a);
        key(Qt::Key_Tab, Qt::ShiftModifier);  // wraps back to the last
        QCOMPARE(map().selection(), b);
        key(Qt::Key_Tab);
        QCOMPARE(map().selection(), a);
        // A press on the picture selects no hotspot; Tab then starts at the first.
        QWidget* canvas = m_window->findChild<QWidget*>(toQString(mc::kCanvas));
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(600, 350));
        QCOMPARE(map().selection(), map().background().id);
        key(Qt::Key_Tab);
        QCOMPARE(map().selection(), a);

        key(Qt::Key_Delete);
        QCOMPARE(map().hotspots().size(), size_t{1});
        QCOMPARE(status(), QString(editor_messages::kHotspotDeleted));
        key(Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(map().isHotspot(a));
        key(Qt::Key_Z, Qt::ControlModifier);  // the copy
        key(Qt::Key_Z, Qt::ControlModifier);  // both nudges: one step
        QCOMPARE(map().hotspots().size(), size_t{1});
        QCOMPARE(rectOf(a).left, 100);
        QCOMPARE(rectOf(a).top, 100);
    }

    void wheelScrollsThePictureWithItsHotspots() {
        dropAndWait(writePicture("tall.bmp", 1500, 3000));
        QTest::mouseClick(m_window->findChild<ImageButton*>(toQString(mc::kAddHotspot)),
                          Qt::LeftButton);
        const int32_t a = map().selection();
        wheel({0, -120});
        QCOMPARE(map().background().position, (Point{0, -60}));
        QCOMPARE(rectOf(a).top, 40);
        QVERIFY(status().contains("距顶：-60 PX"));
        wheel({0, -120}, Qt::ShiftModifier);
        QCOMPARE(map().background().position, (Point{-60, -60}));
        wheel({0, 0}, {}, {0, 15});  // a touchpad's pixels
        wheel({0, 0}, {}, {0, 15});
        QCOMPARE(map().background().position, (Point{-60, -30}));
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(map().background().position, (Point{0, 0}));
        QCOMPARE(rectOf(a).top, 100);
    }

    void keepHotspotsSwapsOnlyThePicture() {
        dropAndWait(writePicture("draft.bmp", 750, 400));
        QTest::mouseClick(m_window->findChild<ImageButton*>(toQString(mc::kAddHotspot)),
                          Qt::LeftButton);
        const Hotspot before = map().hotspots().front();

        const QString revised = writePicture("revised.bmp", 790, 900);
        QTest::mouseClick(m_window->findChild<ImageButton*>(toQString(mc::kBackground)),
                          Qt::LeftButton);
        auto* window = m_window->findChild<PictureAddressWindow*>();
        QVERIFY(window != nullptr);
        auto* keep = test::control<QCheckBox>(window, address_controls::kKeepHotspots);
        QVERIFY(!keep->isChecked());
        if (qEnvironmentVariableIsSet("VELQUIST_SHOTS")) {
            window->grab().save(qEnvironmentVariable("VELQUIST_SHOTS") + "/address.png");
        }
        QTest::mouseClick(keep, Qt::LeftButton, {}, QPoint(6, keep->height() / 2));
        QVERIFY(keep->isChecked());
        auto* edit = test::control<QLineEdit>(window, address_controls::kAddress);
        edit->clear();
        QTest::keyClicks(edit, revised);
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->loader()->busy(), 10000);
        QCOMPARE(map().background().width(), 790);
        QCOMPARE(map().background().height(), 900);
        QCOMPARE(map().hotspots().size(), size_t{1});
        QVERIFY(map().hotspots().front() == before);
        m_window->activateWindow();  // the address window had the keys
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(map().background().width(), 750);
        QCOMPARE(map().hotspots().size(), size_t{1});
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::DesignerFlowTest)
#include "designer_flow_test.moc"
