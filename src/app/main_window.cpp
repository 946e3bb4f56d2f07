// Main window construction, layout, window management and event wiring.
#include "app/main_window.h"
#include "app/qt_text.h"

#include <array>

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <utility>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/canvas_view.h"
#include "app/code_output_window.h"
#include "app/content_window.h"
#include "app/control_label.h"
#include "app/hotspot_list_window.h"
#include "app/image_button.h"
#include "app/image_map_input.h"
#include "app/main_window_layout.h"
#include "app/picture_address_window.h"
#include "app/picture_analyser.h"
#include "app/tray_icon.h"
#include "codegen/code_notice.h"
#include "core/version.h"
#include "ui_main_window.h"

namespace velquist {
namespace {

// Started by the first change after a write and not restarted by later ones, so a change is on
// disk well within a second even while the user keeps dragging.
constexpr int kAutosaveDelayMs = 500;

Rect rectOf(const QWidget* widget) {
    return {widget->x(), widget->y(), widget->width(), widget->height()};
}

}  // namespace

MainWindow::MainWindow(AppState& state, QWidget* parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::MainWindowForm>()),
      m_state(state),
      m_session(state.editor, state.programDir) {
    m_ui->setupUi(this);
    frameWindow(this, false);
    setWindowTitle(toQString(kProgramTitle));
    setMouseTracking(true);
    m_canvas = m_ui->canvas;
    m_canvas->setCanvas(m_state.editor.canvas());
    m_form = {width(),
              height(),
              rectOf(m_ui->pages),
              rectOf(m_canvas),
              m_ui->close->x(),
              m_ui->maximize->x(),
              m_ui->minimize->x(),
              m_ui->dropDown->x(),
              m_ui->generateCode->x(),
              m_ui->status->y(),
              m_ui->status->width()};
    m_status = m_ui->status;
    m_status->setElided(true);  // a long report ends in "…" and shows whole on hover
    m_status->setText(toQString(m_state.statusLine.text()));
    m_loader = new BackgroundLoader(this);
    m_loader->setOnFinished([this](const std::string& address, Result<Picture> result) {
        apply(m_session.loadFinished(address, std::move(result)));
    });
    m_loader->setOnProgress([this](const std::string&, const HttpProgress& progress) {
        m_state.statusLine.showLoadProgress(
            m_state.editor.loadProgressed(progress.received, progress.total));
        refresh();
    });
    m_analyser = new PictureAnalyser(this);
    m_analyser->setOnFinished([this](AnalysisResult result) {
        edit([&result](HotspotEditor& e) { return e.finishAnalysis(std::move(result)); });
    });
    m_autosaveTimer = new QTimer(this);
    m_autosaveTimer->setSingleShot(true);
    m_autosaveTimer->setInterval(kAutosaveDelayMs);
    connect(m_autosaveTimer, &QTimer::timeout, this, &MainWindow::autosaveNow);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &MainWindow::autosaveNow);
    buildMenus();
    wireEvents();
    wireCanvas();
    wireSlicing();
    wireHandles();
    wireKeys();
    wireEditingKeys();
    wireFileKeys();
    wireClipboardKeys(this);
    // Created handler: fresh style of new hotspots.
    m_state.editor.setStyle(HotspotStyle{});
}

MainWindow::~MainWindow() = default;

QLabel* MainWindow::handle(int edge) const {
    const std::array<QLabel*, 4> handles = {m_ui->handleLeft, m_ui->handleTop, m_ui->handleRight,
                                            m_ui->handleBottom};
    return handles[static_cast<size_t>(edge)];
}

void MainWindow::layoutMainWindow(int width, int height) {
    const MainWindowLayout l = velquist::layoutMainWindow(m_form, width, height);
    resize(l.width, l.height);
    m_ui->pages->setGeometry(l.pages.left, l.pages.top, l.pages.width, l.pages.height);
    m_canvas->setGeometry(l.canvas.left, l.canvas.top, l.canvas.width, l.canvas.height);
    m_ui->close->move(l.closeLeft, 0);
    m_ui->maximize->move(l.maximizeLeft, 0);
    m_ui->minimize->move(l.minimizeLeft, 0);
    m_ui->dropDown->move(l.dropDownLeft, 0);
    m_ui->generateCode->move(l.generateLeft, 0);
    m_status->setGeometry(m_status->x(), l.statusTop, l.statusWidth, m_status->height());
}

void MainWindow::toggleMaximize() {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const MaximizeStep step =
        velquist::toggleMaximize(m_maximized, screen.width(), screen.height(), m_form);
    m_maximized = step.maximized;
    m_ui->maximize->setText(toQString(maximizeCaption(m_maximized)));
    m_dragToMove = step.dragToMove;
    layoutMainWindow(step.width, step.height);
    if (step.centre) {
        centreOnScreen(this);
    } else {
        move(0, 0);
    }
}

