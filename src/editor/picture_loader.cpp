// Background picture loading.
#include "editor/picture_loader.h"

#include "core/text.h"
#include "editor/messages.h"
#include "pictures/picture_decoder.h"

namespace velquist {

bool addressAccepted(std::string_view address) {
    return address.find("http") != std::string_view::npos;
}

Result<Picture> loadPicture(const std::string& address, const std::atomic<bool>* cancel,
                            const HttpLimits& limits) {
    auto response = httpGet(address, cancel, limits);
    if (!response) {
        return response.status();
    }
    // Servers sometimes send the picture with an error status; the data decides, and the
    // status explains a failure better than "not a picture" does.
    auto picture = decodePicture(response->body);
    if (!picture && (response->status < 200 || response->status >= 300)) {
        return Status::failure(std::string(editor_messages::kHttpStatus) + formatNumber(response->status));
    }
    return picture;
}

}  // namespace velquist
