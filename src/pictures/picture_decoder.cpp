// Chooses the decoder by the data's signature.
#include "pictures/picture_decoder.h"

#include "format_decoders.h"
#include "pictures/messages.h"

namespace velquist {

Result<Picture> decodePicture(std::string_view bytes) {
    using namespace std::string_view_literals;
    if (bytes.empty()) {
        return Status::failure(pictures_messages::kPictureEmpty);
    }
    if (bytes.size() > 5 && (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a"))) {
        return decodeGif(bytes);
    }
    if (bytes.size() > 7 && bytes.starts_with("\x89PNG\r\n\x1A\n"sv)) {
        return decodePng(bytes);
    }
    // What remains is what a general picture decoder takes, each known by its own signature.
    if (bytes.starts_with("BM")) {
        return decodeBmp(bytes);
    }
    if (bytes.starts_with("\xFF\xD8\xFF"sv)) {
        return decodeJpeg(bytes);
    }
    if (bytes.size() >= 12 && bytes.starts_with("RIFF") && bytes.substr(8, 4) == "WEBP") {
        return decodeWebp(bytes);
    }
    return Status::failure(pictures_messages::kPictureUnrecognised);
}

}  // namespace velquist
