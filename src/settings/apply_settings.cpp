// Settings window values to and from the hotspot style.
#include "settings/apply_settings.h"

#include "core/text.h"
#include "pictures/picture.h"
#include "pictures/picture_buffer.h"
#include "settings/messages.h"

namespace velquist {

SettingsForm settingsFormFrom(const HotspotStyle& style) {
    return {formatNumber(style.width), formatNumber(style.height), style.fillColor,
            style.borderColor, style.transparency};
}

Result<std::string> applySettings(const SettingsForm& form, HotspotStyle& style) {
    const int32_t width = textToInteger(form.widthText);
    const int32_t height = textToInteger(form.heightText);
    const auto sideAllowed = [](int32_t side) { return side >= 1 && side <= kMaxPictureSide; };
    if (!sideAllowed(width) || !sideAllowed(height) ||
        int64_t{width} * height > kMaxPicturePixels) {
        return Status::failure(withPictureLimits(settings_messages::kSizeOutOfRange));
    }
    style.width = width;
    style.height = height;
    style.fillColor = form.fillColor;
    style.borderColor = form.borderColor;
    style.transparency = form.transparency;
    return std::string(settings_messages::kSettingsApplied);
}

}  // namespace velquist
