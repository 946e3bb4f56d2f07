// Size-dependent geometry of the main window and its maximize/restore steps (no Qt here).
#pragma once

#include <string_view>

#include "core/geometry.h"

namespace velquist {

inline constexpr std::string_view kCaptionNormal = "□";
inline constexpr std::string_view kCaptionMaximized = "◇";

// Where the size-dependent controls are for a window of `width` x `height`.
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

// The layout for `width` x `height`, given `form`, the layout at the form's own (normal) size:
// the page container and its canvas grow with the window, the right-hand buttons keep their
// distance from the right edge, the status line its distance from the bottom and the right.
MainWindowLayout layoutMainWindow(const MainWindowLayout& form, int width, int height);

// What the maximize button does, given whether the window is maximized and the primary screen's
// full size.
struct MaximizeStep {
    bool maximized = false;  // after the step
    bool dragToMove = false;
    int height = 0;
    int width = 0;
    bool centre = false;  // true: centre on the screen; false: move to (0, 0)
};

// Restoring returns to the form's size.
MaximizeStep toggleMaximize(bool maximized, int screenWidth, int screenHeight,
                            const MainWindowLayout& form);
// The maximize button's caption: "□" for a normal window, "◇" for a maximized one.
std::string_view maximizeCaption(bool maximized);

// Moving the mouse over the window's own area switches dragging on, except for a maximized
// window or one wider than the form.
bool dragToMoveAfterMouseMove(bool dragToMove, bool maximized, int windowWidth,
                              const MainWindowLayout& form);

}  // namespace velquist
