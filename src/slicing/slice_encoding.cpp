// The quality search: a file grows with the quality, so the best one that fits is found by
// halving the range; the best quality alone is tried first, as it usually fits.
#include "slicing/slice_encoding.h"

#include "pictures/picture_encoder.h"

namespace velquist {

Result<EncodedSlice> encodeJpegWithin(const Picture& picture, const Rect& area,
                                      size_t budgetBytes) {
    Result<std::string> best = encodeJpeg(picture, area, kBestSliceQuality);
    if (!best || best->size() <= budgetBytes) {
        if (!best) {
            return best.status();
        }
        return EncodedSlice{std::move(*best), kBestSliceQuality, true};
    }
    EncodedSlice found{{}, 0, false};
    int low = kLeastSliceQuality;
    int high = kBestSliceQuality - 1;
    while (low <= high) {
        const int quality = (low + high) / 2;
        Result<std::string> bytes = encodeJpeg(picture, area, quality);
        if (!bytes) {
            return bytes.status();
        }
        if (bytes->size() <= budgetBytes) {
            found = {std::move(*bytes), quality, true};
            low = quality + 1;
        } else {
            high = quality - 1;
        }
    }
    if (found.withinBudget) {
        return found;
    }
    Result<std::string> least = encodeJpeg(picture, area, kLeastSliceQuality);
    if (!least) {
        return least.status();
    }
    return EncodedSlice{std::move(*least), kLeastSliceQuality, false};
}

}  // namespace velquist
