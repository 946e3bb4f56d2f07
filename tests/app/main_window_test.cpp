// The real main window: geometry against its description, maximize/restore, menus, tray.
#include <QLabel>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QtTest>

#include "app/app_state.h"
#include "app/canvas_view.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/main_window_description.h"
#include "app/qt_text.h"

namespace velquist {
namespace {

namespace mc = main_controls;

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    AppState* m_state = nullptr;
    MainWindow* m_window = nullptr;

    QWidget* control(std::string_view name) {
        return m_window->findChild<QWidget*>(toQString(name));
    }
    ImageButton* button(std::string_view name) {
        return m_window->findChild<ImageButton*>(toQString(name));
    }

private slots:
    void init() {
        m_state = new AppState;
        m_window = new MainWindow(*m_state);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() {
        delete m_window;
        delete m_state;
    }

    void controlsMatchTheDescriptionAfterStartUp() {
        QCOMPARE(m_window->size(), QSize(1000, 680));
        QCOMPARE(m_window->pos(), QPoint(460, 200));  // centred on 1920 x 1080
        // The layout rule moves these away from their design positions.
        const QMap<QString, QRect> laidOut{
            {toQString(mc::kGenerateCode), {765, 0, 88, 33}},
            {toQString(mc::kDropDown), {869, 0, 32, 32}},
            {toQString(mc::kMinimize), {902, 0, 32, 32}},
            {toQString(mc::kMaximize), {935, 0, 32, 32}},
            {toQString(mc::kClose), {968, 0, 32, 32}},
            {toQString(mc::kPages), {2, 32, 996, 624}},
            {toQString(mc::kCanvas), {0, 0, 996, 624}},
            {toQString(mc::kStatus), {9, 656, 990, 24}},
        };
        for (const ControlDescription& c : mainWindowDescription().controls) {
            QWidget* widget = control(c.name);
            QVERIFY2(widget != nullptr, c.name.data());
            const QRect expected =
                laidOut.value(toQString(c.name), QRect(c.x, c.y, c.width, c.height));
            QCOMPARE(widget->geometry(), expected);
            QCOMPARE(widget->isVisibleTo(m_window), !(c.flags & control_flag::kHidden));
            QCOMPARE(widget->isEnabled(), !(c.flags & control_flag::kDisabled));
            if (auto* b = qobject_cast<ImageButton*>(widget)) {
                QCOMPARE(b->text(), toQString(c.caption));
                QCOMPARE(b->toolTip(), toQString(c.tooltip));
                QCOMPARE(b->colors().hoverBackground, QColor::fromRgb(c.colors.hoverBackground));
            }
        }
        QCOMPARE(control(mc::kHandleLeft)->cursor().shape(), Qt::SizeHorCursor);
        QCOMPARE(control(mc::kHandleTop)->cursor().shape(), Qt::SizeVerCursor);
        QCOMPARE(control(mc::kStatus)->font().pixelSize(), 14);
        QCOMPARE(qobject_cast<QLabel*>(control(mc::kStatus))->text(),
                 QString("欢迎使用Velquist，请添加背景图片"));
        QCOMPARE(m_state->editor.canvas().width(), 996);
        QCOMPARE(m_state->editor.canvas().height(), 624);
    }

    void addHotspotNeedsABackground() {
        ImageButton* add = button(mc::kAddHotspot);
        QVERIFY(!add->isEnabled());
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(m_state->editor.canvas().objectCount(), 0);
    }

    void maximizeAndRestore() {
        ImageButton* maximize = button(mc::kMaximize);
        QTest::mouseClick(maximize, Qt::LeftButton);
        QCOMPARE(m_window->geometry(), QRect(0, 0, 1920, 1040));
        QCOMPARE(control(mc::kPages)->size(), QSize(1916, 984));
        QCOMPARE(control(mc::kCanvas)->size(), QSize(1916, 984));
        QCOMPARE(control(mc::kClose)->x(), 1888);
        QCOMPARE(control(mc::kGenerateCode)->x(), 1685);
        QCOMPARE(control(mc::kStatus)->geometry(), QRect(9, 1016, 1910, 24));
        QCOMPARE(maximize->text(), QString("◇"));
        QVERIFY(!m_window->dragToMove());
        // Moving over the window's own area does not bring dragging back on a wide window.
        QTest::mouseMove(m_window, QPoint(600, 20));
        QVERIFY(!m_window->dragToMove());

        QTest::mouseClick(maximize, Qt::LeftButton);
        QCOMPARE(m_window->geometry(), QRect(460, 200, 1000, 680));
        QCOMPARE(maximize->text(), QString("□"));
        QVERIFY(m_window->dragToMove());
        QCOMPARE(control(mc::kGenerateCode)->x(), 765);
    }

    void movingOverTheCanvasStopsWindowDragging() {
        QVERIFY(m_window->dragToMove());
        QTest::mouseMove(control(mc::kCanvas), QPoint(300, 300));
        QVERIFY(!m_window->dragToMove());
        QTest::mouseMove(m_window, QPoint(600, 20));
        QVERIFY(m_window->dragToMove());
    }

    void closeButtonHidesToTheTrayWhereThereIsOne() {
        m_window->setTrayAvailable([] { return true; });
        QTest::mouseClick(button(mc::kClose), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        QSystemTrayIcon* tray = m_window->trayIcon();
        QVERIFY(tray != nullptr && tray->isVisible());
        QCOMPARE(tray->toolTip(), QString("Velquist"));
        QVERIFY(!tray->icon().isNull());
        m_window->trayActivated(TrayClick::Double);  // a double click adds nothing
        QVERIFY(!m_window->isVisible());
        m_window->trayActivated(TrayClick::Single);
        QVERIFY(m_window->isVisible());
        QVERIFY(!tray->isVisible());

        // Hidden again, a context click brings the window back and leaves the icon.
        QTest::mouseClick(button(mc::kClose), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_window->trayIcon(), tray);  // one icon for the program's life
        m_window->trayActivated(TrayClick::Context);
        QVERIFY(m_window->isVisible());
        QVERIFY(tray->isVisible());
    }

    void closeButtonMinimizesWithoutATray() {
        m_window->setTrayAvailable([] { return false; });
        QTest::mouseClick(button(mc::kClose), Qt::LeftButton);
        QVERIFY(m_window->isMinimized());
        QVERIFY(m_window->trayIcon() == nullptr);
    }

    void dropDownMenuAndExit() {
        QTest::mouseClick(button(mc::kDropDown), Qt::LeftButton);
        QMenu* menu = m_window->dropDownMenu();
        QTRY_VERIFY(menu->isVisible());
        QStringList items;
        for (QAction* a : menu->actions()) {
            items << a->text();
        }
        QCOMPARE(items, QStringList({"设置", "官网", "更新", "退出"}));
        menu->hide();
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::MainWindowTest)
#include "main_window_test.moc"
