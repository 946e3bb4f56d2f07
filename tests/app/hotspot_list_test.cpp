// Hotspots through the clipboard and the hotspot list, driven with real keys and mouse clicks.
#include <QClipboard>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/hotspot_list_window.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "pictures/test_pictures.h"
#include "support/control_names.h"
#include "support/loopback_server.h"

namespace velquist {

namespace mc = main_controls;

class HotspotListTest : public QObject {
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
    const std::vector<Hotspot>& hotspots() { return m_state->editor.map().hotspots(); }

    void load(const char* path) {
        m_window->startLoad(m_server->url(path));
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->loader()->busy(), 10000);
        QCOMPARE(m_state->editor.map().background().address, m_server->url(path));
    }
    void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, key, modifiers);
    }
    void addHotspots(int count) {
        for (int i = 0; i < count; ++i) {
            QTest::mouseClick(control<ImageButton>(mc::kAddHotspot), Qt::LeftButton);
        }
    }
    // F2 on the main window opens the list; its table, shown.
    QTableView* openList() {
        press(m_window, Qt::Key_F2, Qt::NoModifier);
        HotspotListWindow* list = m_window->hotspotList();
        if (list == nullptr || !QTest::qWaitForWindowExposed(list)) {
            return nullptr;
        }
        return list->table();
    }
    void clickCell(QTableView* table, int row, int column, Qt::KeyboardModifiers modifiers = {}) {
        const QModelIndex cell = table->model()->index(row, column);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers,
                          table->visualRect(cell).center());
    }
    // Types into the current cell: the first key opens its editor, Enter commits.
    void typeIntoCell(QTableView* table, const QString& text) {
        table->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table->window()));
        QTest::keyClicks(table, text.left(1));
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor != nullptr && editor != table);
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the view commits a typed cell in a queued call
    }
    QString cellText(QTableView* table, int row, int column) {
        return table->model()->index(row, column).data().toString();
    }

private slots:
    void init() {
        m_server = new test::LoopbackServer;
        m_server->http().Get("/dark.bmp", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(
                test::makeBmp(750, 400, 24, false, [](int, int) { return 0x000A141Eu; }),
                "image/bmp");
        });
        m_server->http().Get("/green.bmp", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(
                test::makeBmp(600, 300, 24, false, [](int, int) { return 0x0000A000u; }),
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

    // Ctrl+C copies the selected hotspot as code; on another picture Ctrl+V draws it at the same
    // picture coordinates.
    void copiedHotspotsPasteOntoAnotherPicture() {
        load("/dark.bmp");
        addHotspots(1);
        QWidget* canvas = control(mc::kCanvas);
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(150, 150));
        QTest::mouseMove(canvas, QPoint(250, 170));
        QTest::mouseMove(canvas, QPoint(350, 200));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(350, 200));
        press(m_window, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().contains(
            "<area shape=\"rect\" coords=\"300,150,400,250\" href=\"#\" alt=\"\">"));

        load("/green.bmp");
        QVERIFY(hotspots().empty());
        const QPoint inside(350, 230);
        const QPoint beside(450, 230);
        QCOMPARE(canvas->grab().toImage().pixelColor(inside),
                 canvas->grab().toImage().pixelColor(beside));
        press(m_window, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(status(), QString("已粘贴 1 个热区"));
        const QImage shot = canvas->grab().toImage();
        const QColor drawn = shot.pixelColor(inside);
        QVERIFY2(drawn != shot.pixelColor(beside), "the pasted hotspot is drawn");
        QVERIFY2(drawn.red() > drawn.green() && drawn.blue() > drawn.green(), "in magenta");
        QCOMPARE(shot.pixelColor(QPoint(299, 230)), shot.pixelColor(beside));
    }

    // Rows selected in the list are the canvas's selection; a link typed for one of them goes to
    // all three, and one Ctrl+Z on the main window takes it back, in the table too.
    void linkForSelectedRowsIsOneUndo() {
        load("/dark.bmp");
        addHotspots(3);
        QTableView* table = openList();
        QVERIFY(table != nullptr);
        QCOMPARE(table->model()->rowCount(), 3);
        constexpr int kLink = static_cast<int>(HotspotColumn::Link);
        clickCell(table, 0, kLink);
        clickCell(table, 2, kLink, Qt::ShiftModifier);
        QCOMPARE(m_state->editor.map().selectedIds().size(), 3u);
        typeIntoCell(table, "https://shop.example/a");
        for (const Hotspot& h : hotspots()) {
            QCOMPARE(QString::fromStdString(h.link), QString("https://shop.example/a"));
        }
        QCOMPARE(cellText(table, 1, kLink), QString("https://shop.example/a"));
        press(m_window, Qt::Key_Z, Qt::ControlModifier);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(cellText(table, row, kLink), QString("#"));
        }
        // Hotspots added on the main window show up at once.
        addHotspots(1);
        QCOMPARE(table->model()->rowCount(), 4);
    }

    // A number out of range is refused with the range; the value stays.
    void numberOutOfRangeIsRefused() {
        load("/dark.bmp");
        addHotspots(1);
        QTableView* table = openList();
        QVERIFY(table != nullptr);
        constexpr int kWidth = static_cast<int>(HotspotColumn::Width);
        clickCell(table, 0, kWidth);
        typeIntoCell(table, "40000");
        QCOMPARE(status(), QString("修改失败：宽超出范围（1 到 32768）"));
        QCOMPARE(hotspots().front().rect.width, 100);
        QCOMPARE(cellText(table, 0, kWidth), QString("100"));
        clickCell(table, 0, kWidth);
        typeIntoCell(table, "120");
        QCOMPARE(hotspots().front().rect.width, 120);
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::HotspotListTest)
#include "hotspot_list_test.moc"
