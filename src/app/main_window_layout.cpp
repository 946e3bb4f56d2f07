// Main window layout rules.
#include "app/main_window_layout.h"

namespace velquist {
namespace {

constexpr int kPagesLeft = 2;
constexpr int kPagesTop = 32;
constexpr int kTaskbarAllowance = 40;  // the maximized window leaves room for a taskbar

}  // namespace

MainWindowLayout layoutMainWindow(int width, int height) {
    MainWindowLayout l;
    l.width = width;
    l.height = height;
    l.pages = {kPagesLeft, kPagesTop, width - 4, height - 56};
    l.canvas = {0, 0, l.pages.width, l.pages.height};
    l.closeLeft = width - 32;
    l.maximizeLeft = width - 65;
    l.minimizeLeft = width - 98;
    l.dropDownLeft = width - 131;
    l.generateLeft = width - 235;
    l.statusTop = l.pages.top + l.pages.height;
    l.statusWidth = width - 10;
    return l;
}

MaximizeStep toggleMaximize(bool maximized, int screenWidth, int screenHeight) {
    if (maximized) {
        return {false, true, kNormalHeight, kNormalWidth, true};
    }
    return {true, false, screenHeight - kTaskbarAllowance, screenWidth, false};
}

std::string_view maximizeCaption(bool maximized) {
    return maximized ? kCaptionMaximized : kCaptionNormal;
}

bool dragToMoveAfterMouseMove(bool dragToMove, bool maximized, int windowWidth) {
    return (!maximized && windowWidth <= kNormalWidth) ? true : dragToMove;
}

}  // namespace velquist
