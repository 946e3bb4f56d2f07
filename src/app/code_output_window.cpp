// Code-output window: each control hands what it holds to the session and shows the result.
#include "app/code_output_window.h"
#include "app/qt_text.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include "app/control_label.h"
#include "app/image_button.h"
#include "codegen/tabs_widget.h"
#include "ui_code_output_window.h"

namespace velquist {
namespace {

// The file types of the save and open dialogs, the text files' first.
constexpr std::string_view kCodeFileFilter = "文本文件(*.txt)";
constexpr std::string_view kWebPageFilter = "网页文件 (*.html *.htm)";

std::optional<CodeOutputWindow::ChosenFile> showFileDialog(QWidget* parent,
                                                           CodeOutputWindow::DialogMode mode,
                                                           const std::string& offered) {
    const QString webPage = toQString(kWebPageFilter);
    const QString filters = toQString(kCodeFileFilter) + ";;" + webPage;
    QString chosenFilter;
    // Saving replaces an existing file without asking, as the program always has.
    const QString chosen =
        mode == CodeOutputWindow::DialogMode::Save
            ? QFileDialog::getSaveFileName(parent, QString(), toQString(offered), filters,
                                           &chosenFilter, QFileDialog::DontConfirmOverwrite)
            : QFileDialog::getOpenFileName(parent, QString(), toQString(offered), filters);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return CodeOutputWindow::ChosenFile(
        chosen.toStdString(), chosenFilter == webPage ? CodeFileKind::WebPage : CodeFileKind::Text);
}

void openInDefaultProgram(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
}

}  // namespace

CodeOutputWindow::CodeOutputWindow(std::string programDir, InputSource regenerateInput)
    : m_ui(std::make_unique<Ui::CodeOutputWindowForm>()),
      m_session(std::move(programDir)),
      m_regenerateInput(std::move(regenerateInput)),
      m_fileDialog([this](DialogMode mode, const std::string& offered) {
          return showFileDialog(this, mode, offered);
      }),
      m_fileOpener(&openInDefaultProgram) {
    m_ui->setupUi(this);
    frameWith(m_ui->title, true);
    m_ui->source->setFont(interfaceFont(12));
    makeIntegerInput(m_ui->topSpacing);
    makeIntegerInput(m_ui->offset);
    m_statusTimer = new QTimer(this);
    m_statusTimer->setObjectName("时钟1");
    m_statusTimer->setSingleShot(true);
    m_statusTimer->setInterval(kStatusTimerMs);
    connect(m_statusTimer, &QTimer::timeout, this, [this] {
        m_session.statusTimerFired();
        showCaptions();
    });
    wireActions();
    showCaptions();
}

CodeOutputWindow::~CodeOutputWindow() = default;

void CodeOutputWindow::generate(const ImageMapInput& input) {
    apply(m_session.generate(input));
}

void CodeOutputWindow::wireActions() {
    const auto onClick = [this](ImageButton* button, auto&& action) {
        connect(button, &QAbstractButton::clicked, this, action);
    };
    onClick(m_ui->close, [this] { close(); });
    onClick(m_ui->copy, [this] { apply(m_session.copy(sourceText())); });
    onClick(m_ui->save, [this] {
        const std::optional<ChosenFile> chosen = askForFile(DialogMode::Save);
        apply(chosen ? m_session.save(chosen->path, sourceText(), chosen->kind)
                     : m_session.save(std::nullopt, sourceText()));
    });
    onClick(m_ui->open, [this] {
        const std::optional<ChosenFile> chosen = askForFile(DialogMode::Open);
        apply(m_session.open(chosen ? std::optional(chosen->path) : std::nullopt));
    });
    onClick(m_ui->regenerate, [this] { apply(m_session.regenerate(m_regenerateInput())); });
    onClick(m_ui->preview, [this] {
        const bool inTemplate = m_ui->framePreview->isChecked();
        apply(m_session.preview(sourceText(), inTemplate));
    });
    onClick(m_ui->outline, [this] { apply(m_session.toggleClickOutline(sourceText())); });
    auto* edition = m_ui->edition;
    auto* offset = m_ui->offset;
    // Picking an edition, even the one already shown, replaces a typed offset.
    connect(edition, &QComboBox::activated, this, [offset](int index) {
        if (const std::optional<std::string_view> value = editionOffset(index)) {
            offset->setText(toQString(*value));
        }
    });
    onClick(m_ui->convert, [this, edition, offset] {
        const std::string top = m_ui->topSpacing->text().toStdString();
        apply(m_session.convertToTabsWidget(sourceText(), edition->currentIndex(), top,
                                            offset->text().toStdString()));
    });
}

std::optional<CodeOutputWindow::ChosenFile> CodeOutputWindow::askForFile(DialogMode mode) {
    return m_fileDialog(mode, m_session.lastChosenFile());
}

// Every action reads the box here. The raw text keeps no-break spaces that the plain-text view
// would turn into spaces; its paragraph and line separators become CR LF.
std::string CodeOutputWindow::sourceText() const {
    return withCrLf(m_ui->source->document()->toRawText().toStdString());
}

void CodeOutputWindow::apply(const WindowUpdate& update) {
    if (update.source) {
        m_ui->source->setPlainText(toQString(*update.source));
    }
    if (update.clipboard) {
        QGuiApplication::clipboard()->setText(toQString(*update.clipboard));
    }
    if (update.openPath) {
        m_fileOpener(*update.openPath);
    }
    if (update.startStatusTimer) {
        m_statusTimer->start();
    }
    showCaptions();
}

void CodeOutputWindow::showCaptions() {
    auto* title = m_ui->title;
    const QString caption = toQString(m_session.statusCaption());
    title->setText(caption);
    // The strip is narrow: a long report (a failure with its cause) stays readable on hover.
    const bool clipped = title->fontMetrics().horizontalAdvance(caption) > title->width();
    // A tooltip would take markup in a file name as rich text.
    title->setToolTip(clipped ? Qt::convertFromPlainText(caption, Qt::WhiteSpaceNoWrap)
                              : QString());
    m_ui->outline->setText(toQString(m_session.outlineCaption()));
}

}  // namespace velquist
