// The main window: toolbar, title buttons, canvas with resize handles, status line, menus, tray.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window_layout.h"
#include "app/tray_icon.h"
#include "app/window_frame.h"
#include "platform/process_launcher.h"
#include "session/map_session.h"
#include "settings/update_handover.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QUrl;

namespace Ui {
class MainWindowForm;
}

namespace velquist {

struct AppState;
class BackgroundLoader;
class CanvasView;
class CodeOutputWindow;
class GridWindow;
class ControlLabel;
struct PointerInput;
class ContentWindow;
class HotspotListWindow;
class ImageButton;
class PictureAddressWindow;
class PictureAnalyser;
class ReplaceAddressesWindow;
class SliceExportWindow;
class SettingsWindow;

// Opens an address in the user's web browser.
void openUrlInBrowser(const QUrl& address);

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(AppState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    void layoutMainWindow(int width, int height);
    void toggleMaximize();
    // Hides the window behind a notification-area icon; minimizes where there is no such area.
    void hideToTray();
    // A click on the notification-area icon.
    void trayActivated(TrayClick kind);
    // "退出": ends the program with exit code 0.
    void endProgram();
    // Shows what the editor now holds: status line, handles, enabled buttons, changed pixels.
    void refresh();

    bool dragToMove() const { return m_dragToMove; }
    QMenu* hotspotMenu() const { return m_hotspotMenu; }
    QMenu* dropDownMenu() const { return m_dropDownMenu; }
    QSystemTrayIcon* trayIcon() const { return m_tray; }
    BackgroundLoader* loader() const { return m_loader; }

    // "背景设置": the picture-address window (raised when already open).
    void openPictureAddressWindow();
    // "添加图片": the picture-address window for a picture below the page's last one.
    void openAddPictureWindow();
    // "内容": the hotspot-content window for the current hotspot (an open one is retargeted and
    // raised); with no hotspot selected the status line says why nothing opens.
    void openContentWindow();
    // "生成代码": the code-output window (raised when already open) filled with fresh code; the
    // status line points out links still "#", hotspots off the picture and the like.
    void openCodeOutputWindow();
    // Loads the picture at `address` (a web address or a file) as a confirmed address does;
    // the status line tells how it went, also when the address is refused.
    // With `keepHotspots` the picture goes under the map's hotspots instead of replacing the map.
    void startLoad(const std::string& address, bool keepHotspots = false);
    // A start argument, or what a later start handed over: the window comes forward (out of the
    // notification area too) and opens it, a map file as a map, anything else as a picture.
    void openArgument(const std::string& address);
    // Esc or the picture-address window's "取消": the load under way stops, the map stays.
    void cancelLoad();
    // Esc, one handler for every use of the key, the first that applies: proposed hotspots are
    // dismissed, else a running load is cancelled, else a selection of several is cleared.
    void escapePressed();

    // --- the map kept: autosave, map files, imported code (the rules are MapSession's) ---
    // At start: the map of the last session, when its autosave holds hotspots, as one undo
    // step; its picture is fetched without touching the hotspots. A damaged autosave is set
    // aside and said so.
    void restoreAutosave();
    // Writes the autosave now when the map changed since the last write.
    void autosaveNow();
    // "保存热区文件…" (Ctrl+Shift+S) / "打开热区文件…" (Ctrl+O): the map to or from a file the
    // user picks.
    void saveMapFileAs();
    void openMapFile();
    // Ctrl+S: the map to the file it was opened from or last saved to; asks like "保存热区文件…"
    // when there is none (after a restore, an import or an entry of "最近的热区").
    void saveMap();
    // What a drop on the canvas carries: a picture is loaded, a map file opened, anything else
    // refused with the reason in the status line.
    void dropReceived(const std::vector<std::string>& items);
    QMenu* recentMapsMenu() const { return m_recentMenu; }
    // "从代码导入热区…": image-map code from the clipboard when it holds some, else from a file.
    void importCode();
    // Tests put a stand-in here for the file dialogs.
    using MapDialog = velquist::MapDialog;
    using MapFileDialog = std::function<std::optional<std::string>(MapDialog kind)>;
    void setMapFileDialog(MapFileDialog dialog) { m_mapFileDialog = std::move(dialog); }

    // "建议热区" (G): the picture's proposed hotspots, found on a worker, drawn over the canvas;
    // a click takes one, Enter all of them, Esc none.
    void proposeHotspots();
    PictureAnalyser* analyser() const { return m_analyser; }

    // "热区列表" (F2): the hotspots in map order beside the main window (raised when open).
    void openHotspotList();
    HotspotListWindow* hotspotList() const;
    // Ctrl+C / Ctrl+X / Ctrl+V: the selected hotspots to the clipboard as image-map code, and
    // <area> code from it back as hotspots.
    void copyHotspots();
    void cutHotspots();
    void pasteHotspots();

    // "切片导出…": the export window for the picture, its cut lines on the canvas while it is
    // open; without a picture the status line says why and nothing opens.
    void openSliceExportWindow();
    SliceExportWindow* sliceExportWindow() const;
    // "替换图片地址…": uploaded addresses pasted in place of the page's; without a picture the
    // status line says why and nothing opens.
    void openReplaceAddressesWindow();

    // Drop-down menu "设置": the settings window, with no owner (raised when already open).
    void openSettingsWindow();
    // "官网": the maker's home page in the browser; nothing is reported.
    void openHomePage();
    // "更新": hands over to the online updater and shows the outcome in the status line, and
    // the updater's own outcome (its last line) once it ends.
    void startUpdate();
    // Tests put stand-ins here so that no browser and no updater starts.
    using UrlOpener = std::function<void(const QUrl&)>;
    void setUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }
    void setProcessLauncher(std::unique_ptr<ProcessLauncher> launcher) {
        m_launcher = std::move(launcher);
    }
    // Whether the desktop has a notification area (test screens have none).
    void setTrayAvailable(std::function<bool()> available) {
        m_trayAvailable = std::move(available);
    }

signals:
    // A secondary window was opened; the program lives until every window is gone.
    void windowOpened(QWidget* window);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Enter: every proposed hotspot becomes a hotspot.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openAddressWindow(bool adding);
    void buildMenus();
    // "对齐" and "重复为网格…" of the hotspot menu (main_window_arrange.cpp).
    void buildArrangeMenu();
    void openGridWindow();
    // The grid window's copies outlined on the canvas while it is open.
    void showGridPreview();
    // The double-click that adds a cut line (main_window_slices.cpp).
    void wireSlicing();
    void buildDropDownMenu();
    // Lists the store's entries in "最近的热区" (greyed out while there are none).
    void fillRecentMapsMenu();
    void wireFileKeys();
    void wireEvents();
    void wireCanvas();
    void wireHandles();
    void wireKeys();
    void wireEditingKeys();
    // The clipboard's keys, and undo and redo, on `window` (the main one or the list).
    void wireClipboardKeys(QWidget* window);
    void onPointerPressed(const PointerInput& input);
    // Applies the session's answer: the loader cancelled or started, the editor shown, a file
    // dialog asked.
    void apply(const SessionUpdate& update);
    // Shows the file dialog `kind` and hands the answer to the session.
    void askForMapFile(MapDialog kind);
    // Shows the outcome of each updater that has ended; stops polling when none runs.
    void pollUpdaters();
    // Runs an editor operation, then shows what changed.
    void edit(const std::function<Said(HotspotEditor&)>& operation);
    // Brings the open window in `slot` forward, or makes, announces and shows a new one. A window
    // closed just now may still await deletion: it counts as closed.
    template <typename Window, typename Make>
    Window* showSingle(QPointer<Window>& slot, Make&& make) {
        if (slot && slot->isVisible()) {
            bringToFront(slot);
            return slot;
        }
        slot = make();
        emit windowOpened(slot);
        slot->show();
        return slot;
    }
    QLabel* handle(int edge) const;

