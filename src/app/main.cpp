// Entry point: the window layer, the single-copy rule, then the main window.
#include <QApplication>

#include "app/application.h"
#include "core/program_dir.h"
#include "platform/running_copies.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Only one copy runs: a second start (or a failed count) ends silently.
    if (velquist::countRunningCopies(velquist::programFileName()) != 1) {
        return 0;
    }
    return velquist::runApplication(app);
}
