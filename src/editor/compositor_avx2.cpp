// The AVX2 blend kernel: eight pixels at a time; rows of eight or more end with one overlapping
// vector, shorter rows go through masked loads and stores.
#include <immintrin.h>

#include <algorithm>
#include <cstdint>

namespace velquist {
namespace {

struct Constants {
    __m256i zero;
    __m256i c128;
    __m256i c257;
    __m256i c255;
    __m256i frameAlpha;

    [[gnu::target("avx2")]] Constants()
        : zero(_mm256_setzero_si256()),
          c128(_mm256_set1_epi16(128)),
          c257(_mm256_set1_epi16(257)),
          c255(_mm256_set1_epi16(255)),
          frameAlpha(_mm256_set1_epi32(static_cast<int>(0xFF000000u))) {}
};

// round(x / 255) per 16-bit lane, exact for 0 <= x <= 65025.
[[gnu::target("avx2")]] inline __m256i divideBy255(__m256i x, const Constants& k) {
    return _mm256_mulhi_epu16(_mm256_add_epi16(x, k.c128), k.c257);
}

// A = 0: the source, with the frame's opaque top byte.
struct CopyPixels {
    const Constants& k;
    [[gnu::target("avx2")]] __m256i operator()(__m256i src, __m256i) const {
        return _mm256_or_si256(src, k.frameAlpha);
    }
};

// One weight for the whole row (0 < weight < 255). Interleaving source and frame bytes lets one
// multiply-add form s * ws + d * wd; the weights are split so both fit a signed byte, and the
// remaining 128 * d (weight >= 128) or 128 * s (below) is added as a shift.
struct BlendConstant {
    const Constants& k;
    __m256i weights;
    bool extraIsFrame;
    __m256i extraMask;

    [[gnu::target("avx2")]] BlendConstant(const Constants& constants, int weight)
        : k(constants), extraIsFrame(weight >= 128), extraMask(_mm256_set1_epi16(0x7F80)) {
        const int ws = extraIsFrame ? 255 - weight : 127 - weight;
        const int wd = extraIsFrame ? weight - 128 : weight;
        weights = _mm256_set1_epi16(static_cast<short>(ws | (wd << 8)));
    }

    [[gnu::target("avx2")]] __m256i half(__m256i pairs) const {
        // Lanes hold s | d << 8: shifting right by 1 leaves d << 7, left by 7 leaves s << 7.
        const __m256i shifted =
            extraIsFrame ? _mm256_srli_epi16(pairs, 1) : _mm256_slli_epi16(pairs, 7);
        const __m256i sum = _mm256_add_epi16(_mm256_maddubs_epi16(pairs, weights),
                                             _mm256_and_si256(shifted, extraMask));
        return divideBy255(sum, k);
    }

    [[gnu::target("avx2")]] __m256i operator()(__m256i src, __m256i dst) const {
        const __m256i lo = half(_mm256_unpacklo_epi8(src, dst));
        const __m256i hi = half(_mm256_unpackhi_epi8(src, dst));
        return _mm256_or_si256(_mm256_packus_epi16(lo, hi), k.frameAlpha);
    }
};

// A = min(weight + the pixel's own transparency, 255), different for every pixel.
struct BlendPerPixel {
    const Constants& k;
    __m256i weightTop;
    __m256i spread;

    [[gnu::target("avx2")]] BlendPerPixel(const Constants& constants, int weight)
        : k(constants),
          weightTop(_mm256_set1_epi32(static_cast<int>(static_cast<uint32_t>(weight) << 24))),
          spread(_mm256_setr_epi8(3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15, 3, 3, 3,
                                  3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15)) {}

    [[gnu::target("avx2")]] __m256i half(__m256i src, __m256i dst, __m256i a) const {
        return _mm256_add_epi16(_mm256_mullo_epi16(src, _mm256_sub_epi16(k.c255, a)),
                                _mm256_mullo_epi16(dst, a));
    }

    [[gnu::target("avx2")]] __m256i operator()(__m256i src, __m256i dst) const {
        // The saturating add on the top byte gives min(weight + TT, 255); the shuffle copies
        // it into every byte of its pixel.
        const __m256i a = _mm256_shuffle_epi8(_mm256_adds_epu8(src, weightTop), spread);
        const __m256i lo = half(_mm256_unpacklo_epi8(src, k.zero),
                                _mm256_unpacklo_epi8(dst, k.zero), _mm256_unpacklo_epi8(a, k.zero));
        const __m256i hi = half(_mm256_unpackhi_epi8(src, k.zero),
                                _mm256_unpackhi_epi8(dst, k.zero), _mm256_unpackhi_epi8(a, k.zero));
        return _mm256_or_si256(_mm256_packus_epi16(divideBy255(lo, k), divideBy255(hi, k)),
                               k.frameAlpha);
    }
};

[[gnu::target("avx2")]] inline __m256i load(const uint32_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
[[gnu::target("avx2")]] inline void store(uint32_t* p, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
}

// Every output pixel depends only on its own source and original frame pixel, so a row that
// is not a whole number of vectors ends with one vector overlapping the one before it: both
// are computed from the original pixels before either is stored, and the overlap receives
// identical values twice. That replaces a slow masked store on every row, and the row is still
// read from left to right, as the processor's prefetching expects.
template <typename Blend>
[[gnu::target("avx2")]] inline void blendEach(uint32_t* frame, const uint32_t* picture, int count,
                                              const Blend& blend) {
    if (count < 8) {
        const __m256i mask =
            _mm256_cmpgt_epi32(_mm256_set1_epi32(count), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
        const __m256i src = _mm256_maskload_epi32(reinterpret_cast<const int*>(picture), mask);
        const __m256i dst = _mm256_maskload_epi32(reinterpret_cast<const int*>(frame), mask);
        _mm256_maskstore_epi32(reinterpret_cast<int*>(frame), mask, blend(src, dst));
        return;
    }
    const int lastStart = count - 8;
    int i = 0;
    for (; i + 8 < lastStart; i += 8) {
        store(frame + i, blend(load(picture + i), load(frame + i)));
    }
    const __m256i beforeLast = blend(load(picture + i), load(frame + i));
    const __m256i last = blend(load(picture + lastStart), load(frame + lastStart));
    store(frame + i, beforeLast);
    store(frame + lastStart, last);
}

}  // namespace

bool avx2KernelUsable() {
    return __builtin_cpu_supports("avx2");
}

[[gnu::target("avx2")]] void blendRowAvx2(uint32_t* frame, const uint32_t* picture, int count,
                                          int weight, bool opaque) {
    const Constants k;
    weight = std::clamp(weight, 0, 255);
    if (!opaque) {
        blendEach(frame, picture, count, BlendPerPixel(k, weight));
    } else if (weight == 0) {
        blendEach(frame, picture, count, CopyPixels{k});
    } else if (weight < 255) {
        blendEach(frame, picture, count, BlendConstant(k, weight));
    }
}

}  // namespace velquist
