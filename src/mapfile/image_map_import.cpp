// Image-map import through libxml2's HTML parser, which recovers from broken markup as browsers do.
#include "mapfile/image_map_import.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "area_values.h"
#include "core/encoding.h"
#include "core/messages.h"
#include "core/template_fill.h"
#include "core/text.h"
#include "html_elements.h"
#include "mapfile/map_limits.h"
#include "mapfile/messages.h"
#include "stacked_areas.h"
#include "value_problems.h"

namespace velquist {
namespace {

namespace msg = mapfile_messages;
using mapfile::attribute;
using mapfile::forEachElement;
using mapfile::named;
using mapfile::Parsed;

// The maps by the names a usemap value can give: name or id, exactly, else ignoring ASCII case;
// the first in the code wins. Looked up once per image, so a page of many stays quick.
class MapIndex {
public:
    explicit MapIndex(const std::vector<xmlNode*>& maps) {
        for (xmlNode* map : maps) {
            for (const char* key : {"name", "id"}) {
                if (const std::optional<std::string> value = attribute(map, key)) {
                    m_exact.try_emplace(*value, map);
                }
            }
        }
        // Case-blind matches come after every exact one, as in the order of the lookup.
        for (xmlNode* map : maps) {
            for (const char* key : {"name", "id"}) {
                if (const std::optional<std::string> value = attribute(map, key)) {
                    m_folded.try_emplace(asciiLower(*value), map);
                }
            }
        }
    }
    xmlNode* find(const std::string& name) const {
        if (const auto exact = m_exact.find(name); exact != m_exact.end()) {
            return exact->second;
        }
        const auto folded = m_folded.find(asciiLower(name));
        return folded != m_folded.end() ? folded->second : nullptr;
    }

private:
    std::unordered_map<std::string, xmlNode*> m_exact;
    std::unordered_map<std::string, xmlNode*> m_folded;
};

struct MappedImage {
    xmlNode* node = nullptr;
    std::string mapName;
};

struct Found {
    std::vector<MappedImage> images;  // every <img> with a usemap, in document order
    std::vector<xmlNode*> maps;
};

// The map name an <img>'s usemap gives, or nothing when it has none.
std::string usemapName(xmlNode* image) {
    const std::optional<std::string> usemap = attribute(image, "usemap");
    const std::string_view ref = usemap ? trimmed(*usemap, " \t\n\f\r") : "";
    const size_t hash = ref.find('#');
    // A name without "#" is not valid HTML, but hand-written code has it.
    return std::string(hash == std::string_view::npos ? ref : ref.substr(hash + 1));
}

Found findImagesAndMaps(xmlDoc* doc) {
    Found found;
    forEachElement(reinterpret_cast<xmlNode*>(doc), [&found](xmlNode* node) {
        if (named(node, "map")) {
            found.maps.push_back(node);
        } else if (named(node, "img")) {
            std::string name = usemapName(node);
            if (!name.empty()) {
                found.images.push_back({node, std::move(name)});
            }
        }
    });
    return found;
}

bool holdsArea(xmlNode* mapElement) {
    bool any = false;
    forEachElement(mapElement, [&any](xmlNode* node) { any = any || named(node, "area"); });
    return any;
}

// What is imported: the map, the picture that uses it (none for a map copied on its own), the
// name to report, and how many other maps with areas the code holds.
struct Chosen {
    xmlNode* map = nullptr;
    xmlNode* image = nullptr;
    std::string name;
    int otherMaps = 0;
    std::vector<std::pair<xmlNode*, xmlNode*>> pairs;  // every image whose map is there, and it
};

// The first image whose map is there; the other pairs are counted once per map they use.
Result<Chosen> chooseImagePair(const Found& found) {
    Chosen chosen;
    const MapIndex index(found.maps);
    std::unordered_set<xmlNode*> used;
    for (const MappedImage& image : found.images) {
        xmlNode* map = index.find(image.mapName);
        if (map == nullptr || !used.insert(map).second) {
            continue;
        }
        chosen.pairs.emplace_back(image.node, map);
        if (chosen.map == nullptr) {
            chosen.map = map;
            chosen.image = image.node;
            chosen.name = image.mapName;
        } else if (holdsArea(map)) {
            ++chosen.otherMaps;
        }
    }
    if (chosen.map == nullptr) {
        const std::string& name = found.images.front().mapName;
        return Status::failure(fillTemplate(msg::kMapMissing, {{"{名称}", name}}));
    }
    return chosen;
}

// Without any image the first map with areas is taken; the picture shown stays.
Result<Chosen> chooseBareMap(const Found& found) {
    if (found.maps.empty()) {
        return Status::failure(msg::kNoMap);
    }
    Chosen chosen;
    for (xmlNode* map : found.maps) {
        if (!holdsArea(map)) {
            continue;
        }
        if (chosen.map == nullptr) {
            chosen.map = map;
        } else {
            ++chosen.otherMaps;
        }
    }
    chosen.map = chosen.map != nullptr ? chosen.map : found.maps.front();
    const std::optional<std::string> name = attribute(chosen.map, "name");
    chosen.name = name ? *name : attribute(chosen.map, "id").value_or("");
    return chosen;
}

void readPicture(xmlNode* image, MapDocument& map) {
    map.pictureAddress = attribute(image, "src").value_or("");
    const std::optional<int> width = mapfile::pixelSize(attribute(image, "width").value_or(""));
    const std::optional<int> height = mapfile::pixelSize(attribute(image, "height").value_or(""));
    if (width && height) {
        map.pictureWidth = *width;
        map.pictureHeight = *height;
    }
}

// The map's areas as hotspots, moved down by `top`; counts what is skipped. False when there are
// too many.
bool readAreas(xmlNode* mapElement, ImportedMap& imported, std::vector<MapHotspot>& hotspots,
               int top, int& areas) {
    bool tooMany = false;
    forEachElement(mapElement, [&](xmlNode* node) {
        if (!named(node, "area") || tooMany) {
            return;
        }
        ++areas;
        const std::optional<std::string> shape = attribute(node, "shape");
        if (!mapfile::isRectShape(shape ? std::optional<std::string_view>(*shape) : std::nullopt)) {
            ++imported.skippedNonRect;
            return;
        }
        const std::optional<Rect> rect =
            mapfile::rectFromCoords(attribute(node, "coords").value_or(""));
        if (!rect) {
            ++imported.skippedBadCoords;
            return;
        }
        if (hotspots.size() == static_cast<size_t>(kMaxMapHotspots)) {
            tooMany = true;
            return;
        }
        std::optional<std::string> tip = attribute(node, "alt");
        hotspots.push_back(MapHotspot{rect->translated(0, top),
                                      tip ? std::move(*tip) : attribute(node, "title").value_or(""),
                                      attribute(node, "href").value_or("")});
    });
    return !tooMany;
}

// A picture of a stacked page, or nothing when the code does not say its size: without the
// heights the areas below it cannot be placed.
std::optional<PagePicture> pagePicture(xmlNode* image) {
    MapDocument one;
    readPicture(image, one);
    if (one.pictureWidth <= 0 || one.pictureHeight <= 0) {
        return std::nullopt;
    }
    return PagePicture{std::move(one.pictureAddress), one.pictureWidth, one.pictureHeight};
}

// The pictures of several pairs as one page, or nothing when one of them has no size. Pairs
// beyond the most a page holds are left, and counted as maps not imported.
std::optional<std::vector<PagePicture>> stackedPictures(const Chosen& chosen, int& otherMaps) {
    std::vector<PagePicture> pictures;
    int left = 0;
    for (const auto& [image, map] : chosen.pairs) {
        if (pictures.size() == size_t(kMaxPagePictures)) {
            left += holdsArea(map) ? 1 : 0;
            continue;
        }
        std::optional<PagePicture> picture = pagePicture(image);
        if (!picture) {
            return std::nullopt;
        }
        pictures.push_back(std::move(*picture));
    }
    otherMaps = left;
    return pictures;
}

// Each picture's areas moved down by the pictures above, then the parts split at the joins
// joined again. False when a map holds too many areas.
bool readPage(const Chosen& chosen, std::vector<PagePicture> pictures, ImportedMap& imported,
              int& areas) {
    std::vector<std::vector<MapHotspot>> maps(pictures.size());
    std::vector<int> joins;
    int top = 0;
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (i > 0) {
            joins.push_back(top);
        }
        if (!readAreas(chosen.pairs[i].second, imported, maps[i], top, areas)) {
            return false;
        }
        top += pictures[i].height;
    }
    imported.map.hotspots = mapfile::joinedAreas(std::move(maps), joins);
    setPagePictures(imported.map, std::move(pictures));
    return true;
}

// The chosen map, or the chosen pairs as one stacked page when there are several and each
// says its picture's size; without sizes the first pair is taken as before.
bool readChosen(const Chosen& chosen, ImportedMap& imported, int& areas) {
    if (chosen.pairs.size() > 1) {
        if (std::optional<std::vector<PagePicture>> page =
                stackedPictures(chosen, imported.otherMaps)) {
            return readPage(chosen, std::move(*page), imported, areas);
        }
    }
    if (imported.hasPicture) {
        readPicture(chosen.image, imported.map);
    }
    return readAreas(chosen.map, imported, imported.map.hotspots, 0, areas);
}

std::string skippedTail(const ImportedMap& imported) {
    std::string tail;
    const auto add = [&tail](const char* what, int count) {
        if (count > 0) {
            tail += tail.empty() ? msg::kSkipped : msg::kAnd;
            tail += fillTemplate(what, {{"{个数}", formatNumber(count)}});
        }
    };
    add(msg::kSkippedNonRect, imported.skippedNonRect);
    add(msg::kSkippedBadCoords, imported.skippedBadCoords);
    return tail;
}

}  // namespace

