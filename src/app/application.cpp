// Start-up and the message loop.
#include "app/application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>

#include "app/app_state.h"
#include "app/copy_handover.h"
#include "app/main_window.h"
#include "app/tray_icon.h"
#include "app/window_frame.h"
#include "app/window_lifetime.h"
#include "core/address.h"
#include "core/file_io.h"
#include "core/program_dir.h"
#include "core/version.h"
#include "settings/remembered_style.h"

namespace velquist {
namespace {

// Lets scripts and tests know when the main window is on the screen: the file named by
// VELQUIST_READY_FILE is written with this process's id once the window has been shown.
void announceReady() {
    const QString path = qEnvironmentVariable("VELQUIST_READY_FILE");
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(QByteArray::number(QCoreApplication::applicationPid()));
    }
}

// Where pz.ini, the preview page and the updater's files go: beside the program for a portable
// copy; in the user's own folder (~/.config/Velquist, %LOCALAPPDATA%\Velquist) for an installed
// copy whose folder the user cannot write, which would otherwise silently never save anything.
std::string settingsFolder() {
    const std::string programDir = programDirectory();
    if (canCreateFilesIn(programDir)) {
        return programDir;
    }
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString user = base + "/" + QString::fromUtf8(kProductName.data(), kProductName.size());
    if (base.isEmpty() || !QDir().mkpath(user)) {
        return programDir;
    }
    return QDir::toNativeSeparators(user).toStdString();
}

}  // namespace

bool installQtTranslation(QApplication& app, const QString& programFolder) {
    auto* translator = new QTranslator(&app);
    const QString name = QStringLiteral("qtbase_zh_CN");
    for (const QString& folder : {programFolder + QStringLiteral("/translations"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(name, folder)) {
            return QCoreApplication::installTranslator(translator);
        }
    }
    delete translator;
    return false;
}

QString startArgument() {
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments[1].trimmed().isEmpty()) {
        return {};
    }
    return QString::fromStdString(
        commandLineAddress(arguments[1].toStdString(), QDir::currentPath().toStdString()));
}

void handArgumentsTo(CopyHandover& handover, MainWindow* window) {
    QObject::connect(
        &handover, &CopyHandover::argumentArrived, window,
        [window](const QString& argument) { window->openArgument(argument.toStdString()); });
    QObject::connect(window, &QObject::destroyed, &handover, &CopyHandover::stopServing);
    // A start just as this copy ends would otherwise wait for an answer that never comes.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &handover, &CopyHandover::stopServing);
}

int runApplication(QApplication& app, CopyHandover& handover, const QString& argument) {
    installQtTranslation(app, QCoreApplication::applicationDirPath());
    QApplication::setWindowIcon(programIcon());
    QApplication::setFont(interfaceFont(12));
    AppState state;
    state.programDir = settingsFolder();
    state.editor.setStyle(readRememberedStyle(state.programDir));
    if (const auto color = readRememberedWorkAreaColor(state.programDir)) {
        state.editor.canvas().setBackgroundColor(*color);
    }
    WindowLifetime lifetime;
    QPointer<MainWindow> window = new MainWindow(state);
    lifetime.watch(window);
    QObject::connect(window, &MainWindow::windowOpened, &lifetime, &WindowLifetime::watch);
    window->show();
    window->restoreAutosave();
    // "velquist PICTURE": the first argument is opened as later starts' arguments are.
    window->openArgument(argument.toStdString());
    handArgumentsTo(handover, window);
    QTimer::singleShot(0, &announceReady);
    QTimer::singleShot(0, &handover, &CopyHandover::serve);  // once the window is up
    const int code = app.exec();
    delete window.data();  // null when the window manager already destroyed it
    return code;
}

}  // namespace velquist
