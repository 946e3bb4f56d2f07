// The "切片导出…" window: where and how the slices of the picture are written. While it is open
// the cut lines show on the canvas; its height limit proposes them afresh.
#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "app/secondary_window.h"
#include "core/status.h"
#include "slicing/slice_export.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QThread;

namespace velquist {

class HotspotEditor;
class MainStatusLine;

class SliceExportWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // `folder` and `baseName` are what the boxes start with.
    SliceExportWindow(HotspotEditor& editor, MainStatusLine& statusLine, const QString& folder,
                      const QString& baseName);
    ~SliceExportWindow() override;

    bool exporting() const { return m_worker != nullptr; }
    // Tests put a stand-in here for the folder dialog.
    using FolderDialog = std::function<QString(QWidget* parent, const QString& start)>;
    void setFolderDialog(FolderDialog dialog) { m_folderDialog = std::move(dialog); }

signals:
    // The editor, the status line or the cut lines changed.
    void editorChanged();

protected:
    // While slices are written the window stays: closing asks the export to stop and closes
    // once it has.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildForm(const QString& folder, const QString& baseName);
    void proposeCuts();
    void confirm();
    void say(const std::string& text);
    // The page's code beside the slices, naming them as they lie in that folder; what to add to
    // the status line about it.
    std::string writePageCode(const SliceExport& plan, const std::vector<ExportedSlice>& slices);
    void finish(const Result<std::vector<ExportedSlice>>& result, const SliceExport& plan,
                const std::shared_ptr<const Picture>& picture);

    HotspotEditor& m_editor;
    MainStatusLine& m_statusLine;
    QLineEdit* m_folder = nullptr;
    QPushButton* m_browse = nullptr;
    QLineEdit* m_baseName = nullptr;
    QComboBox* m_format = nullptr;
    QSpinBox* m_height = nullptr;
    QSpinBox* m_budget = nullptr;  // KB
    QLabel* m_message = nullptr;
    QPushButton* m_confirm = nullptr;
    FolderDialog m_folderDialog;
    QThread* m_worker = nullptr;
    std::shared_ptr<std::atomic<bool>> m_stop = std::make_shared<std::atomic<bool>>(false);
    bool m_closeWhenDone = false;
};

}  // namespace velquist
