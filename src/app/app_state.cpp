// Process-wide state.
#include "app/app_state.h"

namespace velquist {

void AppState::exitCleanup() {
    if (cleanupRuns > 0) {
        return;
    }
    ++cleanupRuns;
}

}  // namespace velquist
