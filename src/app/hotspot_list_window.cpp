// The hotspot list window: a table view over HotspotListModel.
#include "app/hotspot_list_window.h"

#include <algorithm>
#include <array>

#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QScreen>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "editor/hotspot_editor.h"

namespace velquist {
namespace {

constexpr int kWidth = 640;
constexpr int kMinWidth = 420;
constexpr int kRowHeight = 22;
// The numbers' columns; tip, link and notes share the rest of the width.
constexpr std::array<int, 5> kNumberWidths = {40, 52, 52, 46, 46};

}  // namespace

HotspotListWindow::HotspotListWindow(const HotspotEditor& editor,
                                     HotspotListModel::EditHandler onEdit, QWidget* owner)
    : QWidget(owner, Qt::Window), m_editor(editor) {
    setObjectName("热区列表");
    setWindowTitle("热区列表");
    setAttribute(Qt::WA_DeleteOnClose);
    m_model = new HotspotListModel(editor, std::move(onEdit), this);
    m_table = new QTableView(this);
    m_table->setObjectName("表格_热区");
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->verticalHeader()->hide();
    // Fixed row heights and column widths: the view never measures thousands of rows.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    for (size_t c = 0; c < kNumberWidths.size(); ++c) {
        m_table->setColumnWidth(static_cast<int>(c), kNumberWidths[c]);
    }
    for (const HotspotColumn c : {HotspotColumn::Tip, HotspotColumn::Link, HotspotColumn::Note}) {
        m_table->horizontalHeader()->setSectionResizeMode(static_cast<int>(c),
                                                          QHeaderView::Stretch);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    resize(kWidth, 480);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HotspotListWindow::rowsChosen);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up), this), &QShortcut::activated, this,
            [this] { emit moveRequested(true); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down), this), &QShortcut::activated, this,
            [this] { emit moveRequested(false); });
    selectRowsOfMap();
}

void HotspotListWindow::follow() {
    m_following = true;
    m_model->follow();
    m_following = false;
    selectRowsOfMap();
}

// To the right of the main window, narrowed to the room there; on its left when only that side
// has room; over its right edge when neither has.
void HotspotListWindow::placeBeside(const QWidget* main) {
    const QRect frame = main->frameGeometry();
    const QScreen* screen =
        main->screen() != nullptr ? main->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen->availableGeometry();
    const int margins = frameGeometry().width() - width();
    const int right = room.right() - frame.right() - margins;
    const int left = frame.left() - room.left() - margins;
    const int height = std::min(frame.height(), room.height());
    if (right >= kMinWidth || left < kMinWidth) {
        resize(std::clamp(right, kMinWidth, kWidth), height);
        move(std::min(frame.right() + 1, room.right() + 1 - frameGeometry().width()),
             std::max(frame.top(), room.top()));
        return;
    }
    resize(std::min(left, kWidth), height);
    move(frame.left() - frameGeometry().width(), std::max(frame.top(), room.top()));
}

// Rows in runs, so that selecting thousands costs a few ranges; left alone when the rows are
// already the map's, so that the user's own current row and anchor stay.
void HotspotListWindow::selectRowsOfMap() {
    const EditedMap& map = m_editor.map();
    std::vector<int> wanted;
    wanted.reserve(map.selectedIds().size());
    for (const int32_t id : map.selectedIds()) {
        wanted.push_back(static_cast<int>(*map.indexOf(id)));
    }
    std::vector<int> shown;
    for (const QModelIndex& row : m_table->selectionModel()->selectedRows()) {
        shown.push_back(row.row());
    }
    std::sort(shown.begin(), shown.end());
    if (shown == wanted) {
        return;
    }
    QItemSelection rows;
    for (size_t i = 0; i < wanted.size();) {
        size_t end = i + 1;
        while (end < wanted.size() && wanted[end] == wanted[end - 1] + 1) {
            ++end;
        }
        rows.select(m_model->index(wanted[i], 0),
                    m_model->index(wanted[end - 1], kHotspotColumnCount - 1));
        i = end;
    }
    m_following = true;
    m_table->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    if (!wanted.empty() && !std::binary_search(wanted.begin(), wanted.end(), current.row())) {
        const QModelIndex first = m_model->index(wanted.front(), std::max(current.column(), 0));
        m_table->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        m_table->scrollTo(first);
    }
    m_following = false;
}

void HotspotListWindow::rowsChosen() {
    if (m_following) {
        return;
    }
    std::vector<int32_t> ids;
    for (const QModelIndex& row : m_table->selectionModel()->selectedRows()) {
        ids.push_back(m_model->idAt(row.row()));
    }
    std::sort(ids.begin(), ids.end());
    emit rowsSelected(ids);
}

}  // namespace velquist
