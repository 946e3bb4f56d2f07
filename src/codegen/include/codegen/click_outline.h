// Removing and restoring the browser's click outline on image-map areas (a plain text rewrite).
#pragma once

#include <string>
#include <string_view>

namespace velquist {

inline constexpr std::string_view kPlainAreaForm = "<area shape=";
// What every outline-free area begins with: `<area style="outline:none;" shape=...` as written
// now, `<area style="outline:none;""rect"` in files saved by earlier versions.
inline constexpr std::string_view kOutlineFreeAreaForm = "<area style=\"outline:none;\"";

struct OutlineToggle {
    std::string text;  // the code after the click (unchanged on failure)
    bool textChanged = false;
    bool removed = false;      // outlines are off after the click: the button offers to restore
    std::string_view message;  // status message, always shown with the timer
};

// One click of the button: with outlines on (`removed` false) it removes them (inserts the style
// after "<area"), else it restores them (both outline-free forms become `<area shape=` again).
// Matching ignores ASCII case and keeps the letters as written.
OutlineToggle toggleClickOutline(std::string_view text, bool removed);
// The button's caption: "消除点击框" while outlines are on, "恢复点击框" once removed.
std::string_view outlineCaption(bool removed);

}  // namespace velquist
