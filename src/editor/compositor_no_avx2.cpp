// Where the AVX2 kernel is not built (other processors, or the portable kernel forced): the
// kernel choice sees it as absent and never calls it.
#include <cstdint>

namespace velquist {

bool avx2KernelUsable() {
    return false;
}

void blendRowAvx2(uint32_t*, const uint32_t*, int, int, bool) {}

}  // namespace velquist
