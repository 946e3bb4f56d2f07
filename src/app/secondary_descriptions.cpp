// The picture-address and hotspot-content windows' controls.
#include "app/secondary_descriptions.h"

#include <array>

namespace velquist {
namespace {

using namespace control_flag;
namespace ac = address_controls;
namespace cc = content_controls;

// Kept by hand: a control per line or two reads like the layout it describes.
// clang-format off
constexpr uint32_t kStrip = 0x606060;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr ControlColors kConfirmColors{0xFFFFFF, 0x00E080, 0xFFFFFF, 0xFF00FF};

constexpr auto kAddressControls = std::to_array<ControlDescription>({
    {.name = ac::kTitle, .kind = ControlKind::Label, .x = 7, .y = 0, .width = 81, .height = 24,
     .caption = "背景图片", .colors = {0xECECEC, kStrip}},
    {.name = ac::kClose, .kind = ControlKind::ImageButton, .x = 366, .y = 0, .width = 32,
     .height = 24, .caption = "×", .colors = {0xFFFFFF, kStrip, 0xFF00FF, kStrip}},
    {.name = "外形框1", .kind = ControlKind::Panel, .x = 2, .y = 24, .width = 396, .height = 187,
     .colors = {kNoColor, kWhite}},
    {.name = ac::kReadBackup, .kind = ControlKind::ImageButton, .x = 11, .y = 20, .width = 56,
     .height = 24, .caption = "读取备份", .colors = {0x606060, kWhite, 0x008080, kWhite},
     .parent = "外形框1"},
    {.name = ac::kAddress, .kind = ControlKind::EditBox, .x = 75, .y = 21, .width = 258,
     .height = 24, .colors = {0x000000, kWhite}, .parent = "外形框1"},
    {.name = ac::kPaste, .kind = ControlKind::ImageButton, .x = 338, .y = 21, .width = 44,
     .height = 24, .caption = "粘贴", .colors = {0xFFFFFF, 0x80A080, 0xFFFFFF, 0x00E080},
     .parent = "外形框1"},
    {.name = ac::kConfirm, .kind = ControlKind::ImageButton, .x = 174, .y = 69, .width = 72,
     .height = 35, .caption = "确定", .colors = kConfirmColors, .parent = "外形框1"},
    {.name = ac::kCancel, .kind = ControlKind::ImageButton, .x = 254, .y = 69, .width = 72,
     .height = 35, .caption = "取消", .colors = {0x606060, kWhite, 0x008080, kWhite},
     .parent = "外形框1"},
    // On: a new picture goes under the hotspots instead of replacing the map.
    {.name = ac::kKeepHotspots, .kind = ControlKind::CheckBox, .x = 18, .y = 75, .width = 90,
     .height = 24, .caption = "保留热区", .colors = {0x606060, kNoColor}, .parent = "外形框1"},
    {.name = ac::kHint, .kind = ControlKind::Label, .x = 18, .y = 127, .width = 360, .height = 24,
     .caption = "可输入网址（http/https）或本机图片文件的路径", .colors = {0x606060, kWhite},
     .parent = "外形框1"},
    {.name = "标签3", .kind = ControlKind::Label, .x = 18, .y = 153, .width = 360, .height = 24,
     .caption = "未勾选“保留热区”时换图会清除热区，可按Ctrl+Z恢复", .colors = {0x606060, kWhite},
     .parent = "外形框1"},
});

constexpr auto kContentControls = std::to_array<ControlDescription>({
    // Wide enough for the coordinates of the hotspot being edited.
    {.name = cc::kTitle, .kind = ControlKind::Label, .x = 8, .y = 0, .width = 340, .height = 24,
     .caption = "热点内容", .colors = {0xFFFFFF, kStrip}},
    {.name = cc::kClose, .kind = ControlKind::ImageButton, .x = 354, .y = 0, .width = 24,
     .height = 24, .caption = "×", .colors = {0xFFFFFF, kStrip, 0xFF0000, kStrip}},
    {.name = "外形框1", .kind = ControlKind::Panel, .x = 2, .y = 24, .width = 376, .height = 174,
     .colors = {kNoColor, kWhite}},
    {.name = "标签2", .kind = ControlKind::Label, .x = 9, .y = 18, .width = 64, .height = 24,
     .caption = "提示文字", .colors = {0x000000, kWhite}, .parent = "外形框1"},
    {.name = cc::kTip, .kind = ControlKind::EditBox, .x = 86, .y = 18, .width = 272, .height = 24,
     .caption = "快点我，受不了", .parent = "外形框1"},
    {.name = "标签3", .kind = ControlKind::Label, .x = 9, .y = 53, .width = 64, .height = 24,
     .caption = "链接地址", .colors = {0x000000, kWhite}, .parent = "外形框1"},
    {.name = cc::kLink, .kind = ControlKind::EditBox, .x = 86, .y = 53, .width = 272, .height = 24,
     .caption = "#", .colors = {0x008080, kNoColor}, .parent = "外形框1"},
    {.name = cc::kConfirm, .kind = ControlKind::ImageButton, .x = 166, .y = 111, .width = 56,
     .height = 32, .caption = "确定", .colors = kConfirmColors, .parent = "外形框1"},
});

constexpr WindowDescription kAddressWindow{.name = "图片地址窗口", .width = 400, .height = 213,
                                           .alwaysOnTop = true, .background = kStrip,
                                           .controls = kAddressControls};
constexpr WindowDescription kContentWindow{.name = "热点内容窗口", .width = 380, .height = 200,
                                           .alwaysOnTop = false, .background = kStrip,
                                           .controls = kContentControls};

// clang-format on
}  // namespace

const WindowDescription& pictureAddressWindowDescription() {
    return kAddressWindow;
}
const WindowDescription& contentWindowDescription() {
    return kContentWindow;
}

}  // namespace velquist
