// Start-up after the single-copy rule: builds the main window and runs the message loop.
#pragma once

class QApplication;
class QString;

namespace velquist {

int runApplication(QApplication& app);

// Qt's own dialogs and buttons speak Chinese like the rest of the tool: qtbase_zh_CN.qm from
// "translations" in `programFolder` (where the Windows package puts it), else from Qt's own
// translations (Debian's qt6-translations-l10n). Returns whether one was installed.
bool installQtTranslation(QApplication& app, const QString& programFolder);

}  // namespace velquist
