// The blend arithmetic, and every kernel against the rule written out plainly.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "editor/compositor.h"

namespace velquist {
namespace {

// The rule as stated: a = round(t * 255 / 100) + own transparency; a <= 0 copies, a >= 255
// keeps, otherwise every channel moves toward the source by round((s - d)(255 - a) / 255).
uint8_t ruleChannel(int s, int d, int a) {
    if (a <= 0) {
        return static_cast<uint8_t>(s);
    }
    if (a >= 255) {
        return static_cast<uint8_t>(d);
    }
    return static_cast<uint8_t>(d + std::lround((s - d) * (255.0 - a) / 255.0));
}

// ruleTable[a][s][d] for 0 <= a <= 255.
const std::vector<uint8_t>& ruleTable() {
    static const std::vector<uint8_t> table = [] {
        std::vector<uint8_t> t(256 * 256 * 256);
        for (int a = 0; a < 256; ++a) {
            for (int s = 0; s < 256; ++s) {
                for (int d = 0; d < 256; ++d) {
                    t[(a * 256 + s) * 256 + d] = ruleChannel(s, d, a);
                }
            }
        }
        return t;
    }();
    return table;
}

// Source row whose three channels run through all 256 values in different orders.
std::vector<uint32_t> sweepRow(uint32_t transparency) {
    std::vector<uint32_t> row(256);
    for (uint32_t i = 0; i < 256; ++i) {
        row[i] = (transparency << 24) | (i << 16) | ((255 - i) << 8) | ((i * 7) & 0xFF);
    }
    return row;
}

// Blends the sweep over every destination value and compares each channel with the rule.
void expectMatchesRule(BlendKernel kernel, int weight, uint32_t transparency, bool opaque) {
    const std::vector<uint32_t> source = sweepRow(transparency);
    const int a = std::min(weight + static_cast<int>(transparency), 255);
    const uint8_t* rule = ruleTable().data() + a * 65536;
    std::vector<uint32_t> frame(256);
    for (uint32_t d = 0; d < 256; ++d) {
        frame.assign(256, 0xFF000000u | d * 0x010101u);
        blendRowWith(kernel, frame.data(), source.data(), 256, weight, opaque);
        for (uint32_t i = 0; i < 256; ++i) {
            const uint32_t expected = 0xFF000000u | (rule[i * 256 + d] << 16) |
                                      (rule[(255 - i) * 256 + d] << 8) |
                                      rule[((i * 7) & 0xFF) * 256 + d];
            if (frame[i] != expected) {
                FAIL() << "weight " << weight << " transparency " << transparency << " s " << i
                       << " d " << d << std::hex << " got " << frame[i] << " want " << expected;
            }
        }
    }
}

std::vector<BlendKernel> kernels() {
    std::vector<BlendKernel> all{BlendKernel::portable};
    if (blendKernelAvailable(BlendKernel::avx2)) {
        all.push_back(BlendKernel::avx2);
    }
    return all;
}

TEST(Compositor, TransparencyPercentRoundsHalvesUp) {
    EXPECT_EQ(transparencyWeight(0), 0);
    EXPECT_EQ(transparencyWeight(10), 26);   // 25.5
    EXPECT_EQ(transparencyWeight(30), 77);   // 76.5
    EXPECT_EQ(transparencyWeight(50), 128);  // 127.5
    EXPECT_EQ(transparencyWeight(1), 3);     // 2.55
    EXPECT_EQ(transparencyWeight(100), 255);
}

TEST(Compositor, MagentaOverWhiteAtHalfTransparency) {
    for (BlendKernel kernel : kernels()) {
        uint32_t frame = 0xFFFFFFFF;
        const uint32_t magenta = 0x00FF00FF;
        blendRowWith(kernel, &frame, &magenta, 1, transparencyWeight(50), true);
        EXPECT_EQ(frame, 0xFFFF80FFu);
    }
}

TEST(Compositor, OpaqueRowsMatchTheRuleForEveryWeight) {
    for (BlendKernel kernel : kernels()) {
        for (int weight = 0; weight < 256; ++weight) {
            expectMatchesRule(kernel, weight, 0, true);
        }
    }
}

TEST(Compositor, PerPixelTransparencyMatchesTheRuleIncludingOverflow) {
    for (BlendKernel kernel : kernels()) {
        for (int weight : {0, 26, 128, 254, 255}) {
            for (uint32_t transparency = 0; transparency < 256; ++transparency) {
                expectMatchesRule(kernel, weight, transparency, false);
            }
        }
    }
}

uint32_t rulePixel(uint32_t dst, uint32_t src, int weight) {
    const int a = std::min(weight + static_cast<int>(src >> 24), 255);
    uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        out |= uint32_t{ruleChannel(src >> shift & 0xFF, dst >> shift & 0xFF, a)} << shift;
    }
    return out;
}

// Row ends are handled apart from the vector loop (masks, an overlapping last vector); every
// length must give the rule's pixels and leave the pixels around the row alone.
TEST(Compositor, EveryRowLengthMatchesTheRuleAndStaysInside) {
    const uint32_t guard = 0x12345678;
    uint32_t seed = 1;
    const auto next = [&seed] { return seed = seed * 1664525 + 1013904223; };
    for (BlendKernel kernel : kernels()) {
        for (int count = 1; count <= 40; ++count) {
            for (bool opaque : {true, false}) {
                for (int weight : {0, 77, 128, 200}) {
                    std::vector<uint32_t> source(static_cast<size_t>(count));
                    std::vector<uint32_t> frame(static_cast<size_t>(count) + 2, guard);
                    for (int i = 0; i < count; ++i) {
                        source[i] = opaque ? next() & 0xFFFFFF : next();
                        frame[i + 1] = next() | 0xFF000000u;
                    }
                    const std::vector<uint32_t> before = frame;
                    blendRowWith(kernel, frame.data() + 1, source.data(), count, weight, opaque);
                    EXPECT_EQ(frame.front(), guard);
                    EXPECT_EQ(frame.back(), guard);
                    for (int i = 0; i < count; ++i) {
                        ASSERT_EQ(frame[i + 1], rulePixel(before[i + 1], source[i], weight))
                            << "count " << count << " pixel " << i << " weight " << weight;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace velquist
