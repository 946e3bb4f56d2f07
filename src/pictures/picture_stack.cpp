// Stacking pictures into one page.
#include "pictures/picture_stack.h"

#include <algorithm>

#include "pictures/messages.h"
#include "pictures/picture_buffer.h"

namespace velquist {
namespace {

constexpr uint32_t kTransparent = 0xFF000000u;

}  // namespace

Result<Picture> stackPictures(const std::vector<const Picture*>& pictures) {
    int64_t width = 0;
    int64_t height = 0;
    std::vector<PicturePart> parts;
    for (const Picture* p : pictures) {
        width = std::max<int64_t>(width, p->width);
        height += p->height;
        if (p->parts.empty()) {
            parts.push_back({p->width, p->height});
        } else {
            parts.insert(parts.end(), p->parts.begin(), p->parts.end());
        }
    }
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels) {
        return Status::failure(StatusCode::TooLarge,
                               withPictureLimits(pictures_messages::kPageTooLarge));
    }
    Result<Picture> page = allocatePicture(width, height);
    if (!page) {
        return page;
    }
    uint32_t* out = page->pixels.data();
    bool opaque = true;
    for (const Picture* p : pictures) {
        for (int y = 0; y < p->height; ++y) {
            const uint32_t* row = p->pixels.data() + size_t(y) * size_t(p->width);
            out = std::copy(row, row + p->width, out);
            out = std::fill_n(out, width - p->width, kTransparent);
        }
        opaque = opaque && p->opaque && p->width == width;
    }
    page->opaque = opaque;
    page->parts = std::move(parts);
    return page;
}

}  // namespace velquist
