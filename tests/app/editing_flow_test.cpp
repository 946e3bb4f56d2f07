// The editing flow on the real windows: a picture from a loopback server, hotspots dragged and
// resized with real mouse events, content edited, failed loads that leave the work alone.
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/canvas_view.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/main_window_description.h"
#include "app/picture_address_window.h"
#include "app/qt_text.h"
#include "app/secondary_descriptions.h"
#include "core/ini_file.h"
#include "pictures/test_pictures.h"
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
        auto* edit = window->control<QLineEdit>(address_controls::kAddress);
        edit->clear();
        QTest::keyClicks(edit, QString::fromStdString(address));
        QTest::mouseClick(window->control<ImageButton>(address_controls::kConfirm), Qt::LeftButton);
    }

    void loadAndWait(const std::string& address) {
        confirmAddress(address);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->loader()->busy(), 10000);
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

    // A handle released outside the canvas keeps resizing with the button up until the canvas
    // sees a release; movements outside the canvas resize nothing.
    void resizeOutlivesAReleaseOutsideTheCanvas() {
        loadAndWait(m_server->url("/bg.bmp"));
        QTest::mouseClick(control<ImageButton>(mc::kAddHotspot), Qt::LeftButton);
        const int id = m_state->editor.map().selection();
        const HotspotCanvas& objects = m_state->editor.canvas();
        auto* canvas = control(mc::kCanvas);
        auto* bottom = control<QLabel>(mc::kHandleBottom);
        auto inLabel = [&](QPoint canvasPoint) {
            return bottom->mapFromGlobal(canvas->mapToGlobal(canvasPoint));
        };
        const QPoint statusLine(150, canvas->height() + 30);
        QTest::mousePress(bottom, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(bottom, inLabel(QPoint(150, 260)));
        QTest::mouseMove(bottom, inLabel(statusLine));
        QTest::mouseRelease(bottom, Qt::LeftButton, {}, inLabel(statusLine));
        QCOMPARE(objects.objectHeight(id), 160);

        QTest::mouseMove(canvas, QPoint(150, 280));  // button up, still resizing
        QCOMPARE(objects.objectHeight(id), 180);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(150, 250));
        QTest::mouseMove(canvas, QPoint(150, 330));
        QCOMPARE(objects.objectHeight(id), 180);
    }

    void contentWindowEditsTheHotspot() {
        loadAndWait(m_server->url("/bg.bmp"));
        QTest::mouseClick(control<ImageButton>(mc::kAddHotspot), Qt::LeftButton);
        auto* canvas = control(mc::kCanvas);
        QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(500, 300));  // the background
        QVERIFY(!m_window->hotspotMenu()->isVisible());
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(150, 150));
        QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(150, 150));
        QTRY_VERIFY(m_window->hotspotMenu()->isVisible());
        m_window->hotspotMenu()->hide();
        m_window->hotspotMenu()->findChild<QAction*>("内容")->trigger();

        QWidget* content = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "热点内容窗口" && w->isVisible()) {
                content = w;
            }
        }
        QVERIFY(content != nullptr);
        auto* tip = content->findChild<QLineEdit*>(toQString(content_controls::kTip));
        auto* link = content->findChild<QLineEdit*>(toQString(content_controls::kLink));
        QCOMPARE(tip->text(), QString("Miva，我想你了"));
        QCOMPARE(link->text(), QString("#"));
        link->setText("https://shop.example/item?id=1&x=2");
        QTest::mouseClick(content->findChild<ImageButton*>(toQString(content_controls::kConfirm)),
                          Qt::LeftButton);
        QCOMPARE(status(), QString("选中热区内容修改完成"));
        QCOMPARE(m_state->editor.map().hotspots()[0].link, "https://shop.example/item?id=1&x=2");
        QCOMPARE(m_state->editor.map().hotspots()[0].tip, "Miva，我想你了");
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

    void pasteAndReadBackup() {
        QGuiApplication::clipboard()->setText("https://img.example/pasted.jpg");
        QTest::mouseClick(control<ImageButton>(mc::kBackground), Qt::LeftButton);
        auto* window = m_window->findChild<PictureAddressWindow*>();
        auto* edit = window->control<QLineEdit>(address_controls::kAddress);
        QTest::mouseClick(window->control<ImageButton>(address_controls::kPaste), Qt::LeftButton);
        QCOMPARE(edit->text(), QString("https://img.example/pasted.jpg"));
        QTest::mouseClick(window->control<ImageButton>(address_controls::kReadBackup),
                          Qt::LeftButton);
        QCOMPARE(edit->text(), QString());  // nothing remembered yet
        QVERIFY(writeIniValue(m_state->programDir + "/pz.ini", "配置", "背景图",
                              "http://remembered/a.png"));
        QTest::mouseClick(window->control<ImageButton>(address_controls::kReadBackup),
                          Qt::LeftButton);
        QCOMPARE(edit->text(), QString("http://remembered/a.png"));
        // Chosen again while open: the same window comes forward.
        QTest::mouseClick(control<ImageButton>(mc::kBackground), Qt::LeftButton);
        QCOMPARE(m_window->findChildren<PictureAddressWindow*>().size(), 1);
    }

    void addressWithoutHttpIsRefusedSilently() {
        confirmAddress("HTTPS://IMG.EXAMPLE/A.PNG");
        auto* window = m_window->findChild<PictureAddressWindow*>();
        QVERIFY(window != nullptr && window->isVisible());
        QVERIFY(window->control<QLineEdit>(address_controls::kAddress)->text().isEmpty());
        QVERIFY(!m_window->loader()->busy());
        QCOMPARE(status(), QString("欢迎使用Velquist，请添加背景图片"));
    }

    void newerConfirmationWins() {
        confirmAddress(m_server->url("/slow.bmp"));
        QCOMPARE(status(), QString("正在载入图片，请稍候..."));
        loadAndWait(m_server->url("/small.bmp"));
        QCOMPARE(status(), QString("图片载入完成....宽度为：300；高度为：200 PX"));
        QCOMPARE(m_state->editor.canvas().objectCount(), 1);
        QCOMPARE(m_state->editor.map().hotspots().size(), 0u);
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::EditingFlowTest)
#include "editing_flow_test.moc"
