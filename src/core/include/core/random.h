// The one pseudo-random generator of the process.
#pragma once

namespace velquist {

// Uniform integer in [low, high], both included. Safe to call from any thread.
int randomInt(int low, int high);

}  // namespace velquist
