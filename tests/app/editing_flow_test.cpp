// The editing flow on the real windows: a picture from a loopback server, hotspots dragged and
// resized with real mouse events, content edited, failed loads that leave the work alone, work
// taken back with the keys, kept in map files and brought back from code.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>
#include <fstream>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/canvas_view.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/picture_address_window.h"
#include "app/qt_text.h"
#include "core/file_io.h"
#include "core/ini_file.h"
#include "mapfile/map_file.h"
#include "pictures/test_pictures.h"
#include "support/control_names.h"
#include "support/loopback_server.h"

namespace velquist {
namespace {

namespace mc = main_controls;

}  // namespace

class EditingFlowTest : public QObject {
    Q_OBJECT

private:
    test::LoopbackServer* m_server = nullptr;
    QTemporaryDir* m_dir = nullptr;
    AppState* m_state = nullptr;
    MainWindow* m_window = nullptr;

    template <typename T = QWidget>
    T* control(std::string_view name) {
        return m_window->findChild<T*>(toQString(name));
    }
    QString status() { return control<QLabel>(mc::kStatus)->text(); }

    // "背景设置", type the address, "确定".
    void confirmAddress(const std::string& address) {
        QTest::mouseClick(control<ImageButton>(mc::kBackground), Qt::LeftButton);
        auto* window = m_window->findChild<PictureAddressWindow*>();
        QVERIFY(window != nullptr);
        auto* edit = test::control<QLineEdit>(window, address_controls::kAddress);
        edit->clear();
        QTest::keyClicks(edit, QString::fromStdString(address));
        QTest::mouseClick(test::control<ImageButton>(window, address_controls::kConfirm),
                          Qt::LeftButton);
    }

    void loadAndWait(const std::string& address) {
        confirmAddress(address);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->loader()->busy(), 10000);
    }

    // A right press on the canvas at `at`, then `item` of the menu that opens.
    void chooseFromMenu(QPoint at, const char* item) {
        QTest::mouseClick(control(mc::kCanvas), Qt::RightButton, {}, at);
        QTRY_VERIFY(m_window->hotspotMenu()->isVisible());
        m_window->hotspotMenu()->hide();
        m_window->hotspotMenu()->findChild<QAction*>(item)->trigger();
    }

    QWidget* contentWindow() {
        QWidget* found = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "热点内容窗口" && w->isVisible()) {
                found = found == nullptr ? w : nullptr;  // more than one open is a fault too
            }
        }
        return found;
    }
    template <typename T>
    static T* part(QWidget* window, std::string_view name) {
        return window->findChild<T*>(toQString(name));
    }

    QColor shownAt(QPoint at) { return control(mc::kCanvas)->grab().toImage().pixelColor(at); }
    QAction* dropDownItem(const char* caption) {
        return m_window->dropDownMenu()->findChild<QAction*>(caption);
    }
    // A key press as the user makes it: on the main window, which has the keyboard.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, key, modifiers);
    }
    std::string autosavePath() const { return m_state->programDir + "/autosave.vqmap"; }

    // Two hotspots: A dragged to (400, 100)..(500, 200), then B added at (100, 100)..(200, 200).
    std::pair<int, int> addTwoHotspots() {
        auto* add = control<ImageButton>(mc::kAddHotspot);
        auto* canvas = control(mc::kCanvas);
        QTest::mouseClick(add, Qt::LeftButton);
        const int a = m_state->editor.map().selection();
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(150, 150));
        QTest::mouseMove(canvas, QPoint(300, 150));
        QTest::mouseMove(canvas, QPoint(450, 150));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(450, 150));
        QTest::mouseClick(add, Qt::LeftButton);
        return {a, m_state->editor.map().selection()};
    }

