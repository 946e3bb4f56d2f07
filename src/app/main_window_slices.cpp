// The drop-down menu's "切片导出…" and "替换图片地址…", and the double-click that adds a cut line.
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include "app/app_state.h"
#include "app/canvas_view.h"
#include "app/main_window.h"
#include "app/replace_addresses_window.h"
#include "app/slice_export_window.h"
#include "app/window_frame.h"
#include "core/page_picture.h"
#include "slicing/cut_proposal.h"
#include "slicing/messages.h"

namespace velquist {
namespace {

struct SliceDefaults {
    QString folder;
    QString baseName;
};

// Beside the picture when it is a file here, else in the documents folder; named after the
// picture (the first of a stacked page).
SliceDefaults sliceDefaults(const std::string& address) {
    const std::vector<std::string> lines = pageAddresses(address);
    const QString first = QString::fromStdString(lines.empty() ? "" : lines.front()).trimmed();
    SliceDefaults d{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                    QFileInfo(QUrl(first).fileName()).completeBaseName()};
    const QFileInfo file(first);
    if (!first.isEmpty() && file.isFile()) {
        d.folder = file.absolutePath();
        d.baseName = file.completeBaseName();
    }
    if (d.baseName.isEmpty()) {
        d.baseName = QString::fromUtf8(slicing_messages::kDefaultSliceName);
    }
    return d;
}

}  // namespace

void MainWindow::wireSlicing() {
    connect(m_canvas, &CanvasView::pointerDoubleClicked, this, [this](const PointerInput& input) {
        edit([&](HotspotEditor& e) { return e.doubleClick(input); });
    });
}

SliceExportWindow* MainWindow::sliceExportWindow() const {
    return m_sliceWindow;
}

void MainWindow::openSliceExportWindow() {
    if (!m_state.editor.map().background().picture) {
        edit([](HotspotEditor& e) { return e.showCutLines(kDefaultSliceHeight); });
        return;
    }
    showSingle(m_sliceWindow, [this] {
        const SliceDefaults d = sliceDefaults(m_state.editor.map().background().address);
        auto* window =
            new SliceExportWindow(m_state.editor, m_state.statusLine, d.folder, d.baseName);
        connect(window, &SliceExportWindow::editorChanged, this, &MainWindow::refresh);
        moveBeside(window, this);  // never over the canvas, where the lines are
        return window;
    });
    refresh();
}

void MainWindow::openReplaceAddressesWindow() {
    if (!m_state.editor.map().background().picture) {
        edit([](HotspotEditor& e) { return e.replacePageAddresses(""); });
        return;
    }
    showSingle(m_replaceAddressesWindow, [this] {
        auto* window = new ReplaceAddressesWindow(m_state.editor, m_state.statusLine);
        connect(window, &ReplaceAddressesWindow::editorChanged, this, &MainWindow::refresh);
        moveBeside(window, this);
        return window;
    });
}

}  // namespace velquist
