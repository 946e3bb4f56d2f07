// Size checks and allocation shared by the picture decoders.
#include "pictures/picture_buffer.h"

#include <algorithm>
#include <new>

#include "core/template_fill.h"
#include "core/text.h"
#include "pictures/messages.h"

namespace velquist {

std::string withPictureLimits(std::string_view templ) {
    return fillTemplate(templ, {{"{边长}", formatNumber(kMaxPictureSide)},
                                {"{像素}", formatNumber(kMaxPicturePixels)}});
}

Status checkPictureSize(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0) {
        return Status::failure(pictures_messages::kPictureNoArea);
    }
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels) {
        return Status::failure(StatusCode::TooLarge,
                               withPictureLimits(pictures_messages::kPictureTooLarge));
    }
    return {};
}

Result<Picture> allocatePicture(int64_t width, int64_t height) {
    if (Status status = checkPictureSize(width, height); !status) {
        return status;
    }
    Picture picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    try {
        picture.pixels.assign(static_cast<size_t>(width * height), 0u);
    } catch (const std::bad_alloc&) {
        return Status::failure(pictures_messages::kPictureOutOfMemory);
    }
    return picture;
}

bool isWhollyOpaque(const Picture& picture) {
    return std::all_of(picture.pixels.begin(), picture.pixels.end(),
                       [](uint32_t pixel) { return (pixel >> 24) == 0; });
}

}  // namespace velquist
