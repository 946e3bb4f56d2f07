// Writing map files, and the file operations around the reader.
#include "mapfile/map_file.h"

#include <nlohmann/json.hpp>

#include "core/file_io.h"
#include "core/messages.h"
#include "core/template_fill.h"
#include "core/text.h"
#include "mapfile/map_limits.h"
#include "mapfile/messages.h"
#include "value_problems.h"

namespace velquist {
namespace {

using Json = nlohmann::ordered_json;

std::string dumped(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::string writeMapFile(const MapDocument& map) {
    const bool stacked = !map.pictures.empty();
    Json pictures;
    if (stacked) {
        pictures = Json::array();
        for (const PagePicture& p : map.pictures) {
            pictures.push_back({{"address", p.address}, {"width", p.width}, {"height", p.height}});
        }
    } else {
        pictures = {{"address", map.pictureAddress},
                    {"width", map.pictureWidth},
                    {"height", map.pictureHeight}};
    }
    const Json background = {{"x", map.backgroundPosition.x}, {"y", map.backgroundPosition.y}};
    std::string out = "{\n  \"format\": " + dumped(kMapFileFormat) +
                      ",\n  \"version\": " + dumped(stacked ? kMapFileVersion : 1) +
                      (stacked ? ",\n  \"pictures\": " : ",\n  \"picture\": ") + dumped(pictures) +
                      ",\n  \"background\": " + dumped(background) + ",\n  \"hotspots\": [";
    const char* separator = "\n    ";
    for (const MapHotspot& h : map.hotspots) {
        const Json hotspot = {{"left", h.rect.left},   {"top", h.rect.top},
                              {"width", h.rect.width}, {"height", h.rect.height},
                              {"tip", h.tip},          {"link", h.link}};
        out += separator;
        out += dumped(hotspot);
        separator = ",\n    ";
    }
    out += "\n  ]\n}\n";
    return out;
}

std::string withMapFileExtension(std::string_view chosen) {
    const size_t n = kMapFileExtension.size();
    const bool has = chosen.size() >= n &&
                     equalsIgnoreAsciiCase(chosen.substr(chosen.size() - n), kMapFileExtension);
    std::string path(chosen);
    if (!has) {
        path += kMapFileExtension;
    }
    return path;
}

Status saveMapFile(const std::string& path, const MapDocument& map) {
    if (Status limits = checkMapLimits(map); !limits) {
        return limits;
    }
    const std::string bytes = writeMapFile(map);
    if (bytes.size() > kMaxMapFileBytes) {
        return Status::failure(fillTemplate(mapfile_messages::kMapTooLarge,
                                            {{"{上限}", formatByteSize(kMaxMapFileBytes)}}));
    }
    return writeFileAtomically(path, bytes);
}

Result<MapDocument> loadMapFile(const std::string& path) {
    Result<std::string> bytes = readWholeFile(path, kMaxMapFileBytes);
    if (bytes.code() == StatusCode::TooLarge) {
        // Larger than any map the tool writes: not a map file, whatever else it is.
        return Status::failure(StatusCode::Damaged, bytes.error());
    }
    if (!bytes) {
        return bytes.status();
    }
    Result<MapDocument> map = readMapFile(*bytes);
    if (!map) {
        return Status::failure(StatusCode::Damaged, map.error());
    }
    return map;
}

Status setAsideCorruptFile(const std::string& path) {
    const std::string aside = path + std::string(kSetAsideSuffix);
    return replaceFile(path, aside);
}

}  // namespace velquist
