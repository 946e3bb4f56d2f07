// One picture of a page that shops publish as a stack of pictures, each under the one before,
// left edges aligned.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velquist {

struct PagePicture {
    std::string address;  // as entered
    int width = 0;
    int height = 0;
    bool operator==(const PagePicture&) const = default;
};

// The most pictures one page holds: far more than a detail page is cut into.
inline constexpr int kMaxPagePictures = 100;

// The page the pictures make: as wide as the widest, as tall as all of them.
inline int pageWidth(const std::vector<PagePicture>& pictures) {
    int width = 0;
    for (const PagePicture& p : pictures) {
        width = p.width > width ? p.width : width;
    }
    return width;
}
inline long long pageHeight(const std::vector<PagePicture>& pictures) {
    long long height = 0;
    for (const PagePicture& p : pictures) {
        height += p.height;
    }
    return height;
}

// A stacked page's addresses travel as one text, a line each, top to bottom: as typed or pasted,
// loaded, shown and remembered. A page of one picture is its address alone.
std::vector<std::string> pageAddresses(std::string_view joined);
std::string joinedAddresses(const std::vector<PagePicture>& pictures);

}  // namespace velquist
