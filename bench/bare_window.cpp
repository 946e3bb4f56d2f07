// Reference for the start-up figure: an empty Qt window that announces itself the same way.
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1000, 680);
    window.show();
    QTimer::singleShot(0, [] {
        QFile file(qEnvironmentVariable("VELQUIST_READY_FILE"));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QByteArray::number(QCoreApplication::applicationPid()));
        }
    });
    return app.exec();
}
