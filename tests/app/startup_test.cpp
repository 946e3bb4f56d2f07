// Start-up: the main window frame, the single-copy rule and how the program ends.
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/window_lifetime.h"
#include "settings/remembered_address.h"

namespace velquist {

class StartupTest : public QObject {
    Q_OBJECT

private:
    // Starts a copy of the real executable under `name` in `dir`, reporting readiness to `ready`.
    static void startCopy(QProcess& process, const QString& dir, const QString& name,
                          const QString& ready, const QStringList& arguments = {}) {
        const QString exe = dir + "/" + name;
        QVERIFY(QFile::copy(VELQUIST_EXE, exe));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("VELQUIST_READY_FILE", ready);
        process.setProcessEnvironment(env);
        process.start(exe, arguments);
        QVERIFY(process.waitForStarted(10000));
    }

private slots:
    void mainWindowFrame() {
        AppState state;
        MainWindow window(state);
        QCOMPARE(window.size(), QSize(1000, 680));
        QCOMPARE(window.windowTitle(), QString("v1.0.1"));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    }

    void loopEndsWithTheLastWindowEvenWhenOneIsHidden() {
        WindowLifetime lifetime;
        auto* hidden = new QWidget;
        auto* shown = new QWidget;
        lifetime.watch(hidden);
        lifetime.watch(shown);
        shown->show();
        bool quitEarly = false;
        // Closing the only visible window must not end the program while a hidden one lives.
        QTimer::singleShot(0, shown, &QWidget::close);
        QTimer::singleShot(50, [&] {
            quitEarly = lifetime.liveWindows() != 1;
            hidden->close();
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!quitEarly);
        QCOMPARE(lifetime.liveWindows(), 0);
    }

    void secondCopyEndsSilently() {
        QTemporaryDir first;
        QTemporaryDir second;
        const QString name = QString("vqsingle%1").arg(QCoreApplication::applicationPid());
        QProcess running;
        startCopy(running, first.path(), name, first.filePath("ready"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(first.filePath("ready")), 20000);

        // Same file name in other letter case, in another folder: still the same program.
        QProcess again;
        startCopy(again, second.path(), name.toUpper(), second.filePath("ready"));
        QVERIFY(again.waitForFinished(20000));
        QCOMPARE(again.exitStatus(), QProcess::NormalExit);
        QCOMPARE(again.exitCode(), 0);
        QVERIFY(!QFile::exists(second.filePath("ready")));
        QCOMPARE(running.state(), QProcess::Running);

        running.kill();
        running.waitForFinished(5000);
    }

    // "velquist PICTURE" loads the picture at start; a relative path is taken from the
    // folder the program was started in. Every load ends by remembering its address.
    void pictureOnTheCommandLineLoadsAtStart() {
        QTemporaryDir dir;
        QVERIFY(QFile::copy(VELQUIST_SAMPLE_PICTURE, dir.filePath("banner.png")));
        QProcess running;
        running.setWorkingDirectory(dir.path());
        const QString name = QString("vqarg%1").arg(QCoreApplication::applicationPid());
        startCopy(running, dir.path(), name, dir.filePath("ready"), {"banner.png"});
        const std::string programDir = dir.path().toStdString();
        QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(readRememberedAddress(programDir)),
                                  dir.filePath("banner.png"), 20000);
        running.kill();
        running.waitForFinished(5000);
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::StartupTest)
#include "startup_test.moc"
