// Reopened maps on the real window: the picture of a restored, opened or imported map is drawn
// under its hotspots and answers clicks, also after Ctrl+Z and Ctrl+Y; Esc and "取消" stop a load
// that hangs without touching the map.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <fstream>
#include <functional>
#include <utility>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/picture_address_window.h"
#include "app/qt_text.h"
#include "mapfile/map_file.h"
#include "pictures/test_pictures.h"
#include "support/control_names.h"
#include "support/loopback_server.h"

namespace velquist {
namespace {

namespace mc = main_controls;

const QColor kPicture(10, 20, 30);
const QColor kHotspot(132, 10, 142);  // the default hotspot over the picture

}  // namespace

class ReopenedMapTest : public QObject {
    Q_OBJECT

private:
    test::LoopbackServer* m_server = nullptr;
    QTemporaryDir* m_dir = nullptr;
    AppState* m_state = nullptr;
    MainWindow* m_window = nullptr;
    int m_requests = 0;

    template <typename T = QWidget>
    T* control(std::string_view name) {
        return m_window->findChild<T*>(toQString(name));
    }
    QString status() { return control<QLabel>(mc::kStatus)->text(); }
    QColor shownAt(QPoint at) { return control(mc::kCanvas)->grab().toImage().pixelColor(at); }
    QAction* dropDownItem(const char* caption) {
        return m_window->dropDownMenu()->findChild<QAction*>(caption);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, key, modifiers);
    }
    // What a left click at `at` selects.
    int32_t clickedAt(QPoint at) {
        QTest::mouseClick(control(mc::kCanvas), Qt::LeftButton, {}, at);
        return m_state->editor.map().selection();
    }
    // A map of one hotspot at (100, 100)..(200, 200) on the picture `address` names.
    static MapDocument mapOn(const std::string& address) {
        MapDocument map;
        map.pictureAddress = address;
        map.pictureWidth = 750;
        map.pictureHeight = 400;
        map.hotspots = {{{100, 100, 100, 100}, "甲", "#"}};
        return map;
    }
    static QString codeOn(const std::string& address) {
        return QString::fromStdString(
            "<img usemap='#m' src=" + address +
            "><map name=m><area coords='100,100,200,200' href='#'></map>");
    }

