// Process-wide state.
#include "app/app_state.h"

#include "app/main_window_layout.h"

namespace velquist {

AppState::AppState() : editor(kNormalWidth - 4, kNormalHeight - 56) {}

}  // namespace velquist