void MainWindow::hideToTray() {
    if (!m_trayAvailable()) {
        // Without a notification area a hidden window could never be brought back.
        showMinimized();
        return;
    }
    if (m_tray == nullptr) {
        m_tray = makeTrayIcon(this);
        connect(m_tray, &QSystemTrayIcon::activated, this,
                [this](auto reason) { trayActivated(trayClickOf(reason)); });
    }
    hide();
    m_tray->show();
}

void MainWindow::trayActivated(TrayClick kind) {
    if (kind == TrayClick::Single) {
        show();
        if (m_tray != nullptr) {
            m_tray->hide();
        }
    } else if (kind == TrayClick::Context) {
        // Loading the already loaded main window again just brings it forward.
        show();
        raise();
        activateWindow();
    }
}

void MainWindow::openArgument(const std::string& address) {
    trayActivated(TrayClick::Single);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    bringToFront(this);
    if (address.empty()) {
        return;
    }
    apply(m_session.openArgument(address));
}

void MainWindow::endProgram() {
    autosaveNow();
    QCoreApplication::exit(0);
}

void MainWindow::refresh() {
    HotspotEditor& editor = m_state.editor;
    if (std::optional<AnalysisRequest> wanted = editor.takeAnalysisRequest()) {
        m_analyser->start(std::move(*wanted));
    }
    m_status->setText(QString::fromStdString(m_state.statusLine.text()));
    m_ui->addHotspot->setEnabled(editor.addHotspotEnabled());
    for (int edge = 0; edge < 4; ++edge) {
        const Handle& h = editor.handles().handles[static_cast<size_t>(edge)];
        QLabel* label = handle(edge);
        label->move(h.position.x, h.position.y);
        label->setVisible(h.visible);
    }
    m_canvas->setOutlines(editor.proposalOutlines());
    m_canvas->setSelectionFrames(editor.selectionFrames());
    m_canvas->setDragFrame(editor.dragFrame());
    m_canvas->setCutLines(editor.cutLineMarks());
    showGridPreview();
    m_canvas->refresh();
    if (m_contentWindow) {
        m_contentWindow->followEditor();
    }
    if (m_listWindow) {
        m_listWindow->follow();
    }
    if (m_session.autosaveDue() && !m_autosaveTimer->isActive()) {
        m_autosaveTimer->start();
    }
}

void MainWindow::buildMenus() {
    m_hotspotMenu = new QMenu(this);
    m_hotspotMenu->setObjectName("菜单");
    QAction* remove = nullptr;
    QAction* content = m_hotspotMenu->addAction("内容");
    content->setObjectName("内容");
    connect(content, &QAction::triggered, this, &MainWindow::openContentWindow);
    remove = m_hotspotMenu->addAction("删除");
    remove->setObjectName("删除");
    connect(remove, &QAction::triggered, this,
            [this] { edit([](HotspotEditor& e) { return e.deleteSelectedHotspot(); }); });
    buildArrangeMenu();
    buildDropDownMenu();
}

