// Exact drawing of picture rows onto the canvas frame, with a portable and an AVX2 kernel.
#pragma once

#include <cstdint>

namespace velquist {

// An object's transparency percentage as a blend weight: round(percent * 255 / 100), halves up.
constexpr int transparencyWeight(int percent) {
    return (percent * 255 + 50) / 100;
}

enum class BlendKernel { portable, avx2 };

bool blendKernelAvailable(BlendKernel kernel);
// The fastest kernel this processor runs; every kernel gives identical results.
BlendKernel bestBlendKernel();

// Draws `count` picture pixels (0xTTRRGGBB, TT = transparency) onto frame pixels (0xFFRRGGBB).
// With A = min(weight + TT, 255) each channel becomes round((src * (255 - A) + dst * A) / 255):
// A = 0 copies the source, A = 255 keeps the frame. `opaque` promises that every TT is 0.
void blendRow(uint32_t* frame, const uint32_t* picture, int count, int weight, bool opaque);
void blendRowWith(BlendKernel kernel, uint32_t* frame, const uint32_t* picture, int count,
                  int weight, bool opaque);

void fillRow(uint32_t* frame, int count, uint32_t pixel);

}  // namespace velquist
