// Start-up after the single-copy rule: builds the main window and runs the message loop.
#pragma once

class QApplication;

namespace velquist {

int runApplication(QApplication& app);

}  // namespace velquist
