// Sees every malloc of the test program: through the sanitizer's hook when AddressSanitizer
// owns malloc, otherwise by standing in front of the C library's malloc.
#include "allocation_watch.h"

#include <atomic>

#if defined(__SANITIZE_ADDRESS__)
#define VELQUIST_ASAN_MALLOC 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELQUIST_ASAN_MALLOC 1
#endif
#endif

#ifdef VELQUIST_ASAN_MALLOC
#include <sanitizer/allocator_interface.h>
#endif

namespace {

std::atomic<bool> g_watching{false};
std::atomic<size_t> g_largest{0};

void note(size_t size) {
    if (!g_watching.load(std::memory_order_relaxed)) {
        return;
    }
    size_t seen = g_largest.load(std::memory_order_relaxed);
    while (size > seen && !g_largest.compare_exchange_weak(seen, size)) {
    }
}

}  // namespace

#ifdef VELQUIST_ASAN_MALLOC
namespace {
void onMalloc(const volatile void*, size_t size) {
    note(size);
}
void onFree(const volatile void*) {}
const int kHooked = __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);
}  // namespace
#else
extern "C" void* __libc_malloc(size_t size) noexcept;
// The program's own malloc comes first in symbol look-up, so libpng's calls arrive here too.
extern "C" void* malloc(size_t size) noexcept {
    note(size);
    return __libc_malloc(size);
}
#endif

namespace velquist::test {

AllocationWatch::AllocationWatch() {
    g_largest = 0;
    g_watching = true;
}

AllocationWatch::~AllocationWatch() {
    g_watching = false;
}

size_t AllocationWatch::largest() const {
    return g_largest.load();
}

}  // namespace velquist::test
