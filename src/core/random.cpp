// Process-wide pseudo-random generator, seeded once from the system.
#include "core/random.h"

#include <mutex>
#include <random>

namespace velquist {

int randomInt(int low, int high) {
    static std::mutex mutex;
    static std::mt19937 engine{std::random_device{}()};
    std::lock_guard lock(mutex);
    return std::uniform_int_distribution<int>(low, high)(engine);
}

}  // namespace velquist
