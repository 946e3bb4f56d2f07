// A later start hands its argument to the running copy of the same user and ends: the window
// comes back and opens it; two starts at once leave one copy; a killed copy's name is taken over;
// other users' copies do not count.
#include <QImage>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QtTest>

#include "app/app_state.h"
#include "app/application.h"
#include "app/background_loader.h"
#include "app/canvas_view.h"
#include "app/copy_handover.h"
#include "app/main_window.h"
#include "mapfile/map_file.h"
#include "settings/remembered_address.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace velquist {

// Generous: a Wine start on a machine busy with builds has taken over 20 s.
constexpr int kStartMs = 60000;

class HandoverTest : public QObject {
    Q_OBJECT

private:
    // The real executable copied into `dir` as `name` (keeping its ending, which Windows needs),
    // with its socket plugin where there is one.
    static QString placeCopy(const QString& dir, const QString& name) {
        const QString suffix = QFileInfo(VELQUIST_EXE).suffix();
        const QString exe = dir + "/" + name + (suffix.isEmpty() ? "" : "." + suffix);
        QFile::copy(VELQUIST_EXE, exe);
        if (const QString module = VELQUIST_MODULE; !module.isEmpty()) {
            QFile::copy(module, dir + "/" + QFileInfo(module).fileName());
        }
        return exe;
    }

    // Starts `program` (a copy, or a program that runs it) on this test's platform; the copy
    // writes `ready` once its main window is shown, which a copy that hands over never does.
    static void start(QProcess& process, const QString& program, const QStringList& arguments,
                      const QString& ready, const QString& home = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", QGuiApplication::platformName());
        env.insert("VELQUIST_READY_FILE", ready);
        if (!home.isEmpty()) {
            env.insert("HOME", home);
            env.remove("XDG_RUNTIME_DIR");
        }
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        QVERIFY(process.waitForStarted(10000));
    }

    static void stop(QProcess& process) {
        process.kill();
        process.waitForFinished(10000);
    }

    // A picture file at `path`; a copy that loads it remembers its address in pz.ini.
    static QString placePicture(const QString& path) {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        picture.save(path);
        return path;
    }

    static QString remembered(const QString& settingsFolder) {
        return QString::fromStdString(readRememberedAddress(settingsFolder.toStdString()));
    }

    static QString uniqueName(const char* prefix) {
        return QString("%1%2").arg(prefix).arg(QCoreApplication::applicationPid());
    }

    // A start that hands over ends well, without a window of its own. The wait runs this
    // test's event loop, which answers when the test itself is the running copy.
    static void expectHandedOver(QProcess& later, const QString& ready) {
        QTRY_COMPARE_WITH_TIMEOUT(later.state(), QProcess::NotRunning, kStartMs);
        QCOMPARE(later.exitStatus(), QProcess::NormalExit);
        QCOMPARE(later.exitCode(), 0);
        QVERIFY(!QFile::exists(ready));
    }

private slots:
    // The running copy is this test: its window sits in the notification area. A later start of
    // the same program (in capitals, from another folder) gives it a picture by a path relative
    // to its own folder, then a map file; each time the window comes back and shows what came.
    void laterStartBringsTheWindowBackAndOpensItsArgument() {
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        const QColor green(20, 160, 90);
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(green);
        QVERIFY(picture.save(elsewhere.filePath("banner.png")));
        // The copy's file name in capitals; this test serves the same name in small letters.
        const QString later = placeCopy(elsewhere.path(), uniqueName("vqhand").toUpper());
        CopyHandover handover(handoverName(QFileInfo(later).fileName().toLower().toStdString()));
        QCOMPARE(handover.claim({}), CopyHandover::Claim::Serving);

        AppState state;
        state.programDir = dir.path().toStdString();
        MainWindow window(state);
        window.setTrayAvailable([] { return true; });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        handArgumentsTo(handover, &window);
        handover.serve();
        window.hideToTray();
        QVERIFY(!window.isVisible());
        auto* canvas = window.findChild<CanvasView*>();
        QVERIFY(canvas->grab().toImage().pixelColor(20, 20) != green);

        QProcess first;
        first.setWorkingDirectory(elsewhere.path());
        start(first, later, {"banner.png"}, elsewhere.filePath("ready"));
        expectHandedOver(first, elsewhere.filePath("ready"));
        QVERIFY(window.isVisible());
        QVERIFY(!window.trayIcon()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!window.loader()->busy(), 10000);
        QCOMPARE(canvas->grab().toImage().pixelColor(20, 20), green);

        MapDocument map;
        map.pictureAddress = elsewhere.filePath("banner.png").toStdString();
        map.hotspots = {{{10, 10, 100, 50}, "甲", "https://a.example/"}};
        const QString mapFile = elsewhere.filePath("kept.vqmap");
        QVERIFY(saveMapFile(mapFile.toStdString(), map));
        window.hideToTray();
        QProcess second;
        start(second, later, {mapFile}, elsewhere.filePath("ready"));
        expectHandedOver(second, elsewhere.filePath("ready"));
        QVERIFY(window.isVisible());
        QCOMPARE(state.editor.document().hotspots, map.hotspots);
        QVERIFY(canvas->grab().toImage().pixelColor(20, 20) != green);  // the hotspot is drawn
        QCOMPARE(canvas->grab().toImage().pixelColor(200, 150), green);

        // A picture handed over replaces the map as "确定" does: the map is kept among the recent.
        QProcess third;
        start(third, later, {elsewhere.filePath("banner.png")}, elsewhere.filePath("ready"));
        expectHandedOver(third, elsewhere.filePath("ready"));
        QTRY_VERIFY_WITH_TIMEOUT(!window.loader()->busy(), 10000);
        QVERIFY(state.editor.document().hotspots.empty());
        const QStringList kept = QDir(dir.filePath("maps")).entryList(QDir::Files);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(loadMapFile(dir.filePath("maps/" + kept[0]).toStdString()).value_or({}).hotspots,
                 map.hotspots);
    }

