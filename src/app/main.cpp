// Entry point: the suggestion command, or the window layer, the hand-over to a running copy,
// then the main window.
#include <QApplication>
#include <iostream>

#include "app/application.h"
#include "app/copy_handover.h"
#include "app/suggest_command.h"
#include "core/program_dir.h"

int main(int argc, char** argv) {
    // A command-line job: no window, and it runs beside an open copy.
    if (velquist::isSuggestCommand(argc, argv)) {
        return velquist::runSuggestCommand(argc, argv, std::cerr);
    }
    QApplication app(argc, argv);
    const QString argument = velquist::startArgument();
    // One copy runs per user session: a later start gives its argument to it and ends.
    velquist::CopyHandover handover(velquist::handoverName(velquist::programFileName()));
    switch (handover.claim(argument)) {
        case velquist::CopyHandover::Claim::HandedOver:
            return 0;
        case velquist::CopyHandover::Claim::Unanswered:
            return 1;
        case velquist::CopyHandover::Claim::Serving:
        case velquist::CopyHandover::Claim::Unserved:
            break;
    }
    return velquist::runApplication(app, handover, argument);
}
