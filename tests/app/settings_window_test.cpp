// The settings window and the drop-down items "设置", "官网" and "更新" on the real windows.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>
#include <utility>

#include "app/app_state.h"
#include "app/color_picker.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/settings_window.h"
#include "core/program_dir.h"
#include "expected_controls.h"
#include "settings/site.h"
#include "support/control_names.h"
#include "support/programs.h"

namespace velquist {
namespace {

namespace mc = main_controls;
namespace sc = settings_controls;

// Records what it was asked to start and answers with a fixed outcome.
class FakeLauncher : public ProcessLauncher {
public:
    explicit FakeLauncher(Status outcome) : m_outcome(std::move(outcome)) {}
    Status start(const std::string& program, const std::vector<std::string>&) override {
        started.push_back(program);
        return m_outcome;
    }
    // A started program's output ends at once, with nothing in it.
    Result<ProcessOutput> startReadingOutput(const std::string& program,
                                             const std::vector<std::string>& arguments) override {
        if (Status status = start(program, arguments); !status) {
            return status;
        }
        return ProcessOutput();
    }
    std::vector<std::string> started;

private:
    Status m_outcome;
};

constexpr QRgb kDark = 0x0A141E;              // the background picture: (10, 20, 30)
const QColor kMagentaOverDark(132, 10, 142);  // the default fill at 50 % over it
const QColor kBlueOverDark(5, 10, 142);       // #0000FF at 50 % over it

// The title strip, then the panel "外形框1" and what it holds, each shown whole.
// clang-format off
constexpr test::ExpectedControl kControls[] = {
    {"标签1", "设置"},
    {"超级按钮1", "×"},
    {"外形框1"},
    {"标签2", "工作区背景色"},
    {"颜色选择器1"},
    {"标签3", "热点区背景色"},
    {"颜色选择器2"},
    {"标签6", "热点区边框色"},
    {"颜色选择器4"},
    {"标签5", "热点区尺寸"},
    {"编辑框1"},
    {"标签7", "×"},
    {"编辑框2"},
    {"标签8", "PX"},
    {"标签4", "热区透明度"},
    {"滑块条1"},
    {"超级按钮2", "确定"},
};
// clang-format on

}  // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir* m_dir = nullptr;
    AppState* m_state = nullptr;
    MainWindow* m_window = nullptr;
    QList<QUrl> m_opened;

    template <typename T = QWidget>
    T* control(std::string_view name) {
        return m_window->findChild<T*>(toQString(name));
    }
    QString status() { return control<QLabel>(mc::kStatus)->text(); }
    void choose(const char* item) {
        m_window->dropDownMenu()->findChild<QAction*>(item)->trigger();
    }

    QList<SettingsWindow*> openSettingsWindows() {
        QList<SettingsWindow*> open;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* s = qobject_cast<SettingsWindow*>(w); s != nullptr && s->isVisible()) {
                open << s;
            }
        }
        return open;
    }
    SettingsWindow* openSettings() {
        choose("设置");
        const QList<SettingsWindow*> open = openSettingsWindows();
        return open.size() == 1 ? open.front() : nullptr;
    }
    // Clicks the picker and then the swatch of `color` in the palette it drops down.
    static void pickFromPalette(ColorPicker* picker, const QColor& color) {
        QTest::mouseClick(picker, Qt::LeftButton);
        QTRY_VERIFY(picker->dropDown()->isVisible());
        auto* swatch = picker->dropDown()->findChild<QAbstractButton*>(color.name());
        QVERIFY(swatch != nullptr);
        QTest::mouseClick(swatch, Qt::LeftButton);
        QVERIFY(!picker->dropDown()->isVisible());
        QCOMPARE(picker->color(), color);
    }
    // What the screen shows at canvas point (x, y): a pixel that only a repaint would change.
    QColor shownPixel(int x, int y) {
        const QPoint p = control(mc::kCanvas)->mapTo(m_window, QPoint(x, y));
        return m_window->screen()->grabWindow(m_window->winId()).toImage().pixelColor(p);
    }

