// The largest single allocation made while a watch lives, those inside C libraries included.
#pragma once

#include <cstddef>

namespace velquist::test {

// Watches are not nested; allocations of every thread count.
class AllocationWatch {
public:
    AllocationWatch();
    ~AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;

    // Bytes of the largest malloc since the watch began.
    size_t largest() const;
};

}  // namespace velquist::test
