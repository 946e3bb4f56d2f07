// The code-output window's controls.
#include "app/code_output_description.h"

#include <array>

namespace velquist {
namespace {

using namespace control_flag;
namespace cc = code_controls;

// Kept by hand: a control per line or two reads like the layout it describes.
// clang-format off
constexpr uint32_t kStrip = 0x606060;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr ControlColors kPlainLabel{0x000000, kWhite};
constexpr ControlColors kGreyButton{0x000000, 0xECECEC, 0xFF00FF, 0xECECEC};
constexpr ControlColors kGreenButton{0xFFFFFF, 0x80A080, 0xFFFFFF, 0x00E080};
constexpr std::string_view kCodePanel = "外形框2";
constexpr std::string_view kStripPanel = "外形框3";

constexpr auto kControls = std::to_array<ControlDescription>({
    {.name = cc::kTitle, .kind = ControlKind::Label, .x = 8, .y = 0, .width = 176, .height = 24,
     .caption = "代码输出", .colors = {0xFFFFFF, kStrip}},
    {.name = cc::kClose, .kind = ControlKind::ImageButton, .x = 504, .y = 0, .width = 24,
     .height = 24, .caption = "×", .colors = {0xFFFFFF, kStrip, 0xFF0000, kStrip}},
    {.name = "外形框1", .kind = ControlKind::Panel, .x = 2, .y = 24, .width = 526, .height = 389,
     .colors = {kNoColor, kWhite}},
    {.name = kCodePanel, .kind = ControlKind::Panel, .x = 11, .y = 11, .width = 504,
     .height = 295, .colors = {kNoColor, kWhite}, .parent = "外形框1"},
    {.name = cc::kSource, .kind = ControlKind::TextArea, .x = 9, .y = 9, .width = 486,
     .height = 244, .colors = {0x000000, 0xF7F7F7}, .parent = kCodePanel, .fontPixels = 12},
    {.name = cc::kSave, .kind = ControlKind::ImageButton, .x = 9, .y = 261, .width = 48,
     .height = 24, .caption = "保存", .colors = kGreyButton, .parent = kCodePanel},
    {.name = cc::kOpen, .kind = ControlKind::ImageButton, .x = 61, .y = 261, .width = 48,
     .height = 24, .caption = "打开", .colors = kGreyButton, .parent = kCodePanel},
    {.name = cc::kRegenerate, .kind = ControlKind::ImageButton, .x = 112, .y = 261, .width = 67,
     .height = 24, .caption = "重新生成", .colors = {0x000000, 0xECECEC, 0xFF0000, 0xECECEC},
     .parent = kCodePanel},
    {.name = cc::kOutline, .kind = ControlKind::ImageButton, .x = 183, .y = 261, .width = 72,
     .height = 24, .caption = "消除点击框", .colors = kGreyButton, .parent = kCodePanel},
    {.name = cc::kFramePreview, .kind = ControlKind::CheckBox, .x = 294, .y = 262, .width = 97,
     .height = 24, .caption = "使用框架预览", .colors = kPlainLabel, .parent = kCodePanel},
    {.name = cc::kPreview, .kind = ControlKind::ImageButton, .x = 397, .y = 261, .width = 48,
     .height = 24, .caption = "预览", .colors = kGreenButton, .parent = kCodePanel},
    {.name = cc::kCopy, .kind = ControlKind::ImageButton, .x = 448, .y = 261, .width = 48,
     .height = 24, .caption = "复制", .colors = kGreenButton, .parent = kCodePanel},
    {.name = kStripPanel, .kind = ControlKind::Panel, .x = 11, .y = 318, .width = 504,
     .height = 60, .colors = {kNoColor, kWhite}, .parent = "外形框1"},
    {.name = "标签2", .kind = ControlKind::Label, .x = 13, .y = 19, .width = 94, .height = 24,
     .caption = "转换成全屏效果", .colors = kPlainLabel, .parent = kStripPanel},
    {.name = cc::kEdition, .kind = ControlKind::DropDown, .x = 116, .y = 21, .width = 69,
     .height = 20, .caption = "天猫版|专业版|基础版", .parent = kStripPanel, .value = 1},
    {.name = "标签4", .kind = ControlKind::Label, .x = 195, .y = 19, .width = 42, .height = 24,
     .caption = "上间距", .colors = kPlainLabel, .parent = kStripPanel},
    {.name = cc::kTopSpacing, .kind = ControlKind::EditBox, .x = 246, .y = 20, .width = 40,
     .height = 24, .caption = "0", .parent = kStripPanel, .flags = kCentred | kIntegerInput},
    {.name = "标签3", .kind = ControlKind::Label, .x = 295, .y = 19, .width = 42, .height = 24,
     .caption = "偏移量", .colors = kPlainLabel, .parent = kStripPanel},
    {.name = cc::kOffset, .kind = ControlKind::EditBox, .x = 341, .y = 19, .width = 40,
     .height = 24, .caption = "-485", .parent = kStripPanel, .flags = kCentred | kIntegerInput},
    {.name = cc::kConvert, .kind = ControlKind::ImageButton, .x = 409, .y = 15, .width = 80,
     .height = 32, .caption = "转换并复制", .colors = {0xFFFFFF, 0x808080, 0xFFFFFF, 0x00E080},
     .parent = kStripPanel},
});

constexpr WindowDescription kWindow{.name = "代码输出窗口", .width = 530, .height = 415,
                                    .alwaysOnTop = true, .background = kStrip,
                                    .controls = kControls};

// clang-format on
}  // namespace

const WindowDescription& codeOutputWindowDescription() {
    return kWindow;
}

}  // namespace velquist