Result<ImportedMap> importImageMap(std::string_view html) {
    if (html.size() > kMaxImportedCodeBytes) {
        return Status::failure(
            StatusCode::TooLarge,
            fillTemplate(msg::kCodeTooLarge, {{"{上限}", formatByteSize(kMaxImportedCodeBytes)}}));
    }
    if (!isValidUtf8(html)) {
        return Status::failure(core_messages::kInvalidUtf8);
    }
    const Parsed parsed = mapfile::parse(mapfile::prepared(html));
    if (!parsed.complete) {
        return Status::failure(msg::kCodeTooDeep);
    }
    // The parser gives no document for blank code.
    const Found found = parsed.doc != nullptr ? findImagesAndMaps(parsed.doc.get()) : Found{};
    Result<Chosen> chosen = found.images.empty() ? chooseBareMap(found) : chooseImagePair(found);
    if (!chosen) {
        return chosen.status();
    }
    ImportedMap imported;
    imported.hasPicture = chosen->image != nullptr;
    imported.otherMaps = chosen->otherMaps;
    int areas = 0;
    if (!readChosen(*chosen, imported, areas)) {
        return Status::failure(mapfile::tooManyHotspots());
    }
    if (areas == 0) {
        return Status::failure(fillTemplate(msg::kMapWithoutAreas, {{"{名称}", chosen->name}}));
    }
    if (imported.map.hotspots.empty()) {
        return Status::failure(msg::kNoRectangles + skippedTail(imported));
    }
    if (Status limits = checkMapLimits(imported.map); !limits) {
        return limits;
    }
    return imported;
}

std::string importedMessage(const ImportedMap& imported) {
    const std::string count = formatNumber(static_cast<int64_t>(imported.map.hotspots.size()));
    const bool stacked = !imported.map.pictures.empty();
    const std::string pictures = formatNumber(static_cast<int64_t>(imported.map.pictures.size()));
    std::string message = fillTemplate(stacked ? msg::kImportedStacked : msg::kImported,
                                       {{"{张数}", pictures}, {"{个数}", count}}) +
                          skippedTail(imported);
    if (imported.otherMaps > 0) {
        message +=
            fillTemplate(msg::kOtherMapsLeft, {{"{个数}", formatNumber(imported.otherMaps)}});
    }
    return message;
}

MapDocument importedOnto(const ImportedMap& imported, MapDocument current) {
    if (imported.hasPicture) {
        return imported.map;
    }
    current.hotspots = imported.map.hotspots;
    return current;
}

}  // namespace velquist
