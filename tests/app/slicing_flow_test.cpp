// Slicing a tall picture with the real windows: the cut lines drawn over the canvas and moved,
// added and dropped with the mouse, the slices written, the map turned into a stacked page of
// them, and the uploaded addresses pasted in their place.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/slice_export_window.h"
#include "core/file_io.h"
#include "core/program_dir.h"
#include "pictures/picture_decoder.h"
#include "pictures/test_pictures.h"
#include "slicing/messages.h"
#include "slicing/slice_export.h"
#include "support/control_names.h"
#include "support/pointer.h"

namespace velquist {

namespace mc = main_controls;

namespace {

const QColor kCutLine(0xFF, 0x20, 0x40);
constexpr int kWidth = 790;
constexpr int kHeight = 6000;

// Bands of colour a few hundred rows high, so that every row is plain but the slices differ.
uint32_t band(int, int y) {
    static const uint32_t colours[] = {0x00204060, 0x00D0E0F0, 0x00806040, 0x00305030};
    return colours[(y / 700) % 4];
}

}  // namespace

class SlicingFlowTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::string m_picture;
    AppState* m_state = nullptr;
    MainWindow* m_window = nullptr;
    QWidget* m_canvas = nullptr;

    const EditedMap& map() { return m_state->editor.map(); }
    QString status() { return m_window->findChild<QLabel*>(toQString(mc::kStatus))->text(); }
    QColor shownAt(int x, int y) { return m_canvas->grab().toImage().pixelColor(x, y); }
    bool lineShownAt(int y) { return shownAt(400, y) == kCutLine; }
    std::vector<int> cuts() { return m_state->editor.cuts(); }
    bool hasCut(int row) {
        const std::vector<int> all = cuts();
        return std::count(all.begin(), all.end(), row) == 1;
    }
    void choose(const char* item) {
        QAction* action = m_window->dropDownMenu()->findChild<QAction*>(item);
        QVERIFY(action != nullptr);
        action->trigger();
    }
    template <typename T>
    T* in(QWidget* window, const char* name) {
        T* found = window->findChild<T*>(name);
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }
    QWidget* topLevel(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == name && w->isVisible()) {
                return w;
            }
        }
        return nullptr;
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_picture = m_dir.filePath("详情页.bmp").toStdString();
        // Through the project's file layer: a UTF-8 name given to std::ofstream is mangled on
        // Windows, and the picture would never be found.
        QVERIFY(writeFileAtomically(m_picture, test::makeBmp(kWidth, kHeight, 24, false, band)));
        m_state = new AppState;
        m_state->programDir = m_dir.path().toStdString();
        m_window = new MainWindow(*m_state);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_canvas = m_window->findChild<QWidget*>(toQString(mc::kCanvas));
    }
    void cleanup() {
        delete m_window;
        delete m_state;
    }

    void slicedExportedUndoneAndGivenUploadedAddresses() {
        choose("切片导出…");
        QCOMPARE(status(), toQString(slicing_messages::kSliceWithoutPicture));
        QVERIFY(m_window->sliceExportWindow() == nullptr);

        m_window->startLoad(m_picture);
        QTRY_VERIFY(!m_window->loader()->busy());
        QVERIFY2(map().hasBackground(), qPrintable(status()));
        QTest::mousePress(m_canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 100));
        QTest::mouseMove(m_canvas, QPoint(300, 250));
        QTest::mouseRelease(m_canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 250));
        QCOMPARE(map().hotspots().size(), size_t{1});
        const Rect hotspot = map().hotspots()[0].rect;

        choose("切片导出…");
        SliceExportWindow* window = m_window->sliceExportWindow();
        QVERIFY(window != nullptr);
        QCOMPARE(cuts().size(), size_t{3});  // 1,500 rows at most by default
        in<QSpinBox>(window, "切片高度")->setValue(300);
        const std::vector<int> proposed = cuts();
        QVERIFY(proposed.size() >= 19);
        const int first = proposed[0];
        QVERIFY(first <= 300 && (first <= hotspot.top || first >= hotspot.top + hotspot.height));
        QVERIFY(lineShownAt(first));
        QVERIFY(!lineShownAt(first - 40));

        // Within 4 px the press takes the line: it moves, the picture stays.
        test::drag(m_canvas, QPoint(400, first + 3), QPoint(400, first + 50));
        QCOMPARE(cuts()[0], first + 50);
        QVERIFY(lineShownAt(first + 50) && !lineShownAt(first));
        QCOMPARE(map().background().position, (Point{0, 0}));

        // A double-click on the picture adds a line, here across the hotspot; a press near it
        // takes the line, not the hotspot.
        QTest::mouseDClick(m_canvas, Qt::LeftButton, {}, QPoint(200, 180));
        QVERIFY(hasCut(180));
        test::drag(m_canvas, QPoint(200, 178), QPoint(200, 200));
        QCOMPARE(map().hotspots()[0].rect, hotspot);
        QVERIFY(hasCut(200));
        QVERIFY(shownAt(200, 200) == kCutLine);
        // Dragged above the picture, it goes.
        test::drag(m_canvas, QPoint(200, 201), QPoint(200, -30));
        QCOMPARE(cuts().size(), proposed.size());
        QCOMPARE(status(),
                 QString("%1 条切线，切出 %2 个切片").arg(cuts().size()).arg(cuts().size() + 1));
        QVERIFY(shownAt(200, 200) != kCutLine);
        const std::vector<int> exported = cuts();

        // The lines go with the picture as it scrolls: a wheel notch down moves it 60 px up.
        const QPointF over(400, 400);
        QWheelEvent notch(over, m_canvas->mapToGlobal(over), {}, QPoint(0, -120), Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_canvas, &notch);
        QCOMPARE(map().background().position, (Point{0, -60}));
        QVERIFY(lineShownAt(first + 50 - 60) && !lineShownAt(first + 50));
        QCOMPARE(cuts(), exported);

        // A folder that cannot be written: the reason, the map as it was.
        const QString folder = m_dir.filePath("slices");
        in<QLineEdit>(window, "文件夹")->setText(folder + "/missing");
        in<QLineEdit>(window, "文件名")->setText("page");
        QTest::mouseClick(in<QPushButton>(window, "确定"), Qt::LeftButton);
        QTRY_VERIFY(status().startsWith(toQString(slicing_messages::kSliceExportFailed)));
        QVERIFY(window->isVisible());
        QCOMPARE(map().background().address, m_picture);
        QVERIFY(map().background().picture->parts.empty());

        QVERIFY(QDir().mkpath(folder));
        in<QLineEdit>(window, "文件夹")->setText(folder);
        QTest::mouseClick(in<QPushButton>(window, "确定"), Qt::LeftButton);
        QTRY_VERIFY(m_window->sliceExportWindow() == nullptr);
        QVERIFY2(status().startsWith(QString("已导出 %1 个切片").arg(exported.size() + 1)),
                 qPrintable(status()));
        QVERIFY(!lineShownAt(exported[0]));  // the lines went with the window

        // Each slice is its rectangle of the picture; the map is now a stack of them.
        const std::vector<Rect> areas = sliceAreas(kWidth, kHeight, exported);
        QCOMPARE(QDir(folder).entryList({"page_*.jpg"}, QDir::Files).size(),
                 qsizetype(areas.size()));
        // The page's code beside them names them as they lie there.
        Result<std::string> code = readWholeFile(joinPath(folder.toStdString(), "page.html"));
        QVERIFY(code.ok());
        QVERIFY2(code->find("page_01.jpg") != std::string::npos, code->c_str());
        size_t pictures = 0;
        for (size_t at = 0; (at = code->find("style=\"display:block\"", at)) != std::string::npos;
             ++at) {
            ++pictures;  // one gapless picture per slice
        }
        QCOMPARE(pictures, areas.size());
        std::vector<PicturePart> parts;
        std::string addresses;
        for (size_t i = 0; i < areas.size(); ++i) {
            const std::string path = joinPath(
                folder.toStdString(), sliceFileName("page", i, areas.size(), SliceFormat::Jpeg));
            Result<std::string> bytes = readWholeFile(path);
            QVERIFY2(bytes.ok(), path.c_str());
            Result<Picture> slice = decodePicture(*bytes);
            QVERIFY(slice.ok());
            QCOMPARE((Rect{0, areas[i].top, slice->width, slice->height}), areas[i]);
            parts.push_back({areas[i].width, areas[i].height});
            addresses += (i == 0 ? "" : "\n") + path;
        }
        QCOMPARE(map().background().picture->parts, parts);
        QCOMPARE(map().background().address, addresses);
        QCOMPARE(map().hotspots()[0].rect,
                 hotspot.translated(0, -60));  // scrolled with the picture

        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY2(map().background().picture->parts.empty(), qPrintable(status()));
        QCOMPARE(map().background().address, m_picture);
        QTest::keyClick(m_window, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(map().background().picture->parts, parts);

        // The uploaded addresses: a wrong count changes nothing and says why.
        choose("替换图片地址…");
        QWidget* replace = topLevel("替换图片地址窗口");
        QVERIFY(replace != nullptr);
        in<QPlainTextEdit>(replace, "地址列表")
            ->setPlainText(
                "https://img.example/1.jpg\n\n"
                "https://img.example/2.jpg\n");
        QTest::mouseClick(in<QPushButton>(replace, "确定"), Qt::LeftButton);
        QCOMPARE(status(), QString("地址数量（2）与图片数量（%1）不符").arg(areas.size()));
        QVERIFY(replace->isVisible());
        QCOMPARE(map().background().address, addresses);

        QString pasted;
        std::string uploaded;
        for (size_t i = 0; i < areas.size(); ++i) {
            const std::string one = "https://img.example/p/" + std::to_string(i + 1) + ".jpg";
            pasted += QString::fromStdString("  " + one + " \r\n\n");
            uploaded += (i == 0 ? "" : "\n") + one;
        }
        in<QPlainTextEdit>(replace, "地址列表")->setPlainText(pasted);
        QTest::mouseClick(in<QPushButton>(replace, "确定"), Qt::LeftButton);
        QTRY_VERIFY(topLevel("替换图片地址窗口") == nullptr);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QCOMPARE(map().background().address, uploaded);
        QCOMPARE(map().background().picture->parts, parts);
        QTest::keyClick(m_window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(map().background().address, addresses);
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::SlicingFlowTest)
#include "slicing_flow_test.moc"
