// The main window of the tool.
#pragma once

#include <QWidget>

namespace velquist {

struct AppState;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(AppState& state, QWidget* parent = nullptr);

    // "退出": releases the process-wide state and ends the program with exit code 0.
    void endProgram();

private:
    AppState& m_state;
};

}  // namespace velquist
