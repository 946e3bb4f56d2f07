// The main window's hotspot list and clipboard: copy, cut and paste of hotspots as image-map code.
#include <QClipboard>
#include <QGuiApplication>
#include <QShortcut>

#include "app/app_state.h"
#include "app/hotspot_list_window.h"
#include "app/image_map_input.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "codegen/image_map.h"

namespace velquist {

HotspotListWindow* MainWindow::hotspotList() const {
    return m_listWindow;
}

void MainWindow::openHotspotList() {
    showSingle(m_listWindow, [this] {
        auto* window = new HotspotListWindow(
            m_state.editor,
            [this](int32_t id, HotspotColumn column, const std::string& text) {
                bool stored = false;
                edit([&](HotspotEditor& e) {
                    FieldEdit result = e.editField(id, column, text);
                    stored = result.stored;
                    return result.said;
                });
                return stored;
            },
            this);
        connect(window, &HotspotListWindow::rowsSelected, this,
                [this](const std::vector<int32_t>& ids) {
                    edit([&ids](HotspotEditor& e) { return e.selectHotspots(ids); });
                });
        connect(window, &HotspotListWindow::moveRequested, this, [this](bool up) {
            edit([up](HotspotEditor& e) { return e.moveSelectedInOrder(up); });
        });
        wireClipboardKeys(window);
        window->placeBeside(this);
        return window;
    });
}

void MainWindow::wireClipboardKeys(QWidget* window) {
    const std::pair<QKeySequence, void (MainWindow::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_C), &MainWindow::copyHotspots},
        {QKeySequence(Qt::CTRL | Qt::Key_X), &MainWindow::cutHotspots},
        {QKeySequence(Qt::CTRL | Qt::Key_V), &MainWindow::pasteHotspots}};
    for (const auto& [key, action] : keys) {
        connect(new QShortcut(key, window), &QShortcut::activated, this, action);
    }
    if (window == this) {
        return;  // the main window has its own undo and redo keys
    }
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), window), &QShortcut::activated, this,
            [this] { edit([](HotspotEditor& e) { return e.undo(); }); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), window), &QShortcut::activated, this,
            [this] { apply(m_session.redo()); });
}

void MainWindow::copyHotspots() {
    const HotspotEditor& editor = m_state.editor;
    if (!editor.map().selectedIds().empty()) {
        QGuiApplication::clipboard()->setText(toQString(areaMapCode(selectionInputOf(editor))));
    }
    m_state.statusLine.show(editor.copySelection());
    refresh();
}

void MainWindow::cutHotspots() {
    const HotspotEditor& editor = m_state.editor;
    if (!editor.map().selectedIds().empty()) {
        QGuiApplication::clipboard()->setText(toQString(areaMapCode(selectionInputOf(editor))));
    }
    edit([](HotspotEditor& e) { return e.cutSelection(); });
}

void MainWindow::pasteHotspots() {
    const std::string code = QGuiApplication::clipboard()->text().toStdString();
    edit([&code](HotspotEditor& e) { return e.pasteCode(code); });
}

}  // namespace velquist
