// The code-output window: a thin shell over CodeOutputSession.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/secondary_window.h"
#include "codegen/code_output_session.h"

class QTimer;

namespace Ui {
class CodeOutputWindowForm;
}

namespace velquist {

class CodeOutputWindow : public SecondaryWindow {
    Q_OBJECT
public:
    // What "重新生成" generates from, read afresh at every click.
    using InputSource = std::function<ImageMapInput()>;
    enum class DialogMode { Save, Open };
    // The dialog's answer: the file and the type chosen for it.
    struct ChosenFile {
        ChosenFile(std::string chosenPath, CodeFileKind chosenKind = CodeFileKind::Text)
            : path(std::move(chosenPath)), kind(chosenKind) {}
        std::string path;
        CodeFileKind kind;
    };
    // Asks for a file; `offered` is the starting name. Nothing means cancelled.
    using FileDialog =
        std::function<std::optional<ChosenFile>(DialogMode mode, const std::string& offered)>;
    // Opens a file in the user's default program.
    using FileOpener = std::function<void(const std::string& path)>;

    // `programDir` receives the preview page. The window has no owner.
    CodeOutputWindow(std::string programDir, InputSource regenerateInput);
    ~CodeOutputWindow() override;

    // The main window's generate-code action: fresh code and picture size.
    void generate(const ImageMapInput& input);

    // The real dialog and opener cannot run unattended; tests put their own in.
    void setFileDialog(FileDialog dialog) { m_fileDialog = std::move(dialog); }
    void setFileOpener(FileOpener opener) { m_fileOpener = std::move(opener); }
    const CodeOutputSession& session() const { return m_session; }

private:
    void wireActions();
    std::optional<ChosenFile> askForFile(DialogMode mode);
    std::string sourceText() const;
    // Carries out what the session asked for, then shows its captions.
    void apply(const WindowUpdate& update);
    void showCaptions();

    std::unique_ptr<Ui::CodeOutputWindowForm> m_ui;
    CodeOutputSession m_session;
    InputSource m_regenerateInput;
    FileDialog m_fileDialog;
    FileOpener m_fileOpener;
    QTimer* m_statusTimer = nullptr;
};

}  // namespace velquist
