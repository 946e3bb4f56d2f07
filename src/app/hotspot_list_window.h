// "热区列表": the hotspots in map order, edited in place, selected together with the canvas.
#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "app/hotspot_list_model.h"

class QTableView;

namespace velquist {

class HotspotEditor;

class HotspotListWindow : public QWidget {
    Q_OBJECT
public:
    // A window of its own; with `owner` it goes when the owner goes.
    HotspotListWindow(const HotspotEditor& editor, HotspotListModel::EditHandler onEdit,
                      QWidget* owner = nullptr);

    // After every change in the main window: the table and its selected rows follow the map.
    void follow();
    // Beside `main`, on its right, as far as the screen allows.
    void placeBeside(const QWidget* main);
    QTableView* table() const { return m_table; }
    HotspotListModel* model() const { return m_model; }

signals:
    // The user selected rows: their hotspots, in map order.
    void rowsSelected(const std::vector<int32_t>& ids);
    // Ctrl+Up / Ctrl+Down.
    void moveRequested(bool up);

private:
    void selectRowsOfMap();
    void rowsChosen();

    const HotspotEditor& m_editor;
    HotspotListModel* m_model = nullptr;
    QTableView* m_table = nullptr;
    bool m_following = false;  // the selection is being set from the map, not by the user
};

}  // namespace velquist
