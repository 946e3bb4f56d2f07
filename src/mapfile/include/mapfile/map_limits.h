// What a map may hold, so that every map the tool saves or imports can be read back.
#pragma once

#include <cstdint>

#include "core/status.h"
#include "mapfile/map_document.h"

namespace velquist {

// The picture decoders' side limit: a larger declared size cannot be a picture the tool shows.
inline constexpr int kMaxMapPictureSide = 32768;
// Far beyond any canvas, small enough that sums of two values never overflow an int.
inline constexpr int kMaxMapCoordinate = 1'000'000;
inline constexpr int kMaxMapHotspots = 50'000;
// Room for the longest text an edit box takes (32767 characters of three UTF-8 bytes each).
inline constexpr int64_t kMaxMapTextBytes = 128 * 1024;

// Checks sizes, positions, counts and text lengths; the failure names the first offending value,
// e.g. "第 3 个热区的宽度超出范围（0 到 1000000）".
Status checkMapLimits(const MapDocument& map);

}  // namespace velquist
