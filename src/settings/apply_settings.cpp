// Settings window values to and from the hotspot style.
#include "settings/apply_settings.h"

#include "core/text.h"
#include "settings/messages.h"

namespace velquist {

SettingsForm settingsFormFrom(const HotspotStyle& style) {
    return {formatNumber(style.width), formatNumber(style.height), style.fillColor,
            style.borderColor, style.transparency};
}

std::string applySettings(const SettingsForm& form, HotspotStyle& style) {
    style.width = textToInteger(form.widthText);
    style.height = textToInteger(form.heightText);
    style.fillColor = form.fillColor;
    style.borderColor = form.borderColor;
    style.transparency = form.transparency;
    return settings_messages::kSettingsApplied;
}

}  // namespace velquist
