// The settings window's values, kept in <program dir>/pz.ini from one start to the next.
#pragma once

#include <optional>
#include <string>

#include "core/color.h"
#include "core/hotspot_style.h"
#include "core/status.h"

namespace velquist {

// The style kept by rememberStyle; each value that is missing, damaged or out of range is the
// default's, without a word: a hand-edited file must not keep the program from starting.
HotspotStyle readRememberedStyle(const std::string& programDir);
// Every value of `style`; the first failure, if any.
[[nodiscard]] Status rememberStyle(const std::string& programDir, const HotspotStyle& style);

// The kept work-area colour, or none (the canvas keeps its own) when missing or damaged.
std::optional<ColorRef> readRememberedWorkAreaColor(const std::string& programDir);
[[nodiscard]] Status rememberWorkAreaColor(const std::string& programDir, ColorRef color);

// What the status line adds: nothing, or why the settings were not kept.
std::string rememberedStyleNote(const Status& saved);

}  // namespace velquist