    std::unique_ptr<Ui::MainWindowForm> m_ui;
    MainWindowLayout m_form;  // where the form puts the controls at its own size
    AppState& m_state;
    MapSession m_session;
    CanvasView* m_canvas = nullptr;
    ControlLabel* m_status = nullptr;
    QMenu* m_hotspotMenu = nullptr;
    QMenu* m_dropDownMenu = nullptr;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_arrangeMenu = nullptr;
    QAction* m_gridItem = nullptr;
    QPointer<GridWindow> m_gridWindow;
    QPointer<SliceExportWindow> m_sliceWindow;
    QPointer<ReplaceAddressesWindow> m_replaceAddressesWindow;
    QSystemTrayIcon* m_tray = nullptr;
    BackgroundLoader* m_loader = nullptr;
    PictureAnalyser* m_analyser = nullptr;
    QPointer<PictureAddressWindow> m_addressWindow;
    QPointer<ContentWindow> m_contentWindow;
    QPointer<CodeOutputWindow> m_codeWindow;
    QPointer<SettingsWindow> m_settingsWindow;
    QPointer<HotspotListWindow> m_listWindow;
    UrlOpener m_openUrl = openUrlInBrowser;
    std::unique_ptr<ProcessLauncher> m_launcher = std::make_unique<SystemProcessLauncher>();
    std::vector<UpdaterWatch> m_updaters;  // updaters started and still running
    QTimer* m_updaterPoll = nullptr;
    std::function<bool()> m_trayAvailable = &QSystemTrayIcon::isSystemTrayAvailable;
    MapFileDialog m_mapFileDialog;
    QTimer* m_autosaveTimer = nullptr;
    bool m_maximized = false;
    bool m_dragToMove = true;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

}  // namespace velquist
