// The main window's picture loads: starting, cancelling (Esc, "取消") and their end.
#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/main_window.h"

namespace velquist {

void MainWindow::startLoad(const std::string& address, bool keepHotspots) {
    apply(m_session.startLoad(address, keepHotspots));
}

void MainWindow::cancelLoad() {
    apply(m_session.cancelLoad());
}

void MainWindow::escapePressed() {
    apply(m_session.escapePressed());
}

void MainWindow::apply(const SessionUpdate& update) {
    m_state.statusLine.show(update);
    if (update.cancelLoad) {
        m_loader->cancel();
    }
    if (update.refresh) {
        refresh();
    }
    if (update.load) {
        m_loader->load(*update.load);
    }
    if (update.ask) {
        askForMapFile(*update.ask);
    }
}

}  // namespace velquist
