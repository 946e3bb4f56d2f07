// Background picture loading: from the web or from a file on this computer.
#include "editor/picture_loader.h"

#include "core/address.h"
#include "core/file_io.h"
#include "core/template_fill.h"
#include "core/text.h"
#include "editor/messages.h"
#include "pictures/picture_decoder.h"

namespace velquist {
namespace {

Status tooLarge(uint64_t maxBytes) {
    return Status::failure(
        StatusCode::TooLarge,
        fillTemplate(editor_messages::kFileOverLimit, {{"{上限}", formatByteSize(maxBytes)}}));
}

Result<Picture> fetchPicture(const std::string& address, const std::atomic<bool>* cancel,
                             const HttpLimits& limits, const HttpProgressHandler& onProgress) {
    auto response = httpGet(address, cancel, limits, onProgress);
    if (!response) {
        return response.status();
    }
    // Servers sometimes send the picture with an error status; the data decides, and the
    // status explains a failure better than "not a picture" does.
    auto picture = decodePicture(response->body);
    if (!picture && (response->status < 200 || response->status >= 300)) {
        return Status::failure(std::string(editor_messages::kHttpStatus) +
                               formatNumber(response->status));
    }
    return picture;
}

}  // namespace

Result<std::string> readPictureFile(const std::string& path, uint64_t maxBytes,
                                    const std::atomic<bool>* cancel) {
    Result<std::string> read = readWholeFile(path, maxBytes, cancel);
    switch (read.code()) {
        case StatusCode::Ok:
        case StatusCode::Cancelled:
            return read;
        case StatusCode::NotFound:
            return Status::failure(StatusCode::NotFound, editor_messages::kFileMissing);
        case StatusCode::Folder:
            return Status::failure(StatusCode::Folder, editor_messages::kFileIsFolder);
        case StatusCode::NotRegular:
            return Status::failure(StatusCode::NotRegular, editor_messages::kFileNotRegular);
        case StatusCode::TooLarge:
            return tooLarge(maxBytes);
        default:
            return Status::failure(read.code(), editor_messages::kFileUnreadable + read.error());
    }
}

bool addressAccepted(std::string_view address) {
    return classifyAddress(address).kind != AddressKind::Refused;
}

Result<std::string> acceptAddress(std::string_view typed) {
    const ClassifiedAddress where = classifyAddress(typed);
    if (where.kind == AddressKind::Refused) {
        return Status::failure(where.reason);
    }
    return std::string(trimmed(typed, " \t\r\n\f\v"));
}

Result<Picture> loadPicture(const std::string& address, const std::atomic<bool>* cancel,
                            const HttpLimits& limits, const HttpProgressHandler& onProgress) {
    const ClassifiedAddress where = classifyAddress(address);
    switch (where.kind) {
        case AddressKind::Web:
            return fetchPicture(address, cancel, limits, onProgress);
        case AddressKind::LocalFile:
            break;
        case AddressKind::Refused:
            return Status::failure(where.reason);
    }
    auto bytes = readPictureFile(where.path, limits.maxBytes, cancel);
    if (!bytes) {
        return bytes.status();
    }
    return decodePicture(*bytes);
}

}  // namespace velquist
