// The main window's controls, geometry, captions and colours.
#include "app/main_window_description.h"

#include <array>

namespace velquist {
namespace {

using namespace control_flag;
namespace mc = main_controls;

// Kept by hand: a control per line or two reads like the layout it describes.
// clang-format off
constexpr ControlColors kAlignColors{0x00E080, 0x606060, 0xFF5080, 0x606060};
constexpr ControlColors kTitleColors{0xFFFFFF, 0x414141, 0x00E080, 0x414141};
constexpr ControlColors kHandleColors{kNoColor, 0x0000FF};

constexpr auto kControls = std::to_array<ControlDescription>({
    {.name = mc::kBackground, .kind = ControlKind::ImageButton, .x = 2, .y = 0, .width = 79,
     .height = 33, .caption = "背景设置", .colors = {0xECECEC, 0x535353, 0xFF5080, 0x535353}},
    {.name = mc::kAlignLeft, .kind = ControlKind::ImageButton, .x = 82, .y = 0, .width = 55,
     .height = 33, .caption = "←", .tooltip = "背景左对齐", .colors = kAlignColors},
    {.name = mc::kAlignTop, .kind = ControlKind::ImageButton, .x = 138, .y = 0, .width = 55,
     .height = 33, .caption = "↑", .tooltip = "背景顶对齐", .colors = kAlignColors},
    {.name = mc::kAlignCentre, .kind = ControlKind::ImageButton, .x = 194, .y = 0, .width = 55,
     .height = 33, .caption = "o", .tooltip = "背景居中", .colors = kAlignColors,
     .fontPixels = 20},
    {.name = mc::kAlignRight, .kind = ControlKind::ImageButton, .x = 250, .y = 0, .width = 55,
     .height = 33, .caption = "→", .tooltip = "背景右对齐", .colors = kAlignColors},
    {.name = mc::kAlignBottom, .kind = ControlKind::ImageButton, .x = 306, .y = 0, .width = 55,
     .height = 33, .caption = "↓", .tooltip = "背景底对齐", .colors = kAlignColors},
    {.name = mc::kAddHotspot, .kind = ControlKind::ImageButton, .x = 362, .y = 0, .width = 79,
     .height = 33, .caption = "添加热区", .colors = {0xECECEC, 0x00E080, 0xFFFFFF, 0xFF5080},
     .flags = kDisabled},
    {.name = mc::kGenerateCode, .kind = ControlKind::ImageButton, .x = 736, .y = 0, .width = 88,
     .height = 33, .caption = "生成代码", .colors = {0x00E080, 0x606060, 0xFFFFFF, 0xFF5080}},
    {.name = mc::kDropDown, .kind = ControlKind::ImageButton, .x = 869, .y = 0, .width = 32,
     .height = 32, .caption = "∨", .colors = kTitleColors},
    {.name = mc::kMinimize, .kind = ControlKind::ImageButton, .x = 902, .y = 0, .width = 32,
     .height = 32, .caption = "－", .colors = kTitleColors},
    {.name = mc::kMaximize, .kind = ControlKind::ImageButton, .x = 935, .y = 0, .width = 32,
     .height = 32, .caption = "□", .colors = kTitleColors},
    {.name = mc::kClose, .kind = ControlKind::ImageButton, .x = 968, .y = 0, .width = 32,
     .height = 32, .caption = "×", .colors = {0xFFFFFF, 0x414141, 0xFF0000, 0x414141}},
    {.name = mc::kPages, .kind = ControlKind::Panel, .x = 2, .y = 32, .width = 996,
     .height = 624},
    {.name = mc::kCanvas, .kind = ControlKind::Canvas, .x = 0, .y = 0, .width = 996,
     .height = 560, .colors = {kNoColor, 0xFFFFFF}, .parent = mc::kPages},
    {.name = mc::kHandleTop, .kind = ControlKind::Label, .x = 96, .y = 8, .width = 5, .height = 5,
     .colors = kHandleColors, .parent = mc::kPages, .flags = kHidden | kSizeVerCursor},
    {.name = mc::kHandleRight, .kind = ControlKind::Label, .x = 64, .y = 8, .width = 5,
     .height = 5, .colors = kHandleColors, .parent = mc::kPages, .flags = kHidden | kSizeHorCursor},
    {.name = mc::kHandleBottom, .kind = ControlKind::Label, .x = 36, .y = 8, .width = 5,
     .height = 5, .colors = kHandleColors, .parent = mc::kPages, .flags = kHidden | kSizeVerCursor},
    {.name = mc::kHandleLeft, .kind = ControlKind::Label, .x = 16, .y = 8, .width = 5, .height = 5,
     .colors = kHandleColors, .parent = mc::kPages, .flags = kHidden | kSizeHorCursor},
    {.name = mc::kStatus, .kind = ControlKind::Label, .x = 9, .y = 658, .width = 976, .height = 24,
     .caption = "欢迎使用Velquist，请添加背景图片", .colors = {0xFFFFFF, 0x414141},
     .fontPixels = 14},
});

constexpr WindowDescription kMainWindow{
    .name = "MainWindow", .width = 1000, .height = 680, .alwaysOnTop = false,
    .background = 0x414141, .controls = kControls};

// clang-format on
}  // namespace

const WindowDescription& mainWindowDescription() {
    return kMainWindow;
}

}  // namespace velquist
