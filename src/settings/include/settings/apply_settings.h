// The settings window's values and how they become the style of new hotspots.
#pragma once

#include <cstdint>
#include <string>

#include "core/color.h"
#include "core/hotspot_style.h"
#include "core/status.h"

namespace velquist {

// What the settings window's controls hold (the work-area colour lives on the canvas itself).
struct SettingsForm {
    std::string widthText;
    std::string heightText;
    ColorRef fillColor = 0;
    ColorRef borderColor = 0;
    int32_t transparency = 0;  // the slider position
};

// The controls' values for a window opened on `style`.
SettingsForm settingsFormFrom(const HotspotStyle& style);

// Takes the window's values into `style`: width and height read with textToInteger, then fill,
// border and transparency; returns the status-line text. A size that would give hotspots no
// picture (a side below 1 or past the picture limits) changes nothing and fails with the
// allowed range.
Result<std::string> applySettings(const SettingsForm& form, HotspotStyle& style);

}  // namespace velquist