private slots:
    void init() {
        m_dir = new QTemporaryDir;
        m_state = new AppState;
        m_state->programDir = m_dir->path().toStdString();
        m_window = new MainWindow(*m_state);
        m_opened.clear();
        m_window->setUrlOpener([this](const QUrl& url) { m_opened << url; });
        m_window->setProcessLauncher(std::make_unique<FakeLauncher>(Status::failure("no")));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() {
        for (SettingsWindow* w : openSettingsWindows()) {
            delete w;
        }
        delete m_window;
        delete m_state;
        delete m_dir;
    }

    void controlsWhenOpened() {
        SettingsWindow* window = openSettings();
        QVERIFY(window != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->parentWidget(), nullptr);
        QCOMPARE(window->geometry(), QRect(790, 411, 340, 258));  // centred on 1920 x 1080
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(test::builtLines(window, kControls), test::expectedLines(kControls));
        for (const test::ExpectedControl& c : kControls) {
            if (const auto* l = window->findChild<QLabel*>(QString::fromUtf8(c.name))) {
                const QRect ink = l->fontMetrics().tightBoundingRect(l->text());
                QVERIFY2(ink.width() <= l->width(), c.name);  // nothing cut off
            }
        }
        QCOMPARE(test::colorsOf(test::control<ImageButton>(window, sc::kClose)),
                 QStringList({"#ffffff", "#606060", "#ff00ff", "#606060"}));
        QCOMPARE(test::colorsOf(test::control<ImageButton>(window, sc::kConfirm)),
                 QStringList({"#ffffff", "#606060", "#ffffff", "#00e080"}));
        const QColor buttonFace = QGuiApplication::palette().color(QPalette::Button);
        QWidget* panel = test::control<QWidget>(window, sc::kPanel);
        QVERIFY(panel->autoFillBackground());
        QCOMPARE(panel->palette().color(QPalette::Window), buttonFace);
        auto* caption = test::control<QLabel>(window, "标签2");
        QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(caption->palette().color(QPalette::Window), buttonFace);
        QCOMPARE(test::control<QLabel>(window, sc::kTitle)->palette().color(QPalette::WindowText),
                 QColor(Qt::white));

        // Filled from the fresh style and the canvas.
        for (std::string_view box : {sc::kWidth, sc::kHeight}) {
            QCOMPARE(test::control<QLineEdit>(window, box)->text(), QString("100"));
            QCOMPARE(test::control<QLineEdit>(window, box)->alignment(), Qt::AlignCenter);
        }
        auto* slider = test::control<QSlider>(window, sc::kTransparency);
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(slider->tickPosition(), QSlider::NoTicks);
        const QList<int> range{slider->minimum(), slider->maximum(), slider->pageStep(),
                               slider->singleStep(), slider->value()};
        QCOMPARE(range, QList<int>({1, 100, 5, 1, 50}));
        QCOMPARE(test::control<ColorPicker>(window, sc::kFillColor)->color(),
                 QColor(0xFF, 0x00, 0xFF));
        QCOMPARE(test::control<ColorPicker>(window, sc::kBorderColor)->color(),
                 QColor(0x00, 0xE0, 0x80));
        QCOMPARE(test::control<ColorPicker>(window, sc::kWorkAreaColor)->color(),
                 QColor(Qt::white));
    }

    void sizeBoxesTakeTheLeadingNumber_data() {
        QTest::addColumn<QString>("widthText");
        QTest::addColumn<QString>("heightText");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        // clang-format off
        QTest::newRow("unit after, blank before") << "120px" << " 80" << 120 << 80;
        QTest::newRow("full-width digits, letters after") << "１２０" << "9abc" << 120 << 9;
        QTest::newRow("minus inside, plus sign") << "1-2" << "+7" << 1 << 7;
        // clang-format on
    }
    void sizeBoxesTakeTheLeadingNumber() {
        QFETCH(QString, widthText);
        QFETCH(QString, heightText);
        SettingsWindow* window = openSettings();
        QVERIFY(window != nullptr);
        // setText is what a paste does: the typing filter does not apply.
        test::control<QLineEdit>(window, sc::kWidth)->setText(widthText);
        test::control<QLineEdit>(window, sc::kHeight)->setText(heightText);
        QTest::keyClick(test::control<QSlider>(window, sc::kTransparency), Qt::Key_PageUp);
        QTest::mouseClick(test::control<ImageButton>(window, sc::kConfirm), Qt::LeftButton);

        QFETCH(int, width);
        QFETCH(int, height);
        QCOMPARE(m_state->editor.map().style().width, width);
        QCOMPARE(m_state->editor.map().style().height, height);
        QCOMPARE(m_state->editor.map().style().transparency, 55);
        QCOMPARE(status(), QString("设置参数完成..."));
        QVERIFY(openSettingsWindows().isEmpty());

        // The next opening starts from what was applied.
        window = openSettings();
        QVERIFY(window != nullptr);
        QCOMPARE(test::control<QLineEdit>(window, sc::kWidth)->text(), QString::number(width));
        QCOMPARE(test::control<QLineEdit>(window, sc::kHeight)->text(), QString::number(height));
        QCOMPARE(test::control<QSlider>(window, sc::kTransparency)->value(), 55);
    }

    // A size that would give hotspots no picture is refused in the window, which stays open
    // with the allowed range; the largest picture a hotspot can have is taken.
    void sizesWithoutAPictureAreRefused() {
        SettingsWindow* window = openSettings();
        QVERIFY(window != nullptr);
        auto* width = test::control<QLineEdit>(window, sc::kWidth);
        auto* height = test::control<QLineEdit>(window, sc::kHeight);
        auto* message = test::control<QLabel>(window, sc::kMessage);
        const std::pair<QString, QString> refused[] = {
            {"0", "100"}, {"100", "-7"}, {"abc", "100"}, {"32769", "1"}, {"8193", "8193"}};
        for (const auto& [w, h] : refused) {
            width->setText(w);
            height->setText(h);
            QTest::mouseClick(test::control<ImageButton>(window, sc::kConfirm), Qt::LeftButton);
            QVERIFY2(window->isVisible(), qPrintable(w + " x " + h));
            QCOMPARE(message->text(),
                     QString("热点区尺寸须在 1 到 32768 之间，宽×高不超过 67108864"));
            QCOMPARE(m_state->editor.map().style().width, 100);
            QCOMPARE(m_state->editor.map().style().height, 100);
            QCOMPARE(status(), QString("欢迎使用Velquist，请添加背景图片"));
        }
        QVERIFY(message->isVisible());
        QVERIFY(message->fontMetrics().tightBoundingRect(message->text()).width() <=
                message->width());

        width->setText("32768");
        QVERIFY(!message->text().isEmpty());  // 32768 x 8193 is still too large
        height->setText("2048");
        QVERIFY(message->text().isEmpty());  // mended: the error goes before "确定"
        QTest::mouseClick(test::control<ImageButton>(window, sc::kConfirm), Qt::LeftButton);
        QVERIFY(openSettingsWindows().isEmpty());
        QCOMPARE(m_state->editor.map().style().width, 32768);
        QCOMPARE(m_state->editor.map().style().height, 2048);
        QCOMPARE(status(), QString("设置参数完成..."));
    }

    void typingKeepsDigitsAndMinusOnly() {
        SettingsWindow* window = openSettings();
        QVERIFY(window != nullptr);
        auto* width = test::control<QLineEdit>(window, sc::kWidth);
        width->clear();
        QTest::keyClicks(width, "12a3");
        QCOMPARE(width->text(), QString("123"));
        auto* height = test::control<QLineEdit>(window, sc::kHeight);
        height->clear();
        QTest::keyClicks(height, "-4x5");
        QCOMPARE(height->text(), QString("-45"));
        QTest::keyClick(height, Qt::Key_Backspace);
        QCOMPARE(height->text(), QString("-4"));

        // Text an input method commits is typing too; what it is composing stays on show.
        QInputMethodEvent composing("１２", {});
        QApplication::sendEvent(height, &composing);
        QInputMethodEvent committed;
        committed.setCommitString("１2a-3");
        QApplication::sendEvent(height, &committed);
        QCOMPARE(height->text(), QString("-42-3"));
    }

    void workAreaColourSurvivesCloseOtherChangesDoNot() {
        SettingsWindow* window = openSettings();
        QVERIFY(window != nullptr);
        pickFromPalette(test::control<ColorPicker>(window, sc::kWorkAreaColor), QColor(0, 0, 255));
        QCOMPARE(m_state->editor.canvas().backgroundColor(), rgb(0, 0, 255));
        QTRY_COMPARE(shownPixel(50, 50), QColor(0, 0, 255));  // shown at once

        pickFromPalette(test::control<ColorPicker>(window, sc::kFillColor), QColor(255, 255, 0));
        test::control<QLineEdit>(window, sc::kWidth)->setText("30");
        test::control<QSlider>(window, sc::kTransparency)->setValue(90);
        QTest::mouseClick(test::control<ImageButton>(window, sc::kClose), Qt::LeftButton);
        QVERIFY(openSettingsWindows().isEmpty());

        const HotspotStyle& style = m_state->editor.map().style();
        QCOMPARE(style.width, 100);
        QCOMPARE(style.transparency, 50);
        QCOMPARE(style.fillColor, rgb(0xFF, 0x00, 0xFF));
        QCOMPARE(m_state->editor.canvas().backgroundColor(), rgb(0, 0, 255));
        QCOMPARE(status(), QString("欢迎使用Velquist，请添加背景图片"));

        window = openSettings();
        QVERIFY(window != nullptr);
        QCOMPARE(test::control<ColorPicker>(window, sc::kWorkAreaColor)->color(),
                 QColor(0, 0, 255));
        QCOMPARE(test::control<ColorPicker>(window, sc::kFillColor)->color(),
                 QColor(0xFF, 0x00, 0xFF));
        QCOMPARE(test::control<QLineEdit>(window, sc::kWidth)->text(), QString("100"));
    }

    void newFillReachesOnlyNewAndResizedHotspots() {
        const int w = 750;
        const int h = 400;
        m_state->editor.finishLoad(
            "https://img.example/bg.png",
            Picture{w, h, std::vector<uint32_t>(size_t{w} * h, kDark), true, {}});
        m_window->refresh();
        QTest::mouseClick(control<ImageButton>(mc::kAddHotspot), Qt::LeftButton);
        auto* canvas = control(mc::kCanvas);
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(150, 150));
        QTest::mouseMove(canvas, QPoint(250, 150));
        QTest::mouseMove(canvas, QPoint(350, 150));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(350, 150));  // now at 300..400
        QTRY_COMPARE(shownPixel(350, 150), kMagentaOverDark);

        SettingsWindow* window = openSettings();
        QVERIFY(window != nullptr);
        pickFromPalette(test::control<ColorPicker>(window, sc::kFillColor), QColor(0, 0, 255));
        QTest::mouseClick(test::control<ImageButton>(window, sc::kConfirm), Qt::LeftButton);
        // A fresh rendering of the model: the hotspot's tile was not rebuilt.
        QCOMPARE(control(mc::kCanvas)->grab().toImage().pixelColor(350, 150), kMagentaOverDark);

        QTest::mouseClick(control<ImageButton>(mc::kAddHotspot), Qt::LeftButton);
        QTRY_COMPARE(shownPixel(150, 150), kBlueOverDark);
        QTRY_COMPARE(shownPixel(101, 101), QColor(5, 122, 79));  // the frame stays green

        // Select the first hotspot and drag its right handle out by 50 pixels.
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(350, 150));
        auto* right = control<QLabel>(mc::kHandleRight);
        QVERIFY(right->isVisible());
        QTest::mousePress(right, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(right, right->mapFromGlobal(canvas->mapToGlobal(QPoint(450, 150))));
        QTest::mouseRelease(right, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(m_state->editor.canvas().objectWidth(2), 150);
        QTRY_COMPARE(shownPixel(350, 150), kBlueOverDark);
    }

    void settingsChosenTwiceGivesOneWindow() {
        QSignalSpy opened(m_window, &MainWindow::windowOpened);
        QVERIFY(openSettings() != nullptr);
        QVERIFY(openSettings() != nullptr);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(openSettingsWindows().size(), 1);
        // The main window stays usable meanwhile.
        QVERIFY(!QApplication::activeModalWidget());
    }

    void updateShowsTheHandOverOutcome() {
        auto starts = std::make_unique<FakeLauncher>(Status());
        FakeLauncher* fake = starts.get();
        m_window->setProcessLauncher(std::move(starts));
        choose("更新");
        QCOMPARE(status(), QString("启动在线更新器成功"));
        const QDir dir(m_dir->path());
        QCOMPARE(fake->started,
                 std::vector<std::string>{joinPath(dir.path().toStdString(), "xz.exe")});
        QVERIFY(dir.exists("gx.ini"));
        QVERIFY(!dir.exists("xz.zip"));

        m_window->setProcessLauncher(std::make_unique<FakeLauncher>(Status::failure("gone")));
        choose("更新");
        QCOMPARE(status(), QString("启动在线更新器失败，可能是您删除程序或修改了程序名称"));
        QVERIFY(!dir.exists("gx.ini"));
    }

    void updateShowsTheUpdatersOutcomeWhenItEnds() {
        // An updater in place that works until the test lets it finish.
        const QDir dir(m_dir->path());
        test::placeWaitingProgram(dir.filePath("xz.exe").toStdString(),
                                  "发现新版本 v9，已下载到 /tmp/Velquist-v9");
        m_window->setProcessLauncher(std::make_unique<SystemProcessLauncher>());
        choose("更新");
        QCOMPARE(status(), QString("启动在线更新器成功"));
        QVERIFY(QFile(dir.filePath("release")).open(QIODevice::WriteOnly));
        QTRY_COMPARE(status(), QString("发现新版本 v9，已下载到 /tmp/Velquist-v9"));
    }

    void homePageOpensTheSiteAndChangesNothingElse() {
        QSignalSpy opened(m_window, &MainWindow::windowOpened);
        choose("官网");
        choose("官网");
        const QUrl home(toQString(kHomePageAddress));
        QCOMPARE(m_opened, QList<QUrl>({home, home}));
        QCOMPARE(status(), QString("欢迎使用Velquist，请添加背景图片"));
        QCOMPARE(opened.count(), 0);
        QVERIFY(QDir(m_dir->path()).isEmpty());
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::SettingsWindowTest)
#include "settings_window_test.moc"
