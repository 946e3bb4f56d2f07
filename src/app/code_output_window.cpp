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

#include "app/code_output_description.h"
#include "app/control_label.h"
#include "app/image_button.h"
#include "codegen/tabs_widget.h"

namespace velquist {
namespace {

namespace cc = code_controls;

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
    : DescribedWindow(codeOutputWindowDescription(), cc::kTitle),
      m_session(std::move(programDir)),
      m_regenerateInput(std::move(regenerateInput)),
      m_fileDialog([this](DialogMode mode, const std::string& offered) {
          return showFileDialog(this, mode, offered);
      }),
      m_fileOpener(&openInDefaultProgram) {
    m_statusTimer = new QTimer(this);
    m_statusTimer->setObjectName(toQString(cc::kStatusTimer));
    m_statusTimer->setSingleShot(true);
    m_statusTimer->setInterval(kStatusTimerMs);
    connect(m_statusTimer, &QTimer::timeout, this, [this] {
        m_session.statusTimerFired();
        showCaptions();
    });
    wireActions();
    showCaptions();
}

void CodeOutputWindow::generate(const ImageMapInput& input) {
    apply(m_session.generate(input));
}

void CodeOutputWindow::wireActions() {
    const auto onClick = [this](std::string_view name, auto&& action) {
        connect(control<ImageButton>(name), &QAbstractButton::clicked, this, action);
    };
    onClick(cc::kClose, [this] { close(); });
    onClick(cc::kCopy, [this] { apply(m_session.copy(sourceText())); });
    onClick(cc::kSave, [this] {
        const std::optional<ChosenFile> chosen = askForFile(DialogMode::Save);
        apply(chosen ? m_session.save(chosen->path, sourceText(), chosen->kind)
                     : m_session.save(std::nullopt, sourceText()));
    });
    onClick(cc::kOpen, [this] {
        const std::optional<ChosenFile> chosen = askForFile(DialogMode::Open);
        apply(m_session.open(chosen ? std::optional(chosen->path) : std::nullopt));
    });
    onClick(cc::kRegenerate, [this] { apply(m_session.regenerate(m_regenerateInput())); });
    onClick(cc::kPreview, [this] {
        const bool inTemplate = control<QCheckBox>(cc::kFramePreview)->isChecked();
        apply(m_session.preview(sourceText(), inTemplate));
    });
    onClick(cc::kOutline, [this] { apply(m_session.toggleClickOutline(sourceText())); });
    auto* edition = control<QComboBox>(cc::kEdition);
    auto* offset = control<QLineEdit>(cc::kOffset);
    // Picking an edition, even the one already shown, replaces a typed offset.
    connect(edition, &QComboBox::activated, this, [offset](int index) {
        if (const std::optional<std::string_view> value = editionOffset(index)) {
            offset->setText(toQString(*value));
        }
    });
    onClick(cc::kConvert, [this, edition, offset] {
        const std::string top = control<QLineEdit>(cc::kTopSpacing)->text().toStdString();
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
    return withCrLf(control<QPlainTextEdit>(cc::kSource)->document()->toRawText().toStdString());
}

void CodeOutputWindow::apply(const WindowUpdate& update) {
    if (update.source) {
        control<QPlainTextEdit>(cc::kSource)->setPlainText(toQString(*update.source));
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
    auto* title = control<ControlLabel>(cc::kTitle);
    const QString caption = toQString(m_session.statusCaption());
    title->setText(caption);
    // The strip is narrow: a long report (a failure with its cause) stays readable on hover.
    const bool clipped = title->fontMetrics().horizontalAdvance(caption) > title->width();
    // A tooltip would take markup in a file name as rich text.
    title->setToolTip(clipped ? Qt::convertFromPlainText(caption, Qt::WhiteSpaceNoWrap)
                              : QString());
    control<ImageButton>(cc::kOutline)->setText(toQString(m_session.outlineCaption()));
}

}  // namespace velquist
