// The hotspot list's table: a model over the editor's map, told after every change.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editor/hotspot_fields.h"

namespace velquist {

class HotspotEditor;

class HotspotListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A typed cell goes to the editor through `onEdit`, which answers whether it was stored.
    using EditHandler = std::function<bool(int32_t id, HotspotColumn column, const std::string&)>;
    HotspotListModel(const HotspotEditor& editor, EditHandler onEdit, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The map changed (or may have): a new set of hotspots resets the table, anything else
    // repaints the cells.
    void follow();
    int32_t idAt(int row) const;

private:
    const std::string& noteAt(int row) const;

    const HotspotEditor& m_editor;
    EditHandler m_onEdit;
    std::vector<int32_t> m_ids;  // the rows' hotspots as the table last showed them
    uint64_t m_shownChange = 0;
    // "提醒" is worked out once per change of the map, when a cell first asks for it.
    mutable std::vector<std::string> m_notes;
    mutable uint64_t m_notesChange = UINT64_MAX;
};

}  // namespace velquist
