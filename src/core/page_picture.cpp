// A stacked page's addresses as one text.
#include "core/page_picture.h"

#include <algorithm>

namespace velquist {

std::vector<std::string> pageAddresses(std::string_view joined) {
    std::vector<std::string> addresses;
    size_t start = 0;
    while (start <= joined.size()) {
        const size_t end = std::min(joined.find('\n', start), joined.size());
        addresses.emplace_back(joined.substr(start, end - start));
        start = end + 1;
    }
    return addresses;
}

std::string joinedAddresses(const std::vector<PagePicture>& pictures) {
    std::string joined;
    for (size_t i = 0; i < pictures.size(); ++i) {
        joined += i == 0 ? "" : "\n";
        joined += pictures[i].address;
    }
    return joined;
}

}  // namespace velquist
