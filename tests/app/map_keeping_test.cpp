// No map is thrown away: a start argument over the autosaved map keeps it in "最近的热区", from
// where the real menu brings it back as one step; Ctrl+S writes the file the map came from; a
// dropped map file opens, a dropped address loads and anything else says why.
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "mapfile/map_file.h"
#include "pictures/test_pictures.h"
#include "support/control_names.h"
#include "support/loopback_server.h"

namespace velquist {
namespace {

namespace mc = main_controls;

const QColor kSmallPicture(0, 0, 0);
const QColor kMapPicture(0x0A, 0x14, 0x1E);

}  // namespace

class MapKeepingTest : public QObject {
    Q_OBJECT

private:
    test::LoopbackServer* m_server = nullptr;
    QTemporaryDir* m_dir = nullptr;
    AppState* m_state = nullptr;
    MainWindow* m_window = nullptr;
    std::vector<MainWindow::MapDialog> m_asked;  // the file dialogs opened, in order
    std::string m_chosen;                        // what the user picks in them

    QWidget* canvas() { return m_window->findChild<QWidget*>(toQString(mc::kCanvas)); }
    QString status() { return m_window->findChild<QLabel*>(toQString(mc::kStatus))->text(); }
    QColor shownAt(QPoint at) { return canvas()->grab().toImage().pixelColor(at); }
    std::string file(const std::string& name) const { return m_state->programDir + "/" + name; }
    size_t hotspots() const { return m_state->editor.map().hotspots().size(); }
    void waitForLoads() { QTRY_VERIFY_WITH_TIMEOUT(!m_window->loader()->busy(), 10000); }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        // The offscreen platform may still hold a closed menu active; the user's click would not.
        QApplication::setActiveWindow(m_window);
        QTest::keyClick(m_window, key, modifiers);
    }
    // The drop-down menu as the user opens it, and the entries of "最近的热区".
    QList<QAction*> recentEntries() {
        QTest::mouseClick(m_window->findChild<ImageButton*>(toQString(mc::kDropDown)),
                          Qt::LeftButton);
        if (!QTest::qWaitFor([this] { return m_window->dropDownMenu()->isVisible(); })) {
            return {};
        }
        QList<QAction*> entries = m_window->recentMapsMenu()->actions();
        QTest::keyClick(m_window->dropDownMenu(), Qt::Key_Escape);
        return entries;
    }
    void drop(QMimeData* data) {
        const QPoint at(200, 200);
        QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas(), &dropped);
        delete data;
    }
    MapDocument mapWith(size_t count) const {
        MapDocument map;
        map.pictureAddress = m_server->url("/bg.bmp");
        map.pictureWidth = 750;
        map.pictureHeight = 400;
        for (size_t i = 0; i < count; ++i) {
            map.hotspots.push_back({Rect{static_cast<int>(i) * 120, 0, 100, 50}, "", "#"});
        }
        return map;
    }

