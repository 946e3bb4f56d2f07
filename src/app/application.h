// Start-up after the hand-over rule: builds the main window and runs the message loop.
#pragma once

class QApplication;
class QString;

namespace velquist {

class CopyHandover;
class MainWindow;

// The first command-line argument as an address, a relative path completed from the current
// folder; empty when there is none.
QString startArgument();

// Shows the main window, opens `argument` in it, and runs the loop; meanwhile later starts'
// arguments arrive through `handover`.
int runApplication(QApplication& app, CopyHandover& handover, const QString& argument);

// What later starts hand over goes to `window`, which comes forward and opens it; once the window
// is gone, later starts run on their own.
void handArgumentsTo(CopyHandover& handover, MainWindow* window);

// Qt's own dialogs and buttons speak Chinese like the rest of the tool: qtbase_zh_CN.qm from
// "translations" in `programFolder` (where the Windows package puts it), else from Qt's own
// translations (Debian's qt6-translations-l10n). Returns whether one was installed.
bool installQtTranslation(QApplication& app, const QString& programFolder);

}  // namespace velquist
