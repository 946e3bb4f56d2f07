// Qt-free descriptions of windows and their controls, which the builder turns into widgets.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace velquist {

enum class ControlKind {
    ImageButton,  // flat button drawing its caption on a filled background
    Label,
    EditBox,   // one line
    TextArea,  // multi-line with a vertical scroll bar
    CheckBox,
    DropDown,  // items separated by '|' in the caption, `value` is the selected index
    ColorPicker,
    Slider,
    Panel,  // a filled rectangle holding child controls
    Canvas,
};

// Colours as 0xRRGGBB; kNoColor leaves the platform's own, kButtonFace takes the system's
// button-face colour (both lie outside 0xRRGGBB).
inline constexpr uint32_t kNoColor = 0xFFFFFFFFu;
inline constexpr uint32_t kButtonFace = 0xFFFFFFFEu;

struct ControlColors {
    uint32_t text = kNoColor;
    uint32_t background = kNoColor;
    uint32_t hoverText = kNoColor;
    uint32_t hoverBackground = kNoColor;
};

namespace control_flag {
inline constexpr unsigned kHidden = 1u << 0;
inline constexpr unsigned kDisabled = 1u << 1;
inline constexpr unsigned kCentred = 1u << 2;       // text centred in an edit box
inline constexpr unsigned kIntegerInput = 1u << 3;  // typing keeps only digits and "-"
inline constexpr unsigned kSizeVerCursor = 1u << 4;
inline constexpr unsigned kSizeHorCursor = 1u << 5;
}  // namespace control_flag

struct ControlDescription {
    std::string_view name;  // the Qt object name
    ControlKind kind = ControlKind::Label;
    int x = 0;  // relative to the parent
    int y = 0;
    int width = 0;
    int height = 0;
    std::string_view caption = {};
    std::string_view tooltip = {};
    ControlColors colors = {};
    std::string_view parent = {};  // empty: the window itself
    unsigned flags = 0;
    int fontPixels = 0;  // 0: the default size
    int value = 0;       // selected item of a drop-down list
};

struct WindowDescription {
    std::string_view name;
    int width = 0;
    int height = 0;
    bool alwaysOnTop = false;
    uint32_t background = kNoColor;
    std::span<const ControlDescription> controls;
};

}  // namespace velquist
