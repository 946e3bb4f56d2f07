// Fuzz target: importing image-map code from a file or the clipboard into hotspots.
#include "core/encoding.h"
#include "fuzz_support.h"
#include "mapfile/image_map_import.h"
#include "mapfile/map_file.h"
#include "mapfile/map_limits.h"

using namespace velquist;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Result<ImportedMap> imported = importImageMap(fuzz::asBytes(data, size));
    if (!imported) {
        fuzz::require(!imported.error().empty(), "a refusal says why");
        return 0;
    }
    const MapDocument& map = imported->map;
    fuzz::require(!map.hotspots.empty(), "an import brings at least one hotspot");
    fuzz::require(checkMapLimits(map).ok(), "an imported map keeps the limits");
    fuzz::require(isValidUtf8(map.pictureAddress), "texts are UTF-8");
    for (const MapHotspot& h : map.hotspots) {
        fuzz::require(isValidUtf8(h.tip) && isValidUtf8(h.link), "texts are UTF-8");
    }
    // What was imported can be kept as the autosave.
    const Result<MapDocument> saved = readMapFile(writeMapFile(map));
    fuzz::require(saved.ok() && *saved == map, "an imported map saves and reads back");
    return 0;
}
