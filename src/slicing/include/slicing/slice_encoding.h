// A slice as a JPEG that fits a size budget: the best quality that fits, searched from the
// quality a designer would pick down to the least that still looks clean.
#pragma once

#include <cstddef>
#include <string>

#include "core/geometry.h"
#include "core/status.h"
#include "pictures/picture.h"

namespace velquist {

inline constexpr int kBestSliceQuality = 92;
inline constexpr int kLeastSliceQuality = 60;
inline constexpr size_t kDefaultSliceBudget = 500 * 1024;

struct EncodedSlice {
    std::string bytes;
    int quality = 0;
    bool withinBudget = true;  // false: even the least quality is over the budget
};

// The highest quality from kBestSliceQuality down to kLeastSliceQuality whose file fits in
// `budgetBytes`; when none fits, the least quality's file, marked as over the budget.
Result<EncodedSlice> encodeJpegWithin(const Picture& picture, const Rect& area, size_t budgetBytes);

}  // namespace velquist
