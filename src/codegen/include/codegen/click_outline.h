// Removing and restoring the browser's click outline on image-map areas (a plain text rewrite).
#pragma once

#include <string>
#include <string_view>

namespace velquist {

inline constexpr std::string_view kPlainAreaForm = "<area shape=";
inline constexpr std::string_view kOutlineFreeAreaForm = "<area style=\"outline:none;\"";

struct OutlineToggle {
    std::string text;  // the code after the click (unchanged on failure)
    bool textChanged = false;
    std::string_view caption;  // the button's new caption, which is its mode
    std::string_view message;  // status message, always shown with the timer
};

// One click of the button whose caption is `caption`: "消除点击框" removes outlines, any other
// caption restores them. Counting ignores ASCII case, replacing matches exactly, so a form in
// capitals counts towards success but stays as written.
OutlineToggle toggleClickOutline(std::string_view text, std::string_view caption);

}  // namespace velquist
