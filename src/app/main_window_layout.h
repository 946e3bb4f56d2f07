// Size-dependent geometry of the main window and its maximize/restore steps (no Qt here).
#pragma once

#include <string_view>

#include "core/geometry.h"

namespace velquist {

inline constexpr int kNormalWidth = 1000;
inline constexpr int kNormalHeight = 680;
inline constexpr std::string_view kCaptionNormal = "□";
inline constexpr std::string_view kCaptionMaximized = "◇";

// Where the size-dependent controls go for a window of `width` x `height`.
struct MainWindowLayout {
    int width = 0;
    int height = 0;
    Rect pages;         // 选择夹1 (left and top never change)
    Rect canvas;        // 动画框1, as large as the page container
    int closeLeft = 0;  // the title buttons and the code button move with the right edge
    int maximizeLeft = 0;
    int minimizeLeft = 0;
    int dropDownLeft = 0;
    int generateLeft = 0;
    int statusTop = 0;
    int statusWidth = 0;
};

MainWindowLayout layoutMainWindow(int height, int width);

// What the maximize button does, given its caption and the primary screen's full size.
struct MaximizeStep {
    std::string_view caption;  // the button's new caption
    bool dragToMove = false;
    int height = 0;
    int width = 0;
    bool centre = false;  // true: centre on the screen; false: move to (0, 0)
};

MaximizeStep toggleMaximize(std::string_view caption, int screenWidth, int screenHeight);

// Moving the mouse over the window's own area switches dragging on, except for a maximized or
// wider-than-normal window.
bool dragToMoveAfterMouseMove(bool dragToMove, bool maximized, int windowWidth);

}  // namespace velquist