    // A copy serves once its window is up; a start before that waits for it rather than
    // showing a second window.
    void laterStartWaitsUntilTheRunningCopyServes() {
        QTemporaryDir dir;
        const QString later = placeCopy(dir.path(), uniqueName("vqwait"));
        CopyHandover handover(handoverName(QFileInfo(later).fileName().toStdString()));
        QCOMPARE(handover.claim({}), CopyHandover::Claim::Serving);
        QStringList arrived;
        connect(&handover, &CopyHandover::argumentArrived,
                [&](const QString& argument) { arrived << argument; });
        const QString picture = placePicture(dir.filePath("picture.png"));
        QProcess waiting;
        start(waiting, later, {picture}, dir.filePath("ready"));
        QTest::qWait(1500);  // the named pipe serves from the claim on: there it is taken now
        QVERIFY(!QFile::exists(dir.filePath("ready")));
        handover.serve();
        expectHandedOver(waiting, dir.filePath("ready"));
        QCOMPARE(arrived, QStringList{picture});
    }

    // Three starts at once: one shows its window, the others hand over to it and end.
    void startsAtOnceLeaveOneRunningCopy() {
        QTemporaryDir dir;
        const QString exe = placeCopy(dir.path(), uniqueName("vqrace"));
        QProcess copies[3];
        for (int i = 0; i < 3; ++i) {
            start(copies[i], exe, {}, dir.filePath(QString("ready%1").arg(i)));
        }
        const auto count = [&](auto&& test) {
            int n = 0;
            for (int i = 0; i < 3; ++i) {
                n += test(i) ? 1 : 0;
            }
            return n;
        };
        const auto ended = [&](int i) { return copies[i].state() == QProcess::NotRunning; };
        const auto shown = [&](int i) {
            return QFile::exists(dir.filePath(QString("ready%1").arg(i)));
        };
        QTRY_VERIFY_WITH_TIMEOUT(count(ended) == 2 && count(shown) == 1, kStartMs);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(ended(i), !shown(i));
            QCOMPARE(copies[i].exitCode(), 0);
            stop(copies[i]);
        }
    }

    // A copy killed leaves its socket behind: the next start takes the name over and takes the
    // picture of the start after it.
    void startAfterAKillTakesOver() {
        QTemporaryDir dir;
        const QString exe = placeCopy(dir.path(), uniqueName("vqkill"));
        QProcess killed;
        start(killed, exe, {}, dir.filePath("ready0"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("ready0")), kStartMs);
        stop(killed);

        QProcess next;
        start(next, exe, {}, dir.filePath("ready1"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("ready1")), kStartMs);
        const QString picture = placePicture(dir.filePath("picture.png"));
        QProcess later;
        start(later, exe, {picture}, dir.filePath("ready2"));
        expectHandedOver(later, dir.filePath("ready2"));
        QTRY_COMPARE_WITH_TIMEOUT(remembered(dir.path()), picture, kStartMs);
        QCOMPARE(next.state(), QProcess::Running);
        stop(next);
    }

    // Another user starting the same program gets a copy of their own, and their next start
    // hands over to that one.
    void copiesOfOtherUsersDoNotCount() {
#ifdef Q_OS_UNIX
        if (::geteuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty()) {
            QSKIP("needs root and setpriv to start a copy as another user");
        }
        QTemporaryDir dir;
        QTemporaryDir home;
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(dir.path(), open));
        QVERIFY(QFile::setPermissions(home.path(), open | QFile::WriteGroup | QFile::WriteOther));
        const QString exe = placeCopy(dir.path(), uniqueName("vquser"));
        QProcess mine;
        start(mine, exe, {}, dir.filePath("ready"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("ready")), kStartMs);

        const QStringList asNobody{"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--",
                                   exe};
        QProcess theirs;
        start(theirs, "setpriv", asNobody, home.filePath("ready"), home.path());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.filePath("ready")), kStartMs);
        const QString picture = placePicture(home.filePath("picture.png"));
        QProcess theirLater;
        start(theirLater, "setpriv", asNobody + QStringList{picture}, home.filePath("ready2"),
              home.path());
        expectHandedOver(theirLater, home.filePath("ready2"));
        // Their folder for settings: the program's folder is not theirs to write.
        QTRY_COMPARE_WITH_TIMEOUT(remembered(home.filePath(".config/Velquist")), picture, kStartMs);
        QCOMPARE(remembered(dir.path()), QString());
        QCOMPARE(theirs.state(), QProcess::Running);
        QCOMPARE(mine.state(), QProcess::Running);
        stop(theirs);
        stop(mine);
#else
        // Wine runs every program as the one user who owns its prefix: there is no second user.
        QSKIP("a second user is started on Linux only (setpriv)");
#endif
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::HandoverTest)
#include "handover_test.moc"