void MainWindow::wireEvents() {
    connect(m_ui->background, &QAbstractButton::clicked, this,
            &MainWindow::openPictureAddressWindow);
    const std::pair<ImageButton*, Alignment> alignments[] = {
        {m_ui->alignLeft, Alignment::Left},
        {m_ui->alignTop, Alignment::Top},
        {m_ui->alignCentre, Alignment::Centre},
        {m_ui->alignRight, Alignment::Right},
        {m_ui->alignBottom, Alignment::Bottom}};
    for (const auto& [button, where] : alignments) {
        connect(button, &QAbstractButton::clicked, this, [this, where] {
            edit([where](HotspotEditor& e) { return e.alignBackground(where); });
        });
    }
    connect(m_ui->addHotspot, &QAbstractButton::clicked, this,
            [this] { edit([](HotspotEditor& e) { return e.addHotspot(); }); });
    connect(m_ui->generateCode, &QAbstractButton::clicked, this, &MainWindow::openCodeOutputWindow);
    connect(m_ui->dropDown, &QAbstractButton::clicked, this,
            [this] { m_dropDownMenu->popup(QCursor::pos()); });
    connect(m_ui->minimize, &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(m_ui->maximize, &QAbstractButton::clicked, this, &MainWindow::toggleMaximize);
    connect(m_ui->close, &QAbstractButton::clicked, this, &MainWindow::hideToTray);
}

void MainWindow::wireCanvas() {
    connect(m_canvas, &CanvasView::pointerPressed, this, &MainWindow::onPointerPressed);
    connect(m_canvas, &CanvasView::pointerMoved, this, [this](const PointerInput& input) {
        m_dragToMove = false;  // dragging on the canvas moves pictures, not the window
        edit([&](HotspotEditor& e) { return e.move(input); });
    });
    connect(m_canvas, &CanvasView::pointerReleased, this, [this](const PointerInput& input) {
        edit([&](HotspotEditor& e) { return e.release(input); });
    });
    connect(m_canvas, &CanvasView::wheelTurned, this,
            [this](int dx, int dy) { edit([=](HotspotEditor& e) { return e.wheel(dx, dy); }); });
    connect(m_canvas, &CanvasView::dropped, this, &MainWindow::dropReceived);
}

// The handle holds the mouse while it is dragged, so it sees movements and the release wherever
// they happen; the editor hears them as events on that handle, in canvas pixels.
void MainWindow::wireHandles() {
    for (const HandleEdge edge : kHandleEdges) {
        auto* label = static_cast<ControlLabel*>(handle(static_cast<int>(edge)));
        const auto input = [this, edge](QPoint global, Qt::MouseButtons buttons) {
            PointerInput in = pointerInput(m_canvas->mapFromGlobal(global), buttons,
                                           QGuiApplication::keyboardModifiers());
            in.handle = edge;
            return in;
        };
        connect(label, &ControlLabel::leftPressed, this,
                [this, input] { onPointerPressed(input(QCursor::pos(), Qt::LeftButton)); });
        connect(label, &ControlLabel::leftReleased, this, [this, input](QPoint global) {
            edit([&](HotspotEditor& e) { return e.release(input(global, Qt::LeftButton)); });
        });
        connect(label, &ControlLabel::mouseMovedTo, this, [this, input](QPoint global, bool left) {
            edit([&](HotspotEditor& e) {
                return e.move(input(global, left ? Qt::LeftButton : Qt::NoButton));
            });
        });
    }
}

void MainWindow::edit(const std::function<Said(HotspotEditor&)>& operation) {
    m_state.statusLine.show(operation(m_state.editor));
    refresh();
}

void MainWindow::openPictureAddressWindow() {
    openAddressWindow(false);
}

void MainWindow::openAddPictureWindow() {
    openAddressWindow(true);
}

void MainWindow::openAddressWindow(bool adding) {
    showSingle(m_addressWindow, [this, adding] {
        auto* window =
            new PictureAddressWindow(m_state.editor.addressToShow(), m_state.programDir, this);
        if (adding) {
            window->setAdding();
        }
        connect(window, &PictureAddressWindow::confirmed, this,
                [this, window, adding](const std::string& address) {
                    apply(adding ? m_session.addPicture(address)
                                 : m_session.startLoad(address, window->keepHotspots()));
                });
        connect(window, &PictureAddressWindow::cancelled, this, [this] {
            if (m_state.editor.runningLoad()) {
                cancelLoad();
            }
        });
        return window;
    });
}

void MainWindow::openContentWindow() {
    const ContentOpened opened = m_state.editor.openContent();
    if (!opened.form.found) {
        m_state.statusLine.show(opened.said);
        refresh();  // nothing to edit: the status line says so
        return;
    }
    // An open window is retargeted: it always edits the hotspot "内容" was chosen for.
    showSingle(m_contentWindow, [this] {
        auto* window = new ContentWindow(m_state.editor, m_state.statusLine);
        connect(window, &ContentWindow::editorChanged, this, &MainWindow::refresh);
        return window;
    })->edit(opened.form);
}

void MainWindow::openCodeOutputWindow() {
    const HotspotEditor& editor = m_state.editor;
    const ImageMapInput input = imageMapInputOf(editor);
    showSingle(m_codeWindow, [this, &editor] {
        return new CodeOutputWindow(m_state.programDir,
                                    [&editor] { return imageMapInputOf(editor); });
    })->generate(input);
    // The status line stays as it was when there is nothing to point out.
    if (std::string notice = codeNotice(input); !notice.empty()) {
        m_state.statusLine.show(std::move(notice));
        refresh();
    }
}

void MainWindow::onPointerPressed(const PointerInput& input) {
    PointerResponse response;
    edit([&](HotspotEditor& e) {
        response = e.press(input);
        return response.said;
    });
    if (response.openHotspotMenu) {
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
    m_dragToMove = dragToMoveAfterMouseMove(m_dragToMove, isMaximized(), width(), m_form);
    if (m_dragging && m_dragToMove && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
    }
}

void MainWindow::mouseReleaseEvent(QMouseEvent*) {
    m_dragging = false;
}

}  // namespace velquist