private slots:
    void init() {
        m_server = new test::LoopbackServer;
        m_server->http().Get("/bg.bmp", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(
                test::makeBmp(750, 400, 24, false, [](int, int) { return 0x000A141Eu; }),
                "image/bmp");
        });
        m_server->http().Get("/small.bmp", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(test::makeBmp(300, 200, 24, false, [](int, int) { return 0u; }),
                            "image/bmp");
        });
        m_server->start();
        m_dir = new QTemporaryDir;
        m_state = new AppState;
        m_state->programDir = m_dir->path().toStdString();
        m_window = new MainWindow(*m_state);
        m_asked.clear();
        m_window->setMapFileDialog([this](MainWindow::MapDialog kind) {
            m_asked.push_back(kind);
            return m_chosen.empty() ? std::nullopt : std::optional<std::string>(m_chosen);
        });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() {
        delete m_window;
        delete m_state;
        delete m_dir;
        delete m_server;
    }

    // "velquist PICTURE" over an autosaved map: the map goes to maps/ before the picture
    // replaces it, the submenu lists it, and choosing it brings it back, picture and all, as
    // one step that one Ctrl+Z takes back.
    void startArgumentKeepsTheAutosavedMap() {
        QVERIFY(saveMapFile(file("autosave.vqmap"), mapWith(3)));
        m_window->restoreAutosave();
        m_window->startLoad(m_server->url("/small.bmp"));
        waitForLoads();
        QCOMPARE(hotspots(), 0u);
        QCOMPARE(status(), QString("图片载入完成....宽度为：300；高度为：200 PX；原来的 3 "
                                   "个热区已存入“最近的热区”（Ctrl+Z 撤销）"));
        size_t kept = 0;
        for (const auto& entry : std::filesystem::directory_iterator(file("maps"))) {
            QCOMPARE(loadMapFile(entry.path().string()).value_or({}).hotspots.size(), 3u);
            ++kept;
        }
        QCOMPARE(kept, 1u);
        QTRY_COMPARE_WITH_TIMEOUT(loadMapFile(file("autosave.vqmap")).value_or({}).hotspots.size(),
                                  0u, 5000);

        const QList<QAction*> entries = recentEntries();
        QCOMPARE(entries.size(), 1);
        QVERIFY2(entries[0]->text().startsWith("bg.bmp · 3 个热区 · "),
                 qPrintable(entries[0]->text()));
        entries[0]->trigger();
        waitForLoads();
        QVERIFY2(status().startsWith("图片载入完成....宽度为：750"), qPrintable(status()));
        QCOMPARE(shownAt({50, 100}), kMapPicture);         // the picture under the map
        QVERIFY(shownAt({50, 25}) != shownAt({50, 100}));  // the first hotspot over it

        press(Qt::Key_Z);
        QCOMPARE(status(), QString("已撤销：打开最近的热区"));
        QCOMPARE(hotspots(), 0u);
        QCOMPARE(shownAt({50, 25}), kSmallPicture);
    }

    // Ctrl+S writes the file the map was opened from, without asking; a map from "最近的热区"
    // has no file of its own, so Ctrl+S asks, and Ctrl+Shift+S always does.
    void ctrlSWritesTheOpenedFile() {
        const std::string work = file("work.vqmap");
        QVERIFY(saveMapFile(work, mapWith(2)));
        m_chosen = work;
        press(Qt::Key_O);
        QCOMPARE(status(), QString("已打开热区文件，共 2 个热区"));
        waitForLoads();
        QTest::mouseClick(m_window->findChild<ImageButton*>(toQString(mc::kAddHotspot)),
                          Qt::LeftButton);
        m_chosen.clear();  // a dialog asked now would cancel
        press(Qt::Key_S);
        QCOMPARE(status(), QString::fromStdString("热区文件已保存：" + work));
        QCOMPARE(loadMapFile(work).value_or({}).hotspots.size(), 3u);
        QCOMPARE(m_asked.size(), 1u);

        press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_asked.size(), 2u);
        QCOMPARE(m_asked.back(), MainWindow::MapDialog::SaveMap);

        m_window->startLoad(m_server->url("/small.bmp"));  // keeps the 3 hotspots in maps/
        waitForLoads();
        recentEntries().at(0)->trigger();
        waitForLoads();
        QCOMPARE(hotspots(), 3u);
        press(Qt::Key_S);
        QCOMPARE(m_asked.size(), 3u);
        QCOMPARE(m_asked.back(), MainWindow::MapDialog::SaveMap);
        QCOMPARE(loadMapFile(work).value_or({}).hotspots.size(), 3u);
    }

    // A dropped map file opens; a dropped web address loads; a dropped word says why not.
    void dropsOfEveryKind() {
        const std::string work = file("work.vqmap");
        QVERIFY(saveMapFile(work, mapWith(2)));
        auto* mapFile = new QMimeData;
        mapFile->setUrls({QUrl::fromLocalFile(QString::fromStdString(work))});
        drop(mapFile);
        QCOMPARE(status(), QString("已打开热区文件，共 2 个热区"));
        QCOMPARE(hotspots(), 2u);
        waitForLoads();

        auto* word = new QMimeData;
        word->setText("热区");
        drop(word);
        QCOMPARE(status(),
                 QString("拖入失败：地址须以 http:// 或 https:// 开头，或是本机图片的路径"));
        auto* nothing = new QMimeData;
        nothing->setData("application/x-qt-image", "x");
        drop(nothing);
        QCOMPARE(status(), QString("拖入失败：拖入的内容不是文件，也不是网址"));
        QCOMPARE(hotspots(), 2u);

        auto* address = new QMimeData;
        address->setText(QString::fromStdString(m_server->url("/small.bmp")));
        drop(address);
        waitForLoads();
        QCOMPARE(m_state->editor.map().background().width(), 300);
        QVERIFY2(status().endsWith("；原来的 2 个热区已存入“最近的热区”（Ctrl+Z 撤销）"),
                 qPrintable(status()));
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::MapKeepingTest)
#include "map_keeping_test.moc"
