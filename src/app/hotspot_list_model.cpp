// The hotspot list's model: every cell read from the editor's map when the view asks.
#include "app/hotspot_list_model.h"

#include "app/image_map_input.h"
#include "app/qt_text.h"
#include "codegen/area_notes.h"
#include "editor/hotspot_editor.h"

namespace velquist {
namespace {

HotspotColumn columnOf(const QModelIndex& index) {
    return static_cast<HotspotColumn>(index.column());
}

bool isNumberColumn(HotspotColumn c) {
    return c != HotspotColumn::Tip && c != HotspotColumn::Link && c != HotspotColumn::Note;
}

std::vector<int32_t> idsOf(const HotspotEditor& editor) {
    std::vector<int32_t> ids;
    ids.reserve(editor.map().hotspots().size());
    for (const Hotspot& h : editor.map().hotspots()) {
        ids.push_back(h.id);
    }
    return ids;
}

}  // namespace

HotspotListModel::HotspotListModel(const HotspotEditor& editor, EditHandler onEdit, QObject* parent)
    : QAbstractTableModel(parent),
      m_editor(editor),
      m_onEdit(std::move(onEdit)),
      m_ids(idsOf(editor)),
      m_shownChange(editor.changeCount()) {}

int HotspotListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_ids.size());
}

int HotspotListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kHotspotColumnCount;
}

int32_t HotspotListModel::idAt(int row) const {
    return row >= 0 && row < rowCount() ? m_ids[static_cast<size_t>(row)] : 0;
}

const std::string& HotspotListModel::noteAt(int row) const {
    if (m_notesChange != m_editor.changeCount()) {
        m_notes = areaNotes(imageMapInputOf(m_editor));
        m_notesChange = m_editor.changeCount();
    }
    return m_notes[static_cast<size_t>(row)];
}

QVariant HotspotListModel::data(const QModelIndex& index, int role) const {
    const HotspotColumn column = columnOf(index);
    if (role == Qt::TextAlignmentRole) {
        return isNumberColumn(column) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    }
    if ((role != Qt::DisplayRole && role != Qt::EditRole) || !index.isValid()) {
        return {};
    }
    // Rows are the map's rows: the table is only behind between a change and follow().
    const std::vector<Hotspot>& all = m_editor.map().hotspots();
    if (index.row() >= static_cast<int>(all.size())) {
        return {};
    }
    const Hotspot& h = all[static_cast<size_t>(index.row())];
    switch (column) {
        case HotspotColumn::Number:
            return index.row() + 1;
        case HotspotColumn::Tip:
            return toQString(h.tip);
        case HotspotColumn::Link:
            return toQString(h.link);
        case HotspotColumn::Note:
            return toQString(noteAt(index.row()));
        default:
            return static_cast<qlonglong>(
                columnNumber(column, h.rect, m_editor.map().background().position));
    }
}

QVariant HotspotListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kHotspotColumnCount) {
        return {};
    }
    return toQString(kHotspotColumnCaptions[static_cast<size_t>(section)]);
}

Qt::ItemFlags HotspotListModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    const HotspotColumn column = columnOf(index);
    const bool editable = column != HotspotColumn::Number && column != HotspotColumn::Note;
    return editable ? base | Qt::ItemIsEditable : base;
}

bool HotspotListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid()) {
        return false;
    }
    return m_onEdit(idAt(index.row()), columnOf(index), value.toString().toStdString());
}

void HotspotListModel::follow() {
    if (m_shownChange == m_editor.changeCount()) {
        return;
    }
    m_shownChange = m_editor.changeCount();
    std::vector<int32_t> ids = idsOf(m_editor);
    if (ids != m_ids) {
        beginResetModel();
        m_ids = std::move(ids);
        endResetModel();
        return;
    }
    if (!m_ids.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, kHotspotColumnCount - 1));
    }
}

}  // namespace velquist
