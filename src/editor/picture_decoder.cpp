// Chooses the decoder by the data's signature.
#include "editor/picture_decoder.h"

#include "editor/format_decoders.h"
#include "editor/messages.h"

namespace velquist {

Result<Picture> decodePicture(std::string_view bytes) {
    if (bytes.empty()) {
        return Status::failure(messages::kPictureEmpty);
    }
    if (bytes.starts_with("BM")) {
        return decodeBmp(bytes);
    }
    return Status::failure(messages::kPictureUnrecognised);
}

}  // namespace velquist
