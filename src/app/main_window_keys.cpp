// The main window's keys: Esc, undo and redo, the editing keys, the proposals' and snapping's
// keys and Ctrl+S.
#include <QKeyEvent>
#include <QShortcut>
#include <functional>
#include <utility>

#include "app/app_state.h"
#include "app/main_window.h"

namespace velquist {

void MainWindow::wireKeys() {
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &MainWindow::escapePressed);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this), &QShortcut::activated, this,
            [this] { edit([](HotspotEditor& e) { return e.undo(); }); });
    for (const QKeySequence& redo :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
        connect(new QShortcut(redo, this), &QShortcut::activated, this,
                [this] { apply(m_session.redo()); });
    }
}

void MainWindow::wireEditingKeys() {
    using Action = std::function<Said(HotspotEditor&)>;
    constexpr int kSmall = 1;
    constexpr int kLarge = 10;
    const std::pair<QKeySequence, Action> keys[] = {
        {QKeySequence(Qt::Key_Delete),
         [](HotspotEditor& e) {
             if (e.map().isHotspot(e.map().selection())) {
                 return e.deleteSelectedHotspot();
             }
             return Said();
         }},
        {QKeySequence(Qt::Key_Left), [](HotspotEditor& e) { return e.nudgeSelected(-kSmall, 0); }},
        {QKeySequence(Qt::Key_Right), [](HotspotEditor& e) { return e.nudgeSelected(kSmall, 0); }},
        {QKeySequence(Qt::Key_Up), [](HotspotEditor& e) { return e.nudgeSelected(0, -kSmall); }},
        {QKeySequence(Qt::Key_Down), [](HotspotEditor& e) { return e.nudgeSelected(0, kSmall); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_Left),
         [](HotspotEditor& e) { return e.nudgeSelected(-kLarge, 0); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_Right),
         [](HotspotEditor& e) { return e.nudgeSelected(kLarge, 0); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_Up),
         [](HotspotEditor& e) { return e.nudgeSelected(0, -kLarge); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_Down),
         [](HotspotEditor& e) { return e.nudgeSelected(0, kLarge); }},
        {QKeySequence(Qt::CTRL | Qt::Key_D),
         [](HotspotEditor& e) { return e.duplicateSelected(); }},
        {QKeySequence(Qt::Key_S), [](HotspotEditor& e) { return e.toggleSnapping(); }},
        {QKeySequence(Qt::CTRL | Qt::Key_A), [](HotspotEditor& e) { return e.selectAll(); }},
        // Shortcuts come before the focus chain, so Tab never moves the keyboard focus here.
        {QKeySequence(Qt::Key_Tab), [](HotspotEditor& e) { return e.selectNextHotspot(); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_Tab),
         [](HotspotEditor& e) { return e.selectNextHotspot(true); }},
        {QKeySequence(Qt::SHIFT | Qt::Key_Backtab),
         [](HotspotEditor& e) { return e.selectNextHotspot(true); }}};
    for (const auto& [key, action] : keys) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(true);
        connect(shortcut, &QShortcut::activated, this, [this, action] { edit(action); });
    }
}

// Enter is no shortcut: a shortcut would take it from the picture-address window's box too.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        edit([](HotspotEditor& e) { return e.acceptAllProposals(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::wireFileKeys() {
    // Ctrl+Shift+S and Ctrl+O belong to their menu items.
    auto* save = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(save, &QShortcut::activated, this, &MainWindow::saveMap);
}

}  // namespace velquist
