// WebP through libwebp: still pictures, and the first frame of animated ones.
#include <webp/decode.h>
#include <webp/demux.h>

#include <cstring>
#include <memory>

#include "format_decoders.h"
#include "pictures/messages.h"
#include "pictures/picture_buffer.h"

namespace velquist {
namespace {

Status failure(VP8StatusCode code) {
    switch (code) {
        case VP8_STATUS_NOT_ENOUGH_DATA:
            return Status::failure(pictures_messages::kPictureTruncated);
        case VP8_STATUS_OUT_OF_MEMORY:
            return Status::failure(pictures_messages::kPictureOutOfMemory);
        default:
            return Status::failure(pictures_messages::kPictureDamaged);
    }
}

// libwebp gives alpha; pictures hold transparency, its complement.
void alphaToTransparency(Picture& picture) {
    for (uint32_t& pixel : picture.pixels) {
        pixel ^= 0xFF000000u;
    }
    picture.opaque = isWhollyOpaque(picture);
}

Status decodeStill(std::string_view bytes, Picture& picture) {
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config)) {
        return Status::failure(pictures_messages::kPictureDamaged);
    }
    config.output.colorspace = MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = reinterpret_cast<uint8_t*>(picture.pixels.data());
    config.output.u.RGBA.stride = picture.width * 4;
    config.output.u.RGBA.size = picture.pixels.size() * 4;
    const VP8StatusCode code =
        WebPDecode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &config);
    WebPFreeDecBuffer(&config.output);
    return code == VP8_STATUS_OK ? Status() : failure(code);
}

struct AnimDeleter {
    void operator()(WebPAnimDecoder* decoder) const { WebPAnimDecoderDelete(decoder); }
};

Status decodeFirstFrame(std::string_view bytes, Picture& picture) {
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options)) {
        return Status::failure(pictures_messages::kPictureDamaged);
    }
    options.color_mode = MODE_BGRA;
    options.use_threads = 0;
    const WebPData data{reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
    std::unique_ptr<WebPAnimDecoder, AnimDeleter> decoder(WebPAnimDecoderNew(&data, &options));
    WebPAnimInfo info;
    if (!decoder || !WebPAnimDecoderGetInfo(decoder.get(), &info) ||
        info.canvas_width != static_cast<uint32_t>(picture.width) ||
        info.canvas_height != static_cast<uint32_t>(picture.height)) {
        return Status::failure(pictures_messages::kPictureDamaged);
    }
    uint8_t* frame = nullptr;
    int timestamp = 0;
    if (!WebPAnimDecoderGetNext(decoder.get(), &frame, &timestamp)) {
        return Status::failure(pictures_messages::kPictureDamaged);
    }
    std::memcpy(picture.pixels.data(), frame, picture.pixels.size() * 4);
    return {};
}

}  // namespace

Result<Picture> decodeWebp(std::string_view bytes) {
    WebPBitstreamFeatures features;
    const VP8StatusCode code =
        WebPGetFeatures(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &features);
    if (code != VP8_STATUS_OK) {
        return failure(code);
    }
    Result<Picture> result = allocatePicture(features.width, features.height);
    if (!result) {
        return result;
    }
    Status status =
        features.has_animation ? decodeFirstFrame(bytes, *result) : decodeStill(bytes, *result);
    if (!status) {
        return status;
    }
    alphaToTransparency(*result);
    return result;
}

}  // namespace velquist
