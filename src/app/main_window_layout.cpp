// Main window layout rules.
#include "app/main_window_layout.h"

namespace velquist {
namespace {

constexpr int kTaskbarAllowance = 40;  // the maximized window leaves room for a taskbar

}  // namespace

MainWindowLayout layoutMainWindow(const MainWindowLayout& form, int width, int height) {
    const int wider = width - form.width;
    const int taller = height - form.height;
    MainWindowLayout l = form;
    l.width = width;
    l.height = height;
    l.pages.width += wider;
    l.pages.height += taller;
    l.canvas.width += wider;
    l.canvas.height += taller;
    l.closeLeft += wider;
    l.maximizeLeft += wider;
    l.minimizeLeft += wider;
    l.dropDownLeft += wider;
    l.generateLeft += wider;
    l.statusTop += taller;
    l.statusWidth += wider;
    return l;
}

MaximizeStep toggleMaximize(bool maximized, int screenWidth, int screenHeight,
                            const MainWindowLayout& form) {
    if (maximized) {
        return {false, true, form.height, form.width, true};
    }
    return {true, false, screenHeight - kTaskbarAllowance, screenWidth, false};
}

std::string_view maximizeCaption(bool maximized) {
    return maximized ? kCaptionMaximized : kCaptionNormal;
}

bool dragToMoveAfterMouseMove(bool dragToMove, bool maximized, int windowWidth,
                              const MainWindowLayout& form) {
    return (!maximized && windowWidth <= form.width) ? true : dragToMove;
}

}  // namespace velquist
