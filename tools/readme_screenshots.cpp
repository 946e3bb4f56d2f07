// Draws the README's pictures from the real program: the sample banner served on 127.0.0.1 is
// loaded through "背景设置", the proposed hotspots (G) are grabbed and dismissed, hotspots are
// added, dragged, resized and given links with real mouse and key events, then the main window
// and the code window are grabbed.
//   velquist_screenshots <output folder>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <cstdio>
#include <string>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/picture_analyser.h"
#include "app/qt_text.h"
#include "app/window_frame.h"
#include "support/control_names.h"
#include "support/loopback_server.h"

namespace velquist {
namespace {

namespace mc = main_controls;

// The three product cards of the sample banner, where the hotspots go.
struct Card {
    QRect rect;
    QString name;
    std::string link;
};

const Card kCards[] = {
    {{40, 150, 260, 320}, "羊毛围巾", "https://shop.example/item?id=101"},
    {{345, 150, 260, 320}, "加厚毛衣", "https://shop.example/item?id=102"},
    {{650, 150, 260, 320}, "保暖手套", "https://shop.example/item?id=103"},
};

// The sample shop banner shipped in resources/, which `./dev.sh start` opens too.
std::string shopBanner() {
    QFile file(VELQUIST_SAMPLE_PICTURE);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", VELQUIST_SAMPLE_PICTURE);
        std::exit(1);
    }
    return file.readAll().toStdString();
}

template <typename T = QWidget>
T* control(QWidget* window, std::string_view name) {
    T* found = window->findChild<T*>(toQString(name));
    if (found == nullptr) {
        std::fprintf(stderr, "no control %s\n", std::string(name).c_str());
        std::exit(1);
    }
    return found;
}

// The window the main window announced last, which must be `name`.
QWidget* newestWindow(const QList<QPointer<QWidget>>& opened, const char* name) {
    QWidget* newest = opened.isEmpty() ? nullptr : opened.last().data();
    if (newest == nullptr || newest->objectName() != QString::fromUtf8(name)) {
        std::fprintf(stderr, "the window %s did not open\n", name);
        std::exit(1);
    }
    return newest;
}

bool waitFor(const std::function<bool()>& done) {
    for (int i = 0; i < 400 && !done(); ++i) {
        QTest::qWait(25);
    }
    return done();
}

// Drags a new 100 x 100 hotspot from (100, 100) onto the card, stretches it with the right and
// bottom handles, and gives it its link through the content window.
void placeHotspot(MainWindow* window, const QList<QPointer<QWidget>>& opened, const Card& card) {
    QWidget* canvas = control(window, mc::kCanvas);
    QTest::mouseClick(control(window, mc::kAddHotspot), Qt::LeftButton);
    const QPoint grip(10, 10);
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(100, 100) + grip);
    QTest::mouseMove(canvas, card.rect.topLeft() + grip);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, card.rect.topLeft() + grip);
    const QPoint corner = card.rect.topLeft() + QPoint(card.rect.width(), card.rect.height());
    for (std::string_view name : {mc::kHandleRight, mc::kHandleBottom}) {
        QWidget* handle = control(window, name);
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(handle, handle->mapFromGlobal(canvas->mapToGlobal(corner)));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(2, 2));
    }

    const QPoint inside = card.rect.center();
    QTest::mouseClick(canvas, Qt::LeftButton, {}, inside);
    QTest::mouseClick(canvas, Qt::RightButton, {}, inside);
    waitFor([&] { return window->hotspotMenu()->isVisible(); });
    window->hotspotMenu()->hide();
    window->hotspotMenu()->findChild<QAction*>("内容")->trigger();
    QWidget* content = newestWindow(opened, "热点内容窗口");
    auto* tip = control<QLineEdit>(content, content_controls::kTip);
    tip->setText(card.name);
    control<QLineEdit>(content, content_controls::kLink)->setText(toQString(card.link));
    QTest::mouseClick(control(content, content_controls::kConfirm), Qt::LeftButton);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, inside);  // leaves its coordinates in view
}

bool save(QWidget* window, const QString& path) {
    if (!window->grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

int run(const QString& folder) {
    test::LoopbackServer server;
    const std::string banner = shopBanner();
    server.http().Get("/winter.png", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(banner, "image/png");
    });
    server.start();

    QTemporaryDir programDir;
    AppState state;
    state.programDir = programDir.path().toStdString();
    auto* window = new MainWindow(state);
    QList<QPointer<QWidget>> opened;
    QObject::connect(window, &MainWindow::windowOpened, [&](QWidget* w) { opened << w; });
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) {
        std::fprintf(stderr, "the main window was not shown\n");
        return 1;
    }

    QTest::mouseClick(control(window, mc::kBackground), Qt::LeftButton);
    QWidget* address = newestWindow(opened, "图片地址窗口");
    QTest::keyClicks(control<QLineEdit>(address, address_controls::kAddress),
                     toQString(server.url("/winter.png")));
    QTest::mouseClick(control(address, address_controls::kConfirm), Qt::LeftButton);
    if (!waitFor([&] { return !window->loader()->busy(); }) ||
        !control<QLabel>(window, mc::kStatus)->text().startsWith("图片载入完成")) {
        std::fprintf(stderr, "the picture did not load: %s\n",
                     qPrintable(control<QLabel>(window, mc::kStatus)->text()));
        return 1;
    }
    window->activateWindow();  // the address window had the keys
    if (!QTest::qWaitForWindowActive(window)) {
        std::fprintf(stderr, "the main window did not become active\n");
        return 1;
    }
    QTest::keyClick(window, Qt::Key_G);
    if (!waitFor([&] { return !window->analyser()->busy(); }) ||
        !control<QLabel>(window, mc::kStatus)->text().startsWith("找到")) {
        std::fprintf(stderr, "no proposals: %s\n",
                     qPrintable(control<QLabel>(window, mc::kStatus)->text()));
        return 1;
    }
    bool ok = save(window, folder + "/screenshot-suggest.png");
    QTest::keyClick(window, Qt::Key_Escape);

    for (const Card& card : kCards) {
        placeHotspot(window, opened, card);
    }
    ok = save(window, folder + "/screenshot-editor.png") && ok;

    QTest::mouseClick(control(window, mc::kGenerateCode), Qt::LeftButton);
    QWidget* code = newestWindow(opened, "代码输出窗口");
    ok = QTest::qWaitForWindowExposed(code) && save(code, folder + "/screenshot-code.png") && ok;
    delete code;
    delete window;
    return ok ? 0 : 1;
}

}  // namespace
}  // namespace velquist

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setFont(velquist::interfaceFont(12));
    return velquist::run(QString::fromLocal8Bit(argv[1]));
}
