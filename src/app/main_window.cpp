// Main window construction, layout, window management and event wiring.
#include "app/main_window.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSystemTrayIcon>

#include "app/app_state.h"
#include "app/canvas_view.h"
#include "app/image_button.h"
#include "app/main_window_description.h"
#include "app/main_window_layout.h"
#include "app/tray_icon.h"
#include "app/window_builder.h"

namespace velquist {
namespace {

namespace mc = main_controls;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr std::string_view kHandleNames[] = {mc::kHandleLeft, mc::kHandleTop, mc::kHandleRight,
                                             mc::kHandleBottom};

}  // namespace

MainWindow::MainWindow(AppState& state, QWidget* parent) : QWidget(parent), m_state(state) {
    const WindowDescription& description = mainWindowDescription();
    applyWindowFrame(this, description);
    setWindowTitle("v1.0.1");
    setMouseTracking(true);
    buildControls(this, description, [this](const ControlDescription& c, QWidget* parent) {
        if (c.kind != ControlKind::Canvas) {
            return static_cast<QWidget*>(nullptr);
        }
        m_canvas = new CanvasView(m_state.editor.canvas(), parent);
        return static_cast<QWidget*>(m_canvas);
    });
    m_status = findChild<QLabel*>(qs(mc::kStatus));
    m_status->setText(QString::fromUtf8(m_state.editor.status()));
    buildMenus();
    wireEvents();
    wireCanvas();
    // Created handler: fresh style of new hotspots, then the layout at the normal size.
    m_state.editor.style() = HotspotStyle{};
    layoutMainWindow(kNormalHeight, kNormalWidth);
    centreOnScreen(this);
}

ImageButton* MainWindow::button(std::string_view name) const {
    return findChild<ImageButton*>(qs(name));
}

QLabel* MainWindow::handle(int edge) const { return findChild<QLabel*>(qs(kHandleNames[edge])); }

void MainWindow::layoutMainWindow(int height, int width) {
    const MainWindowLayout l = velquist::layoutMainWindow(height, width);
    resize(l.width, l.height);
    auto* pages = findChild<QWidget*>(qs(mc::kPages));
    pages->setGeometry(l.pages.left, l.pages.top, l.pages.width, l.pages.height);
    m_canvas->setGeometry(l.canvas.left, l.canvas.top, l.canvas.width, l.canvas.height);
    button(mc::kClose)->move(l.closeLeft, 0);
    button(mc::kMaximize)->move(l.maximizeLeft, 0);
    button(mc::kMinimize)->move(l.minimizeLeft, 0);
    button(mc::kDropDown)->move(l.dropDownLeft, 0);
    button(mc::kGenerateCode)->move(l.generateLeft, 0);
    m_status->setGeometry(m_status->x(), l.statusTop, l.statusWidth, m_status->height());
}

void MainWindow::toggleMaximize() {
    ImageButton* maximize = button(mc::kMaximize);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const MaximizeStep step =
        velquist::toggleMaximize(maximize->text().toStdString(), screen.width(), screen.height());
    maximize->setText(qs(step.caption));
    m_dragToMove = step.dragToMove;
    layoutMainWindow(step.height, step.width);
    if (step.centre) {
        centreOnScreen(this);
    } else {
        move(0, 0);
    }
}

void MainWindow::hideToTray() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // Without a notification area a hidden window could never be brought back.
        showMinimized();
        return;
    }
    if (m_tray == nullptr) {
        m_tray = makeTrayIcon(this);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](auto reason) {
            trayActivated(trayKind(reason));
        });
    }
    hide();
    m_tray->show();
}

void MainWindow::trayActivated(int kind) {
    if (kind == 1) {
        show();
        if (m_tray != nullptr) {
            m_tray->hide();
        }
    } else if (kind == 3) {
        // Loading the already loaded main window again just brings it forward.
        show();
        raise();
        activateWindow();
    }
}

void MainWindow::endProgram() {
    m_state.exitCleanup();
    QCoreApplication::exit(0);
}

void MainWindow::refresh() {
    const HotspotEditor& editor = m_state.editor;
    m_status->setText(QString::fromStdString(editor.status()));
    button(mc::kAddHotspot)->setEnabled(editor.addHotspotEnabled());
    for (int edge = 0; edge < 4; ++edge) {
        const Handle& h = editor.handles().handles[static_cast<size_t>(edge)];
        QLabel* label = handle(edge);
        label->move(h.position.x, h.position.y);
        label->setVisible(h.visible);
    }
    m_canvas->refresh();
}

void MainWindow::buildMenus() {
    m_hotspotMenu = new QMenu(this);
    m_hotspotMenu->setObjectName("菜单");
    m_dropDownMenu = new QMenu(this);
    m_dropDownMenu->setObjectName("下拉");
    QAction* remove = nullptr;
    m_hotspotMenu->addAction("内容")->setObjectName("内容");
    remove = m_hotspotMenu->addAction("删除");
    remove->setObjectName("删除");
    connect(remove, &QAction::triggered, this, [this] {
        m_state.editor.deleteCurrentHotspot();
        refresh();
    });
    for (const char* item : {"设置", "官网", "更新"}) {
        m_dropDownMenu->addAction(item)->setObjectName(item);
    }
    QAction* quit = m_dropDownMenu->addAction("退出");
    quit->setObjectName("退出");
    connect(quit, &QAction::triggered, this, &MainWindow::endProgram);
}

void MainWindow::wireEvents() {
    connect(button(mc::kAddHotspot), &QAbstractButton::clicked, this, [this] {
        m_state.editor.addHotspot();
        refresh();
    });
    connect(button(mc::kDropDown), &QAbstractButton::clicked, this,
            [this] { m_dropDownMenu->popup(QCursor::pos()); });
    connect(button(mc::kMinimize), &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(button(mc::kMaximize), &QAbstractButton::clicked, this, &MainWindow::toggleMaximize);
    connect(button(mc::kClose), &QAbstractButton::clicked, this, &MainWindow::hideToTray);
}

void MainWindow::wireCanvas() {
    connect(m_canvas, &CanvasView::objectRightPressed, this, &MainWindow::onObjectRightPressed);
    connect(m_canvas, &CanvasView::mouseMoved, this, [this] { m_dragToMove = false; });
}

void MainWindow::onObjectRightPressed(int id) {
    if (id > 0 && id != m_state.editor.state().backgroundId) {
        m_hotspotMenu->popup(QCursor::pos());
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_dragToMove) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    m_dragToMove = dragToMoveAfterMouseMove(m_dragToMove, isMaximized(), width());
    if (m_dragging && m_dragToMove && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
    }
}

void MainWindow::mouseReleaseEvent(QMouseEvent*) { m_dragging = false; }

}  // namespace velquist
