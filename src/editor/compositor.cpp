// Kernel choice and the portable kernel; the AVX2 kernel lives in compositor_avx2.cpp.
#include "editor/compositor.h"

#include <algorithm>

namespace velquist {

// Defined by the file CMake picks: the AVX2 kernel on x86-64, an absent one elsewhere.
bool avx2KernelUsable();
void blendRowAvx2(uint32_t* frame, const uint32_t* picture, int count, int weight, bool opaque);

namespace {

constexpr uint32_t kFrameAlpha = 0xFF000000u;

// round(x / 255) for 0 <= x <= 65025, without a division.
constexpr uint32_t divideBy255(uint32_t x) {
    return ((x + 128) * 257) >> 16;
}

uint32_t blendPixel(uint32_t dst, uint32_t src, uint32_t a) {
    const uint32_t s = 255 - a;
    uint32_t out = kFrameAlpha;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t channel = ((src >> shift) & 0xFF) * s + ((dst >> shift) & 0xFF) * a;
        out |= divideBy255(channel) << shift;
    }
    return out;
}

// One weight for every byte, written byte-wise so the compiler can vectorise it for any
// processor; the fourth byte of each pixel is then set to 0xFF.
void blendConstantPortable(uint32_t* frame, const uint32_t* picture, int count, uint32_t w) {
    auto* out = reinterpret_cast<uint8_t*>(frame);
    const auto* in = reinterpret_cast<const uint8_t*>(picture);
    const auto ws = static_cast<uint16_t>(255 - w);
    const auto wd = static_cast<uint16_t>(w);
    const size_t bytes = static_cast<size_t>(count) * 4;
    for (size_t i = 0; i < bytes; ++i) {
        const auto x = static_cast<uint16_t>(in[i] * ws + out[i] * wd + 128);
        out[i] = static_cast<uint8_t>((uint32_t{x} * 257) >> 16);
    }
    for (int i = 0; i < count; ++i) {
        frame[i] |= kFrameAlpha;
    }
}

void blendRowPortable(uint32_t* frame, const uint32_t* picture, int count, int weight,
                      bool opaque) {
    const uint32_t w = static_cast<uint32_t>(std::clamp(weight, 0, 255));
    if (opaque) {
        if (w == 0) {
            for (int i = 0; i < count; ++i) {
                frame[i] = picture[i] | kFrameAlpha;
            }
        } else if (w < 255) {
            blendConstantPortable(frame, picture, count, w);
        }
        return;
    }
    for (int i = 0; i < count; ++i) {
        const uint32_t a = std::min<uint32_t>(w + (picture[i] >> 24), 255);
        frame[i] = blendPixel(frame[i], picture[i], a);
    }
}

}  // namespace

bool blendKernelAvailable(BlendKernel kernel) {
    return kernel == BlendKernel::portable || avx2KernelUsable();
}

BlendKernel bestBlendKernel() {
    static const BlendKernel best = avx2KernelUsable() ? BlendKernel::avx2 : BlendKernel::portable;
    return best;
}

void blendRowWith(BlendKernel kernel, uint32_t* frame, const uint32_t* picture, int count,
                  int weight, bool opaque) {
    if (count <= 0) {
        return;
    }
    if (kernel == BlendKernel::avx2 && blendKernelAvailable(kernel)) {
        blendRowAvx2(frame, picture, count, weight, opaque);
    } else {
        blendRowPortable(frame, picture, count, weight, opaque);
    }
}

void blendRow(uint32_t* frame, const uint32_t* picture, int count, int weight, bool opaque) {
    blendRowWith(bestBlendKernel(), frame, picture, count, weight, opaque);
}

void fillRow(uint32_t* frame, int count, uint32_t pixel) {
    std::fill_n(frame, std::max(count, 0), pixel);
}

}  // namespace velquist
