// The AVX2 blend kernel: eight pixels at a time, row tails through masked loads and stores.
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
};

[[gnu::target("avx2")]] inline Constants makeConstants() {
    return {_mm256_setzero_si256(), _mm256_set1_epi16(128), _mm256_set1_epi16(257),
            _mm256_set1_epi16(255), _mm256_set1_epi32(static_cast<int>(0xFF000000u))};
}

// round(x / 255) per 16-bit lane, exact for 0 <= x <= 65025.
[[gnu::target("avx2")]] inline __m256i divideBy255(__m256i x, const Constants& k) {
    return _mm256_mulhi_epu16(_mm256_add_epi16(x, k.c128), k.c257);
}

// Eight pixels with the weights of the frame `a` and of the source `s` in 16-bit lanes.
[[gnu::target("avx2")]] inline __m256i blend8(__m256i src, __m256i dst, __m256i aLo, __m256i aHi,
                                    __m256i sLo, __m256i sHi, const Constants& k) {
    const __m256i lo = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpacklo_epi8(src, k.zero), sLo),
                                        _mm256_mullo_epi16(_mm256_unpacklo_epi8(dst, k.zero), aLo));
    const __m256i hi = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_unpackhi_epi8(src, k.zero), sHi),
                                        _mm256_mullo_epi16(_mm256_unpackhi_epi8(dst, k.zero), aHi));
    const __m256i packed = _mm256_packus_epi16(divideBy255(lo, k), divideBy255(hi, k));
    return _mm256_or_si256(packed, k.frameAlpha);
}

// Eight pixels whose weight is the object's weight plus each pixel's own transparency.
[[gnu::target("avx2")]] inline __m256i blendPerPixel8(__m256i src, __m256i dst, __m256i weightTop,
                                            __m256i spread, const Constants& k) {
    // Saturating add on the top byte gives min(weight + TT, 255); the shuffle copies it into
    // every byte of its pixel.
    const __m256i a = _mm256_shuffle_epi8(_mm256_adds_epu8(src, weightTop), spread);
    const __m256i aLo = _mm256_unpacklo_epi8(a, k.zero);
    const __m256i aHi = _mm256_unpackhi_epi8(a, k.zero);
    return blend8(src, dst, aLo, aHi, _mm256_sub_epi16(k.c255, aLo), _mm256_sub_epi16(k.c255, aHi), k);
}

[[gnu::target("avx2")]] inline __m256i tailMask(int remaining) {
    return _mm256_cmpgt_epi32(_mm256_set1_epi32(remaining), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
}

[[gnu::target("avx2")]] void copyRow(uint32_t* frame, const uint32_t* picture, int count, const Constants& k) {
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i src = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(picture + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(frame + i), _mm256_or_si256(src, k.frameAlpha));
    }
    if (i < count) {
        const __m256i mask = tailMask(count - i);
        const __m256i src = _mm256_maskload_epi32(reinterpret_cast<const int*>(picture + i), mask);
        _mm256_maskstore_epi32(reinterpret_cast<int*>(frame + i), mask, _mm256_or_si256(src, k.frameAlpha));
    }
}

[[gnu::target("avx2")]] void blendConstant(uint32_t* frame, const uint32_t* picture, int count, int weight,
                                 const Constants& k) {
    const __m256i a = _mm256_set1_epi16(static_cast<short>(weight));
    const __m256i s = _mm256_set1_epi16(static_cast<short>(255 - weight));
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        auto* out = reinterpret_cast<__m256i*>(frame + i);
        const __m256i src = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(picture + i));
        _mm256_storeu_si256(out, blend8(src, _mm256_loadu_si256(out), a, a, s, s, k));
    }
    if (i < count) {
        const __m256i mask = tailMask(count - i);
        int* out = reinterpret_cast<int*>(frame + i);
        const __m256i src = _mm256_maskload_epi32(reinterpret_cast<const int*>(picture + i), mask);
        _mm256_maskstore_epi32(out, mask, blend8(src, _mm256_maskload_epi32(out, mask), a, a, s, s, k));
    }
}

[[gnu::target("avx2")]] void blendPerPixel(uint32_t* frame, const uint32_t* picture, int count, int weight,
                                 const Constants& k) {
    const __m256i weightTop = _mm256_set1_epi32(static_cast<int>(static_cast<uint32_t>(weight) << 24));
    const __m256i spread = _mm256_setr_epi8(3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15,
                                            3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15);
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        auto* out = reinterpret_cast<__m256i*>(frame + i);
        const __m256i src = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(picture + i));
        _mm256_storeu_si256(out, blendPerPixel8(src, _mm256_loadu_si256(out), weightTop, spread, k));
    }
    if (i < count) {
        const __m256i mask = tailMask(count - i);
        int* out = reinterpret_cast<int*>(frame + i);
        const __m256i src = _mm256_maskload_epi32(reinterpret_cast<const int*>(picture + i), mask);
        const __m256i dst = _mm256_maskload_epi32(out, mask);
        _mm256_maskstore_epi32(out, mask, blendPerPixel8(src, dst, weightTop, spread, k));
    }
}

}  // namespace

[[gnu::target("avx2")]] void blendRowAvx2(uint32_t* frame, const uint32_t* picture, int count, int weight,
                                bool opaque) {
    const Constants k = makeConstants();
    weight = std::clamp(weight, 0, 255);
    if (!opaque) {
        blendPerPixel(frame, picture, count, weight, k);
    } else if (weight == 0) {
        copyRow(frame, picture, count, k);
    } else if (weight < 255) {
        blendConstant(frame, picture, count, weight, k);
    }
}

}  // namespace velquist