    // The picture came, lies under the hotspot and answers clicks, and the drawing is the map.
    void showsPictureUnderHotspot(const char* way) {
        const Background& b = m_state->editor.map().background();
        QTRY_VERIFY2_WITH_TIMEOUT(b.picture != nullptr, way, 10000);
        QCOMPARE(status(), QString("图片载入完成....宽度为：750；高度为：400 PX"));
        QCOMPARE(shownAt({500, 300}), kPicture);
        QCOMPARE(shownAt({150, 150}), kHotspot);
        QCOMPARE(clickedAt({500, 300}), b.id);
        QCOMPARE(clickedAt({150, 150}), m_state->editor.map().hotspots().at(0).id);
    }
    void survivesUndoAndRedo() {
        press(Qt::Key_Z);
        press(Qt::Key_Y);
        QCOMPARE(shownAt({500, 300}), kPicture);
        QCOMPARE(shownAt({150, 150}), kHotspot);
        QCOMPARE(clickedAt({150, 150}), m_state->editor.map().hotspots().at(0).id);
    }

private slots:
    void init() {
        m_requests = 0;
        m_server = new test::LoopbackServer;
        const std::string picture =
            test::makeBmp(750, 400, 24, false, [](int, int) { return 0x000A141Eu; });
        m_server->http().Get("/bg.bmp",
                             [this, picture](const httplib::Request&, httplib::Response& res) {
                                 ++m_requests;
                                 res.set_content(picture, "image/bmp");
                             });
        m_server->start();
        m_dir = new QTemporaryDir;
        m_state = new AppState;
        m_state->programDir = m_dir->path().toStdString();
        m_window = new MainWindow(*m_state);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() {
        delete m_window;
        delete m_state;
        delete m_dir;
        delete m_server;
    }

    // Restored at start, opened from a map file, imported from the clipboard and from a file:
    // each time the picture is fetched and shown under the hotspot.
    void pictureShownUnderReopenedMaps() {
        std::string chosen;
        m_window->setMapFileDialog([&chosen](MainWindow::MapDialog) { return chosen; });
        auto* clipboard = QGuiApplication::clipboard();
        const std::pair<const char*, std::function<void()>> ways[] = {
            {"restored at start",
             [&] {
                 QVERIFY(saveMapFile(m_state->programDir + "/autosave.vqmap",
                                     mapOn(m_server->url("/bg.bmp?restored"))));
                 m_window->restoreAutosave();
             }},
            {"opened from a map file",
             [&] {
                 chosen = m_state->programDir + "/work.vqmap";
                 QVERIFY(saveMapFile(chosen, mapOn(m_server->url("/bg.bmp?opened"))));
                 dropDownItem("打开热区文件…")->trigger();
             }},
            {"imported from the clipboard",
             [&] {
                 clipboard->setText(codeOn(m_server->url("/bg.bmp?clipboard")));
                 dropDownItem("从代码导入热区…")->trigger();
             }},
            {"imported from a file",
             [&] {
                 clipboard->setText("no code here");
                 chosen = m_state->programDir + "/code.htm";
                 std::ofstream(chosen) << codeOn(m_server->url("/bg.bmp?file")).toStdString();
                 dropDownItem("从代码导入热区…")->trigger();
             }},
        };
        for (const auto& [way, reopen] : ways) {
            reopen();
            showsPictureUnderHotspot(way);
            survivesUndoAndRedo();
            if (QTest::currentTestFailed()) {
                return;
            }
        }
        QCOMPARE(m_requests, 4);
    }

    // Esc, and "取消" in the picture-address window, stop a load whose server sends nothing:
    // the connection closes (the stall limit is a minute away), the map stays as it was.
    void escapeAndCancelStopAHangingLoad() {
        std::atomic<int> asked{0};
        std::atomic<int> closed{0};
        test::RawTcpServer mute([&asked, &closed](int fd) {
            test::readRequestHead(fd);
            ++asked;
            test::readUntilClosed(fd);
            ++closed;
        });
        QVERIFY(
            saveMapFile(m_state->programDir + "/autosave.vqmap", mapOn(m_server->url("/bg.bmp"))));
        m_window->restoreAutosave();
        QTRY_VERIFY_WITH_TIMEOUT(m_state->editor.map().hasBackground(), 10000);
        const MapState before = m_state->editor.map().state();

        m_window->startLoad(mute.url("/hangs.png"));
        QCOMPARE(status(), QString("正在载入图片，请稍候..."));
        QTRY_COMPARE_WITH_TIMEOUT(asked.load(), 1, 5000);
        press(Qt::Key_Escape, Qt::NoModifier);
        QCOMPARE(status(), QString("已取消载入图片"));
        QTRY_COMPARE_WITH_TIMEOUT(closed.load(), 1, 5000);

        m_window->startLoad(mute.url("/hangs.png"));
        QTRY_COMPARE_WITH_TIMEOUT(asked.load(), 2, 5000);
        QTest::mouseClick(control<ImageButton>(mc::kBackground), Qt::LeftButton);
        // The window deletes itself once closed: held by a guarded pointer.
        QPointer<PictureAddressWindow> window = m_window->findChild<PictureAddressWindow*>();
        QVERIFY(window != nullptr);
        QTest::mouseClick(test::control<ImageButton>(window, address_controls::kCancel),
                          Qt::LeftButton);
        QCOMPARE(status(), QString("已取消载入图片"));
        QTRY_COMPARE_WITH_TIMEOUT(closed.load(), 2, 5000);
        QTRY_VERIFY(window == nullptr || !window->isVisible());

        QTRY_VERIFY(!m_window->loader()->busy());
        QVERIFY(m_state->editor.map().hotspots() == before.hotspots);
        QVERIFY(m_state->editor.map().background().picture == before.background.picture);
        QCOMPARE(shownAt({150, 150}), kHotspot);
        // With no load left, Esc leaves the one selected hotspot selected.
        const int32_t selected = clickedAt({150, 150});
        press(Qt::Key_Escape, Qt::NoModifier);
        QCOMPARE(m_state->editor.map().selection(), selected);
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::ReopenedMapTest)
#include "reopened_map_test.moc"
