// Process-wide state.
#include "app/app_state.h"

namespace velquist {

// The canvas's size in the main window's form; the canvas view resizes it to what is shown.
AppState::AppState() : editor(996, 624) {}

}  // namespace velquist
