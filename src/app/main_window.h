// The main window: toolbar, title buttons, canvas with resize handles, status line, menus, tray.
#pragma once

#include <QPoint>
#include <QWidget>

class QLabel;
class QMenu;
class QSystemTrayIcon;

namespace velquist {

struct AppState;
class CanvasView;
class ImageButton;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(AppState& state, QWidget* parent = nullptr);

    void layoutMainWindow(int height, int width);
    void toggleMaximize();
    // Hides the window behind a notification-area icon; minimizes where there is no such area.
    void hideToTray();
    // Notification-area icon: 1 left click, 2 double click, 3 context click.
    void trayActivated(int kind);
    // "退出": releases the process-wide state and ends the program with exit code 0.
    void endProgram();
    // Shows what the editor now holds: status line, handles, enabled buttons, changed pixels.
    void refresh();

    bool dragToMove() const { return m_dragToMove; }
    QMenu* hotspotMenu() const { return m_hotspotMenu; }
    QMenu* dropDownMenu() const { return m_dropDownMenu; }
    QSystemTrayIcon* trayIcon() const { return m_tray; }
    CanvasView* canvasView() const { return m_canvas; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildMenus();
    void wireEvents();
    void wireCanvas();
    void onObjectRightPressed(int id);
    ImageButton* button(std::string_view name) const;
    QLabel* handle(int edge) const;

    AppState& m_state;
    CanvasView* m_canvas = nullptr;
    QLabel* m_status = nullptr;
    QMenu* m_hotspotMenu = nullptr;
    QMenu* m_dropDownMenu = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    bool m_dragToMove = true;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

}  // namespace velquist
