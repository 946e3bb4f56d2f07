// The settings window's controls; those below the title strip sit in the panel "外形框1".
#include "app/settings_window_description.h"

#include <array>

namespace velquist {
namespace {

using namespace control_flag;
namespace sc = settings_controls;

// Kept by hand: a control per line or two reads like the layout it describes.
// clang-format off
constexpr uint32_t kStrip = 0x606060;
constexpr ControlColors kCaption{0x000000, kButtonFace};

// Six 12-pixel characters are wider than the 70-pixel captions: one pixel smaller fits them all.
constexpr int kCaptionPixels = 11;

constexpr ControlDescription label(std::string_view name, int x, int y, int width,
                                   std::string_view caption) {
    return {.name = name, .kind = ControlKind::Label, .x = x, .y = y, .width = width,
            .height = 24, .caption = caption, .colors = kCaption, .parent = sc::kPanel,
            .fontPixels = kCaptionPixels};
}

constexpr ControlDescription picker(std::string_view name, int x, int y) {
    return {.name = name, .kind = ControlKind::ColorPicker, .x = x, .y = y, .width = 49,
            .height = 24, .parent = sc::kPanel};
}

constexpr ControlDescription sizeBox(std::string_view name, int x) {
    return {.name = name, .kind = ControlKind::EditBox, .x = x, .y = 98, .width = 60,
            .height = 24, .caption = "100", .parent = sc::kPanel,
            .flags = kCentred | kIntegerInput};
}

constexpr auto kControls = std::to_array<ControlDescription>({
    {.name = sc::kTitle, .kind = ControlKind::Label, .x = 6, .y = 0, .width = 74, .height = 24,
     .caption = "设置", .colors = {0xFFFFFF, kStrip}},
    {.name = sc::kClose, .kind = ControlKind::ImageButton, .x = 312, .y = 0, .width = 24,
     .height = 24, .caption = "×", .colors = {0xFFFFFF, kStrip, 0xFF00FF, kStrip}},
    {.name = sc::kPanel, .kind = ControlKind::Panel, .x = 2, .y = 24, .width = 336,
     .height = 232, .colors = {kNoColor, kButtonFace}},
    label("标签2", 13, 37, 73, "工作区背景色"),
    picker(sc::kWorkAreaColor, 99, 38),
    label("标签3", 187, 21, 70, "热点区背景色"),
    picker(sc::kFillColor, 267, 22),
    label("标签6", 187, 52, 70, "热点区边框色"),
    picker(sc::kBorderColor, 267, 53),
    label("标签5", 16, 97, 70, "热点区尺寸"),
    sizeBox(sc::kWidth, 98),
    label("标签7", 167, 98, 19, "×"),
    sizeBox(sc::kHeight, 194),
    label("标签8", 258, 98, 33, "PX"),
    label("标签4", 16, 133, 70, "热区透明度"),
    {.name = sc::kTransparency, .kind = ControlKind::Slider, .x = 88, .y = 134, .width = 230,
     .height = 32, .parent = sc::kPanel},
    // Empty until a size is refused; then it names the allowed range.
    {.name = sc::kMessage, .kind = ControlKind::Label, .x = 16, .y = 166, .width = 310,
     .height = 18, .colors = {0xFF0000, kButtonFace}, .parent = sc::kPanel,
     .fontPixels = kCaptionPixels},
    {.name = sc::kConfirm, .kind = ControlKind::ImageButton, .x = 142, .y = 185, .width = 64,
     .height = 32, .caption = "确定", .colors = {0xFFFFFF, kStrip, 0xFFFFFF, 0x00E080},
     .parent = sc::kPanel},
});

constexpr WindowDescription kWindow{.name = "设置窗口", .width = 340, .height = 258,
                                    .alwaysOnTop = true, .background = kStrip,
                                    .controls = kControls};

// clang-format on
}  // namespace

const WindowDescription& settingsWindowDescription() {
    return kWindow;
}

}  // namespace velquist
