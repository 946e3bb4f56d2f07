// Entry point: the suggestion command, or the window layer, the single-copy rule, then the
// main window.
#include <QApplication>
#include <iostream>

#include "app/application.h"
#include "app/suggest_command.h"
#include "core/program_dir.h"
#include "platform/running_copies.h"

int main(int argc, char** argv) {
    // A command-line job: no window, and it runs beside an open copy.
    if (velquist::isSuggestCommand(argc, argv)) {
        return velquist::runSuggestCommand(argc, argv, std::cerr);
    }
    QApplication app(argc, argv);
    // Only one copy runs: a second start (or a failed count) ends silently.
    if (velquist::countRunningCopies(velquist::programFileName()) != 1) {
        return 0;
    }
    return velquist::runApplication(app);
}
