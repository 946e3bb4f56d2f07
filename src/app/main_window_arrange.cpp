// The hotspot menu's items for several hotspots: "对齐" for a selection of two or more, and
// "重复为网格…" for one hotspot with its window and preview.
#include <QAction>
#include <QMenu>

#include "app/app_state.h"
#include "app/canvas_view.h"
#include "app/grid_window.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/window_frame.h"

namespace velquist {

void MainWindow::buildArrangeMenu() {
    m_arrangeMenu = m_hotspotMenu->addMenu("对齐");
    m_arrangeMenu->setObjectName("对齐");
    for (const Arrangement what : kArrangements) {
        if (what == Arrangement::DistributeHorizontally || what == Arrangement::SameWidth) {
            m_arrangeMenu->addSeparator();
        }
        const QString name = toQString(arrangementName(what));
        QAction* item = m_arrangeMenu->addAction(name);
        item->setObjectName(name);
        // The hotspot right-clicked is the one the others line up with.
        connect(item, &QAction::triggered, this, [this, what] {
            edit([what](HotspotEditor& e) { return e.arrangeSelected(what, e.map().selection()); });
        });
    }
    m_gridItem = m_hotspotMenu->addAction("重复为网格…");
    m_gridItem->setObjectName("重复为网格…");
    connect(m_gridItem, &QAction::triggered, this, &MainWindow::openGridWindow);
    // Only the items that fit what is selected are offered.
    connect(m_hotspotMenu, &QMenu::aboutToShow, this, [this] {
        const size_t selected = m_state.editor.map().selectedIds().size();
        m_arrangeMenu->menuAction()->setVisible(selected >= 2);
        m_gridItem->setVisible(selected == 1);
    });
}

void MainWindow::openGridWindow() {
    const int32_t hotspot = m_state.editor.map().selection();
    if (m_gridWindow && m_gridWindow->isVisible()) {
        m_gridWindow->close();  // a window for another hotspot gives way
    }
    showSingle(m_gridWindow, [this, hotspot] {
        auto* window = new GridWindow(m_state.editor, m_state.statusLine, hotspot);
        connect(window, &GridWindow::editorChanged, this, &MainWindow::refresh);
        // Never over the canvas, where it would hide the copies it previews.
        moveBeside(window, this);
        return window;
    });
    refresh();  // the preview of the values it starts with
}

void MainWindow::showGridPreview() {
    m_canvas->setPreview(m_gridWindow ? m_gridWindow->followEditor() : std::vector<Rect>{});
}

}  // namespace velquist
