// Fuzz target: reading a map file from anywhere (an old autosave, a file the user picks).
#include "fuzz_support.h"
#include "mapfile/map_file.h"
#include "mapfile/map_limits.h"

using namespace velquist;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Result<MapDocument> map = readMapFile(fuzz::asBytes(data, size));
    if (!map) {
        fuzz::require(!map.error().empty(), "a refusal says why");
        return 0;
    }
    fuzz::require(checkMapLimits(*map).ok(), "a map read keeps the limits");
    const Result<MapDocument> again = readMapFile(writeMapFile(*map));
    fuzz::require(again.ok() && *again == *map, "a map read is written and read back unchanged");
    return 0;
}