private slots:
    void init() {
        m_server = new test::LoopbackServer;
        const std::string tile =
            test::makeBmp(750, 400, 24, false, [](int, int) { return 0x000A141Eu; });
        m_server->http().Get("/bg.bmp", [tile](const httplib::Request&, httplib::Response& res) {
            res.set_content(tile, "image/bmp");
        });
        m_server->http().Get("/small.bmp", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(test::makeBmp(300, 200, 24, false, [](int, int) { return 0u; }),
                            "image/bmp");
        });
        m_server->http().Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("<html>gone</html>", "text/html");
        });
        m_server->http().Get("/stall", [this](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider("image/bmp", [this](size_t, httplib::DataSink& sink) {
                sink.write("BM", 2);
                m_server->holdUntilShutdown(std::chrono::seconds(5));
                return false;
            });
        });
        m_server->http().Get("/to-file", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("file:///etc/passwd");
        });
        m_server->http().Get("/slow.bmp", [this](const httplib::Request&, httplib::Response& res) {
            m_server->holdUntilShutdown(std::chrono::seconds(5));
            res.set_content(test::makeBmp(10, 10, 24, false, [](int, int) { return 0u; }),
                            "image/bmp");
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
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "热点内容窗口") {
                delete w;  // it has no owner; a failed test may leave it open
            }
        }
        delete m_window;
        delete m_state;
        delete m_dir;
        delete m_server;
    }

    void loadAddDragAndResize() {
        loadAndWait(m_server->url("/bg.bmp"));
        QCOMPARE(status(), QString("图片载入完成....宽度为：750；高度为：400 PX"));
        QCOMPARE(readIniValue(m_state->programDir + "/pz.ini", "配置", "背景图"),
                 m_server->url("/bg.bmp"));
        auto* add = control<ImageButton>(mc::kAddHotspot);
        QVERIFY(add->isEnabled());
        QTest::mouseClick(add, Qt::LeftButton);

        // Grab the new hotspot 10 px right and 7 px below its corner and drag it.
        auto* canvas = control(mc::kCanvas);
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(110, 107));
        QTest::mouseMove(canvas, QPoint(200, 150));
        QTest::mouseMove(canvas, QPoint(300, 250));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(300, 250));
        QCOMPARE(
            status(),
            QString("当前热区坐标：左= 290 px；顶= 243 px；右= 390 px；底= 343 px；链接地址：#"));
        auto* right = control<QLabel>(mc::kHandleRight);
        QVERIFY(right->isVisible());
        QCOMPARE(right->pos(), QPoint(392, 295));

        // Drag the right handle: the handle keeps the mouse, its movements resize the hotspot.
        QTest::mousePress(right, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(right, right->mapFromGlobal(canvas->mapToGlobal(QPoint(440, 300))));
        QTest::mouseRelease(right, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(
            status(),
            QString("当前热区坐标：左= 290 px；顶= 243 px；右= 440 px；底= 343 px；链接地址：#"));

        // The canvas shows the hotspot: magenta at 50 % over the dark background.
        const QImage shot = canvas->grab().toImage();
        QCOMPARE(shot.pixelColor(350, 300), QColor(132, 10, 142));
    }

    // The handle holds the mouse, so its release ends the resize wherever it happens; moving
    // with the button up changes nothing and the next press on the hotspot moves it.
    void resizeEndsOnAnyRelease() {
        loadAndWait(m_server->url("/bg.bmp"));
        QTest::mouseClick(control<ImageButton>(mc::kAddHotspot), Qt::LeftButton);
        auto* canvas = control(mc::kCanvas);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(150, 150));
        const int id = m_state->editor.map().selection();
        const HotspotCanvas& objects = m_state->editor.canvas();
        auto* bottom = control<QLabel>(mc::kHandleBottom);
        QVERIFY(bottom->isVisible());
        auto inLabel = [&](QPoint canvasPoint) {
            return bottom->mapFromGlobal(canvas->mapToGlobal(canvasPoint));
        };
        const QPoint statusLine(150, canvas->height() + 30);
        QTest::mousePress(bottom, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(bottom, inLabel(QPoint(150, 260)));
        QTest::mouseMove(bottom, inLabel(statusLine));  // off the canvas: no resize
        QTest::mouseRelease(bottom, Qt::LeftButton, {}, inLabel(statusLine));
        QCOMPARE(objects.objectHeight(id), 160);
        QCOMPARE(bottom->pos(), QPoint(150, 262));  // the handles are placed again

        QTest::mouseMove(canvas, QPoint(150, 280));
        QCOMPARE(objects.objectHeight(id), 160);
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(150, 150));
        QTest::mouseMove(canvas, QPoint(170, 160));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(170, 160));
        QCOMPARE(m_state->editor.map().findHotspot(id)->rect, (Rect{120, 110, 100, 160}));
    }

    // A right press picks the hotspot under the pointer before the menu opens, so "删除" takes
    // that one whatever was selected before; on the background the menu stays shut.
    void rightPressPicksTheHotspotUnderThePointer() {
        loadAndWait(m_server->url("/bg.bmp"));
        const int a = addTwoHotspots().first;
        auto* canvas = control(mc::kCanvas);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(450, 150));  // A is selected
        QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(150, 150));
        QTRY_VERIFY(m_window->hotspotMenu()->isVisible());
        QCOMPARE(
            status(),
            QString("当前热区坐标：左= 100 px；顶= 100 px；右= 200 px；底= 200 px；链接地址：#"));
        QCOMPARE(control<QLabel>(mc::kHandleRight)->pos(), QPoint(202, 152));
        m_window->hotspotMenu()->hide();
        m_window->hotspotMenu()->findChild<QAction*>("删除")->trigger();
        QCOMPARE(m_state->editor.map().hotspots().size(), 1u);
        QCOMPARE(m_state->editor.map().hotspots()[0].id, a);

        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(600, 300));  // the background
        chooseFromMenu(QPoint(450, 150), "删除");
        QVERIFY(m_state->editor.map().hotspots().empty());
        QCOMPARE(status(), QString("选中的热点区已删除"));
        QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(600, 300));
        QVERIFY(!m_window->hotspotMenu()->isVisible());
    }

    // The content window names the hotspot it edits and stores into that one only; chosen for
    // another hotspot it turns to that one; typed text is never reported as stored when it was
    // not.
    void contentWindowEditsTheHotspotItNames() {
        loadAndWait(m_server->url("/bg.bmp"));
        const auto [a, b] = addTwoHotspots();
        auto* canvas = control(mc::kCanvas);
        chooseFromMenu(QPoint(450, 150), "内容");  // A, while B is selected
        QWidget* content = contentWindow();
        QVERIFY(content != nullptr);
        auto* title = part<QLabel>(content, content_controls::kTitle);
        auto* tip = part<QLineEdit>(content, content_controls::kTip);
        auto* link = part<QLineEdit>(content, content_controls::kLink);
        QCOMPARE(title->text(), QString("热区内容 (400, 100, 500, 200)"));
        QCOMPARE(tip->text(), QString("Miva，我想你了"));
        QCOMPARE(link->text(), QString("#"));
        link->setText("typed for A");

        chooseFromMenu(QPoint(150, 150), "内容");
        QCOMPARE(contentWindow(), content);
        QCOMPARE(title->text(), QString("热区内容 (100, 100, 200, 200)"));
        QCOMPARE(link->text(), QString("#"));
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(150, 150));
        QTest::mouseMove(canvas, QPoint(160, 150));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(160, 150));
        QCOMPARE(title->text(), QString("热区内容 (110, 100, 210, 200)"));  // it follows B
        link->setText("https://shop.example/item?id=1&x=2");
        QTest::keyClick(link, Qt::Key_Return);  // Enter confirms as "确定" does
        QCOMPARE(status(), QString("选中热区内容修改完成"));
        QCOMPARE(m_state->editor.map().findHotspot(b)->link, "https://shop.example/item?id=1&x=2");
        QCOMPARE(m_state->editor.map().findHotspot(b)->tip, "Miva，我想你了");
        QCOMPARE(m_state->editor.map().findHotspot(a)->link, "#");
        QVERIFY(contentWindow() == nullptr);

        // Opened for A, A deleted meanwhile: nothing stored, and the typed text stays on show.
        chooseFromMenu(QPoint(450, 150), "内容");
        content = contentWindow();
        QVERIFY(content != nullptr);
        part<QLineEdit>(content, content_controls::kTip)->setText("kept");
        chooseFromMenu(QPoint(450, 150), "删除");
        QTest::mouseClick(part<ImageButton>(content, content_controls::kConfirm), Qt::LeftButton);
        QCOMPARE(status(), QString("修改失败，这个热区已被删除"));
        QCOMPARE(contentWindow(), content);
        QCOMPARE(part<QLineEdit>(content, content_controls::kTip)->text(), QString("kept"));
        QTest::mouseClick(part<ImageButton>(content, content_controls::kClose), Qt::LeftButton);

        // Nothing selected (the menu cannot open there): no window, and the reason.
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(600, 300));
        m_window->hotspotMenu()->findChild<QAction*>("内容")->trigger();
        QVERIFY(contentWindow() == nullptr);
        QCOMPARE(status(), QString("修改失败，没有选中要操作的热点区"));
    }

    // The status line shows a link as written: markup in it is neither drawn nor loaded.
    void statusLineShowsLinksAsWritten() {
        loadAndWait(m_server->url("/bg.bmp"));
        QTest::mouseClick(control<ImageButton>(mc::kAddHotspot), Qt::LeftButton);
        QImage red(24, 24, QImage::Format_RGB32);
        red.fill(Qt::red);
        const QString file = m_dir->filePath("red.png");
        QVERIFY(red.save(file));
        const QString link = "<img src=\"" + file + "\"><b>x</b>";
        chooseFromMenu(QPoint(150, 150), "内容");
        QWidget* content = contentWindow();
        QVERIFY(content != nullptr);
        part<QLineEdit>(content, content_controls::kLink)->setText(link);
        QTest::mouseClick(part<ImageButton>(content, content_controls::kConfirm), Qt::LeftButton);
        QTest::mouseClick(control(mc::kCanvas), Qt::LeftButton, {}, QPoint(150, 150));
        QCOMPARE(status(),
                 "当前热区坐标：左= 100 px；顶= 100 px；右= 200 px；底= 200 px；链接地址：" + link);
        const QImage shown = control(mc::kStatus)->grab().toImage();
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                QVERIFY2(shown.pixelColor(x, y) != QColor(Qt::red), "the picture was drawn");
            }
        }
    }

    // A status line too long for its width ends in "…" and shows whole as its tooltip.
    void longStatusLineEndsInAnEllipsis() {
        loadAndWait(m_server->url("/bg.bmp"));
        QTest::mouseClick(control<ImageButton>(mc::kAddHotspot), Qt::LeftButton);
        const QString link = "https://shop.example/item?id=" + QString(200, '7');
        chooseFromMenu(QPoint(150, 150), "内容");
        QWidget* content = contentWindow();
        QVERIFY(content != nullptr);
        part<QLineEdit>(content, content_controls::kLink)->setText(link);
        QTest::mouseClick(part<ImageButton>(content, content_controls::kConfirm), Qt::LeftButton);
        QTest::mouseClick(control(mc::kCanvas), Qt::LeftButton, {}, QPoint(150, 150));
        auto* label = control<QLabel>(mc::kStatus);
        const QString whole = status();
        QVERIFY(whole.endsWith(link));  // the text itself stays whole
        const QImage shown = label->grab().toImage();

        // What is drawn is what the label draws for the text cut short with "…".
        const QString cut =
            label->fontMetrics().elidedText(whole, Qt::ElideRight, label->contentsRect().width());
        QVERIFY(cut.endsWith(QChar(0x2026)));
        label->setText(cut);
        QCOMPARE(shown, label->grab().toImage());
        label->setText(whole);

        const QPoint inside(label->width() / 2, label->height() / 2);
        QHelpEvent hover(QEvent::ToolTip, inside, label->mapToGlobal(inside));
        QApplication::sendEvent(label, &hover);
        QCOMPARE(QToolTip::text(), Qt::convertFromPlainText(whole, Qt::WhiteSpaceNoWrap));
    }

    void failedLoadKeepsTheWork() {
        loadAndWait(m_server->url("/bg.bmp"));
        QTest::mouseClick(control<ImageButton>(mc::kAddHotspot), Qt::LeftButton);
        HttpLimits limits;
        limits.stallTimeout = std::chrono::seconds(1);
        m_window->loader()->setLimits(limits);
        const std::pair<const char*, QString> failures[] = {
            {"/stall", "图片载入失败：下载超时（1 秒没有收到数据）"},
            {"/to-file", "图片载入失败：只支持 http 和 https 地址"},
            {"/missing", "图片载入失败：服务器返回 HTTP 404"},
        };
        const auto keptTheWork = [this] {
            QCOMPARE(m_state->editor.map().hotspots().size(), 1u);
            QCOMPARE(m_state->editor.canvas().objectCount(), 2);
        };
        for (const auto& [path, message] : failures) {
            loadAndWait(m_server->url(path));
            QCOMPARE(status(), message);
            keptTheWork();
        }
        // A page where a picture was expected, and a picture past the download limit.
        m_server->http().Get("/page", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("<html>not a picture</html>", "text/html");
        });
        loadAndWait(m_server->url("/page"));
        QCOMPARE(status(), QString("图片载入失败：不是可识别的图片"));
        keptTheWork();
        limits.maxBytes = 100000;
        m_window->loader()->setLimits(limits);
        loadAndWait(m_server->url("/bg.bmp?again"));
        QCOMPARE(status(), QString("图片载入失败：下载的内容超过上限（100000 字节）"));
        keptTheWork();
        QCOMPARE(m_state->editor.map().background().address, m_server->url("/bg.bmp"));
        // The address is still remembered as entered, for "读取备份".
        QCOMPARE(readIniValue(m_state->programDir + "/pz.ini", "配置", "背景图"),
                 m_server->url("/bg.bmp?again"));
    }

    void progressReachesTheUiThread() {
        const std::string tile = test::makeBmp(750, 400, 24, false, [](int, int) { return 0u; });
        m_server->http().Get("/parts.bmp", [tile](const httplib::Request&, httplib::Response& res) {
            res.set_content_provider(
                tile.size(), "image/bmp", [tile](size_t offset, size_t, httplib::DataSink& sink) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(30));
                    const size_t part = std::min<size_t>(tile.size() - offset, 300'000);
                    return sink.write(tile.data() + offset, part);
                });
        });
        std::vector<HttpProgress> reports;
        bool onUiThread = true;
        m_window->loader()->setOnProgress([&](const std::string& address, const HttpProgress& p) {
            onUiThread = onUiThread && QThread::currentThread() == qApp->thread();
            QCOMPARE(address, m_server->url("/parts.bmp"));
            reports.push_back(p);
        });
        loadAndWait(m_server->url("/parts.bmp"));
        QCOMPARE(status(), QString("图片载入完成....宽度为：750；高度为：400 PX"));
        QVERIFY(!reports.empty());
        QVERIFY(onUiThread);
        for (size_t i = 0; i < reports.size(); ++i) {
            QCOMPARE(reports[i].total, std::optional<uint64_t>(tile.size()));
            QVERIFY(reports[i].received > (i > 0 ? reports[i - 1].received : 0));
            QVERIFY(reports[i].received <= tile.size());
        }
    }

    void pasteAndReadBackup() {
        QGuiApplication::clipboard()->setText("https://img.example/pasted.jpg");
        QTest::mouseClick(control<ImageButton>(mc::kBackground), Qt::LeftButton);
        auto* window = m_window->findChild<PictureAddressWindow*>();
        auto* edit = test::control<QLineEdit>(window, address_controls::kAddress);
        QTest::mouseClick(test::control<ImageButton>(window, address_controls::kPaste),
                          Qt::LeftButton);
        QCOMPARE(edit->text(), QString("https://img.example/pasted.jpg"));
        QTest::mouseClick(test::control<ImageButton>(window, address_controls::kReadBackup),
                          Qt::LeftButton);
        QCOMPARE(edit->text(), QString());  // nothing remembered yet
        QVERIFY(writeIniValue(m_state->programDir + "/pz.ini", "配置", "背景图",
                              "http://remembered/a.png"));
        QTest::mouseClick(test::control<ImageButton>(window, address_controls::kReadBackup),
                          Qt::LeftButton);
        QCOMPARE(edit->text(), QString("http://remembered/a.png"));
        // Chosen again while open: the same window comes forward.
        QTest::mouseClick(control<ImageButton>(mc::kBackground), Qt::LeftButton);
        QCOMPARE(m_window->findChildren<PictureAddressWindow*>().size(), 1);
    }

    // A refused address stays in the box, selected, with the reason beside it. A pasted address
    // is taken without the blanks and line breaks around it, its scheme in any letter case.
    void refusedAddressStaysWithTheReason() {
        confirmAddress("www.example.com/a.png");
        auto* window = m_window->findChild<PictureAddressWindow*>();
        QVERIFY(window != nullptr && window->isVisible());
        auto* edit = test::control<QLineEdit>(window, address_controls::kAddress);
        QCOMPARE(edit->text(), QString("www.example.com/a.png"));
        QCOMPARE(edit->selectedText(), edit->text());
        QCOMPARE(test::control<QLabel>(window, address_controls::kHint)->text(),
                 QString("地址须以 http:// 或 https:// 开头，或是本机图片的路径"));
        const auto* hint = test::control<QLabel>(window, address_controls::kHint);
        QVERIFY(hint->fontMetrics().horizontalAdvance(hint->text()) <= hint->width());
        QVERIFY(!m_window->loader()->busy());
        QCOMPARE(status(), QString("欢迎使用Velquist，请添加背景图片"));

        const QString address = toQString(m_server->url("/bg.bmp")).replace("http:", "HTTP:");
        QGuiApplication::clipboard()->setText(" \r\n" + address + " \n");
        QTest::mouseClick(test::control<ImageButton>(window, address_controls::kPaste),
                          Qt::LeftButton);
        QTest::mouseClick(test::control<ImageButton>(window, address_controls::kConfirm),
                          Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->loader()->busy(), 10000);
        QCOMPARE(status(), QString("图片载入完成....宽度为：750；高度为：400 PX"));
        QCOMPARE(m_state->editor.map().background().address, address.toStdString());
        QCOMPARE(readIniValue(m_state->programDir + "/pz.ini", "配置", "背景图"),
                 address.toStdString());
    }

    void newerConfirmationWins() {
        confirmAddress(m_server->url("/slow.bmp"));
        QCOMPARE(status(), QString("正在载入图片，请稍候..."));
        loadAndWait(m_server->url("/small.bmp"));
        QCOMPARE(status(), QString("图片载入完成....宽度为：300；高度为：200 PX"));
        QCOMPARE(m_state->editor.canvas().objectCount(), 1);
        QCOMPARE(m_state->editor.map().hotspots().size(), 0u);
    }
    // Ctrl+Z takes a drag back on screen, and a new picture back to the old picture with its
    // hotspots; meanwhile the autosave follows the map.
    void keysTakeWorkBack() {
        const QColor hotspot(132, 10, 142);
        const QColor picture(10, 20, 30);
        loadAndWait(m_server->url("/bg.bmp"));
        QTest::mouseClick(control<ImageButton>(mc::kAddHotspot), Qt::LeftButton);
        auto* canvas = control(mc::kCanvas);
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(150, 150));
        QTest::mouseMove(canvas, QPoint(250, 250));
        QTest::mouseMove(canvas, QPoint(350, 350));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(350, 350));
        QCOMPARE(shownAt({150, 150}), picture);
        press(Qt::Key_Z);
        QCOMPARE(status(), QString("已撤销：移动热区"));
        QCOMPARE(shownAt({150, 150}), hotspot);
        QCOMPARE(shownAt({350, 350}), picture);

        QTRY_COMPARE_WITH_TIMEOUT(loadMapFile(autosavePath()).value_or({}).hotspots.size(), 1u,
                                  5000);
        const MapDocument saved = loadMapFile(autosavePath()).value_or({});
        QCOMPARE(saved.pictureAddress, m_server->url("/bg.bmp"));
        QCOMPARE(saved.pictureWidth, 750);
        QVERIFY((saved.hotspots[0].rect == Rect{100, 100, 100, 100}));

        loadAndWait(m_server->url("/small.bmp"));
        QCOMPARE(shownAt({150, 150}), QColor(0, 0, 0));
        press(Qt::Key_Z);
        QCOMPARE(status(), QString("已撤销：载入背景图"));
        QCOMPARE(shownAt({150, 150}), hotspot);
        QCOMPARE(shownAt({600, 300}), picture);
        press(Qt::Key_Y);
        QCOMPARE(status(), QString("已重做：载入背景图"));
        QCOMPARE(shownAt({150, 150}), QColor(0, 0, 0));
    }

    // A map saved to a file of the user's choosing comes back over other work as one undo step,
    // its picture fetched under its hotspots; a damaged file changes nothing and says why.
    void mapFileSavedAndOpened() {
        std::string chosen;
        m_window->setMapFileDialog([&chosen](MainWindow::MapDialog) { return chosen; });
        loadAndWait(m_server->url("/bg.bmp"));
        addTwoHotspots();
        const std::vector<Hotspot> made = m_state->editor.map().hotspots();
        chosen = m_state->programDir + "/work";
        dropDownItem("保存热区文件…")->trigger();
        QCOMPARE(status(), QString::fromStdString("热区文件已保存：" + chosen + ".vqmap"));

        loadAndWait(m_server->url("/small.bmp"));
        chosen += ".vqmap";
        dropDownItem("打开热区文件…")->trigger();
        QCOMPARE(status(), QString("已打开热区文件，共 2 个热区"));
        QTRY_COMPARE_WITH_TIMEOUT(m_state->editor.map().background().width(), 750, 10000);
        QCOMPARE(status(), QString("图片载入完成....宽度为：750；高度为：400 PX"));
        const std::vector<Hotspot>& opened = m_state->editor.map().hotspots();
        QCOMPARE(opened.size(), 2u);
        for (size_t i = 0; i < 2; ++i) {
            QVERIFY(opened[i].rect == made[i].rect && opened[i].link == made[i].link);
        }

        std::ofstream(m_state->programDir + "/cut.vqmap") << "{\"format\": \"velquist-map\", \"ver";
        chosen = m_state->programDir + "/cut.vqmap";
        dropDownItem("打开热区文件…")->trigger();
        QVERIFY(status().startsWith("打开热区文件失败："));
        QCOMPARE(m_state->editor.map().hotspots().size(), 2u);

        press(Qt::Key_Z);
        QCOMPARE(status(), QString("已撤销：打开热区文件"));
        QCOMPARE(m_state->editor.map().hotspots().size(), 0u);
        QCOMPARE(m_state->editor.map().background().width(), 300);
    }

    // Code on the clipboard becomes the map: rectangles kept, other shapes counted, the picture
    // fetched from the code's address.
    void codeImportedFromTheClipboard() {
        QGuiApplication::clipboard()->setText(
            QString::fromStdString("<IMG usemap='#m' src=" + m_server->url("/bg.bmp") +
                                   " width=750 height=400><map name=m><area coords='10,20,110,70' "
                                   "href='http://a/?x=1&amp;y=2'"
                                   " alt='甲&lt;'><AREA shape=circle coords=5,5,5></map>"));
        dropDownItem("从代码导入热区…")->trigger();
        QCOMPARE(status(), QString("已导入 1 个热区，跳过 1 个非矩形热区（Ctrl+Z 撤销导入）"));
        QTRY_COMPARE_WITH_TIMEOUT(m_state->editor.map().background().width(), 750, 10000);
        const Hotspot& h = m_state->editor.map().hotspots().at(0);
        QVERIFY((h.rect == Rect{10, 20, 100, 50}));
        QCOMPARE(h.link, std::string("http://a/?x=1&y=2"));
        QCOMPARE(h.tip, std::string("甲<"));

        // A map copied without its picture: its rectangles go on the picture shown, as one step.
        const Background shown = m_state->editor.map().background();
        QGuiApplication::clipboard()->setText("<map name=x><area coords='200,20,240,60'></map>");
        dropDownItem("从代码导入热区…")->trigger();
        // The map it replaces is kept among the recent ones.
        QCOMPARE(status(), QString("已导入 1 个热区（Ctrl+Z 撤销导入）；原来的 1 个热区已存入"
                                   "“最近的热区”（Ctrl+Z 撤销）"));
        QVERIFY(m_state->editor.map().background().picture == shown.picture);
        QVERIFY(!m_window->loader()->busy());
        QCOMPARE(m_state->editor.map().hotspots().size(), 1u);
        QVERIFY((m_state->editor.map().hotspots()[0].rect ==
                 Rect{shown.position.x + 200, shown.position.y + 20, 40, 40}));
        // On the one-coloured picture: the new hotspot tinted, the old one's place plain.
        const QColor plain = shownAt(QPoint(shown.position.x + 600, shown.position.y + 300));
        QVERIFY(shownAt(QPoint(shown.position.x + 220, shown.position.y + 40)) != plain);
        QCOMPARE(shownAt(QPoint(shown.position.x + 60, shown.position.y + 45)), plain);
        press(Qt::Key_Z);
        QCOMPARE(m_state->editor.map().hotspots().size(), 1u);
        QVERIFY((m_state->editor.map().hotspots()[0].rect == Rect{10, 20, 100, 50}));
        QVERIFY(m_state->editor.map().background().picture == shown.picture);
    }
    // At start the autosave's map comes back as one undo step; a picture that cannot be fetched
    // leaves the hotspots and says why; a damaged autosave is set aside.
    void autosaveRestoredAtStart() {
        MapDocument map;
        map.pictureAddress = m_server->url("/missing");
        map.hotspots = {
            {{0, 0, 100, 50}, "甲", "#"}, {{30, 40, 60, 60}, "", "#"}, {{5, 5, 9, 9}, "", ""}};
        QVERIFY(saveMapFile(autosavePath(), map));
        m_window->restoreAutosave();
        QCOMPARE(status(), QString("已恢复上次的 3 个热区（Ctrl+Z 撤销恢复）"));
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->loader()->busy(), 10000);
        QVERIFY(status().startsWith("图片载入失败："));
        QCOMPARE(m_state->editor.map().hotspots().size(), 3u);
        press(Qt::Key_Z);
        QCOMPARE(status(), QString("已撤销：恢复上次的热区"));
        QCOMPARE(m_state->editor.map().hotspots().size(), 0u);
        QCOMPARE(m_state->editor.canvas().objectCount(), 0);

        std::ofstream(autosavePath()) << "{\"format\": ";
        m_window->restoreAutosave();
        QVERIFY(status().startsWith("上次自动保存的热区无法读取，已改名为 autosave.vqmap.bad："));
        QCOMPARE(readWholeFile(autosavePath() + ".bad").value(), std::string("{\"format\": "));
        QCOMPARE(m_state->editor.map().hotspots().size(), 0u);
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::EditingFlowTest)
#include "editing_flow_test.moc"
