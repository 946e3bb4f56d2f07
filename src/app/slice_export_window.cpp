// "切片导出…" window: its boxes, the cut lines they propose, and the export on a worker.
#include "app/slice_export_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>

#include "app/image_map_input.h"
#include "app/qt_text.h"
#include "codegen/code_files.h"
#include "codegen/image_map.h"
#include "core/page_picture.h"
#include "core/program_dir.h"
#include "core/template_fill.h"
#include "editor/hotspot_editor.h"
#include "session/main_status_line.h"
#include "slicing/cut_proposal.h"
#include "slicing/messages.h"
#include "slicing/slice_encoding.h"

namespace velquist {

SliceExportWindow::SliceExportWindow(HotspotEditor& editor, MainStatusLine& statusLine,
                                     const QString& folder, const QString& baseName)
    : m_editor(editor), m_statusLine(statusLine) {
    setObjectName("切片导出窗口");
    m_folderDialog = [](QWidget* parent, const QString& start) {
        return QFileDialog::getExistingDirectory(parent, QString(), start);
    };
    buildForm(folder, baseName);
    connect(m_height, &QSpinBox::valueChanged, this, &SliceExportWindow::proposeCuts);
    connect(m_format, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_budget->setEnabled(index == 0); });
    connect(m_browse, &QAbstractButton::clicked, this, [this] {
        const QString chosen = m_folderDialog(this, m_folder->text());
        if (!chosen.isEmpty()) {
            m_folder->setText(chosen);
        }
    });
    connect(m_confirm, &QAbstractButton::clicked, this, &SliceExportWindow::confirm);
    proposeCuts();
}

SliceExportWindow::~SliceExportWindow() {
    if (m_worker != nullptr) {
        *m_stop = true;
        m_worker->wait();  // it reads the picture and reports to this window
    }
}

void SliceExportWindow::buildForm(const QString& folder, const QString& baseName) {
    m_folder = new QLineEdit(folder, this);
    m_folder->setObjectName("文件夹");
    m_browse = new QPushButton(QString::fromUtf8("浏览…"), this);
    m_browse->setObjectName("浏览");
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(m_browse);
    m_baseName = new QLineEdit(baseName, this);
    m_baseName->setObjectName("文件名");
    m_format = new QComboBox(this);
    m_format->setObjectName("格式");
    m_format->addItems({"JPEG", "PNG"});
    m_height = new QSpinBox(this);
    m_height->setObjectName("切片高度");
    m_height->setRange(kMinSliceHeight, kMaxSliceHeight);
    m_height->setValue(kDefaultSliceHeight);
    m_height->setSuffix(" px");
    m_budget = new QSpinBox(this);
    m_budget->setObjectName("每片大小");
    m_budget->setRange(20, 10240);
    m_budget->setValue(static_cast<int>(kDefaultSliceBudget / 1024));
    m_budget->setSuffix(" KB");

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("文件夹"), folderRow);
    form->addRow(QString::fromUtf8("文件名"), m_baseName);
    form->addRow(QString::fromUtf8("格式"), m_format);
    form->addRow(QString::fromUtf8("切片最大高度"), m_height);
    form->addRow(QString::fromUtf8("JPEG 每片不超过"), m_budget);

    const CodeBuiltParts parts = layOutInCode(QString::fromUtf8("切片导出"), false, form, 0);
    m_message = parts.message;
    m_confirm = parts.confirm;
    setMinimumWidth(420);
}

void SliceExportWindow::proposeCuts() {
    say(m_editor.showCutLines(m_height->value()).value_or(""));
}

void SliceExportWindow::say(const std::string& text) {
    m_message->setText(toQString(text));
    m_statusLine.show(Said(text));
    emit editorChanged();
}

void SliceExportWindow::confirm() {
    if (exporting()) {
        return;
    }
    std::shared_ptr<const Picture> picture = m_editor.slicedPicture();
    if (picture == nullptr) {
        proposeCuts();  // the picture changed under the window: the lines follow the new one
        return;
    }
    SliceExport plan;
    plan.folder = m_folder->text().trimmed().toStdString();
    plan.baseName = m_baseName->text().trimmed().toStdString();
    plan.format = m_format->currentIndex() == 0 ? SliceFormat::Jpeg : SliceFormat::Png;
    plan.jpegBudget = static_cast<size_t>(m_budget->value()) * 1024;
    plan.cuts = m_editor.cuts();
    if (plan.folder.empty() || plan.baseName.empty()) {
        say(plan.folder.empty() ? slicing_messages::kSliceNoFolder
                                : slicing_messages::kSliceNoName);
        return;
    }
    for (QWidget* box : std::initializer_list<QWidget*>{m_folder, m_browse, m_baseName, m_format,
                                                        m_height, m_budget, m_confirm}) {
        box->setEnabled(false);
    }
    say(HotspotEditor::sliceProgress(0, plan.cuts.size() + 1).value_or(""));
    *m_stop = false;
    m_worker = QThread::create([this, plan, picture, stop = m_stop] {
        auto progress = [this, stop](size_t done, size_t total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { say(*HotspotEditor::sliceProgress(done, total)); },
                Qt::QueuedConnection);
            return !*stop;
        };
        auto result = std::make_shared<Result<std::vector<ExportedSlice>>>(
            exportSlices(*picture, plan, progress));
        QMetaObject::invokeMethod(
            this, [this, result, plan, picture] { finish(*result, plan, picture); },
            Qt::QueuedConnection);
    });
    m_worker->start();
}

void SliceExportWindow::finish(const Result<std::vector<ExportedSlice>>& result,
                               const SliceExport& plan,
                               const std::shared_ptr<const Picture>& picture) {
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    const uint64_t before = m_editor.changeCount();
    std::string said = m_editor.finishSliceExport(result, plan, picture).value_or("");
    if (m_editor.changeCount() != before) {
        said += writePageCode(plan, *result);
    }
    say(said);
    if (result.ok() || m_closeWhenDone) {
        close();
        return;
    }
    for (QWidget* box : std::initializer_list<QWidget*>{m_folder, m_browse, m_baseName, m_format,
                                                        m_height, m_confirm}) {
        box->setEnabled(true);
    }
    m_budget->setEnabled(m_format->currentIndex() == 0);
}

std::string SliceExportWindow::writePageCode(const SliceExport& plan,
                                             const std::vector<ExportedSlice>& slices) {
    // The map is the page of the slices by now: its pictures take the slices' file names.
    ImageMapInput input = imageMapInputOf(m_editor);
    for (size_t i = 0; i < input.pictures.size() && i < slices.size(); ++i) {
        input.pictures[i].address = slices[i].fileName;
    }
    input.backgroundAddress =
        input.pictures.empty() ? slices.front().fileName : joinedAddresses(input.pictures);
    const std::string path =
        joinPath(plan.folder, withCodeExtension(plan.baseName, CodeFileKind::WebPage));
    const Status saved = saveCodeFile(path, generateImageMap(input));
    return saved ? fillTemplate(slicing_messages::kSliceCodeWritten, {{"{文件}", path}})
                 : fillTemplate(slicing_messages::kSliceCodeNotWritten,
                                {{"{原因}", saved.message()}});
}

void SliceExportWindow::closeEvent(QCloseEvent* event) {
    if (exporting()) {
        *m_stop = true;
        m_closeWhenDone = true;
        event->ignore();
        return;
    }
    m_editor.hideCutLines();
    SecondaryWindow::closeEvent(event);
    emit editorChanged();
}

void SliceExportWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        confirm();
    } else {
        SecondaryWindow::keyPressEvent(event);
    }
}

}  // namespace velquist
