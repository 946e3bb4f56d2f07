// The settings window's values and how they become the style of new hotspots.
#pragma once

#include <cstdint>
#include <string>

#include "core/color.h"
#include "core/hotspot_style.h"

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

// Takes the window's values into `style`: width and height read with textToInteger (no range
// check: what cannot be drawn is the editor's business), then fill, border and transparency.
// Returns the status-line text, the same whatever was entered.
std::string applySettings(const SettingsForm& form, HotspotStyle& style);

}  // namespace velquist
