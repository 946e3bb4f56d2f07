// Sees every malloc of the statically linked code (the picture libraries included) by standing
// in front of the C runtime's malloc, which is then called from msvcrt.dll itself; memory thus
// still comes from, and goes back to, the one runtime heap.
#include <windows.h>

#include <atomic>

#include "allocation_watch.h"

namespace {

std::atomic<bool> g_watching{false};
std::atomic<size_t> g_largest{0};

using MallocFunction = void* (*)(size_t);

MallocFunction runtimeMalloc() {
    static const auto function = reinterpret_cast<MallocFunction>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("msvcrt.dll"), "malloc")));
    return function;
}

}  // namespace

extern "C" void* malloc(size_t size) {
    if (g_watching.load(std::memory_order_relaxed)) {
        size_t seen = g_largest.load(std::memory_order_relaxed);
        while (size > seen && !g_largest.compare_exchange_weak(seen, size)) {
        }
    }
    return runtimeMalloc()(size);
}

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
