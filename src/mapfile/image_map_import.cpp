// Image-map import through libxml2's HTML parser, which recovers from broken markup as browsers do.
#include "mapfile/image_map_import.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <memory>
#include <optional>
#include <vector>

#include "area_values.h"
#include "core/encoding.h"
#include "core/messages.h"
#include "core/template_fill.h"
#include "core/text.h"
#include "mapfile/char_refs.h"
#include "mapfile/map_limits.h"
#include "mapfile/messages.h"
#include "value_problems.h"

namespace velquist {
namespace {

namespace msg = mapfile_messages;

using Document = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

// The code as the parser gets it. Line breaks and zero bytes become what a browser makes of them,
// and every "&" is written as "&amp;": libxml2 knows fewer references than browsers and decodes
// only those ending in ";", so it hands back the raw values and decodeAttributeReferences reads
// them the browsers' way.
std::string prepared(std::string_view html) {
    if (html.starts_with("\xEF\xBB\xBF")) {
        html.remove_prefix(3);
    }
    std::string out;
    out.reserve(html.size() + html.size() / 8);
    for (size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '&') {
            out += "&amp;";
        } else if (c == '\r') {
            out += '\n';
            i += i + 1 < html.size() && html[i + 1] == '\n' ? 1 : 0;
        } else if (c == '\0') {
            out += "\xEF\xBF\xBD";
        } else {
            out += c;
        }
    }
    return out;
}

struct Parsed {
    Document doc{nullptr, &xmlFreeDoc};
    bool complete = false;  // false when the parser gave up part-way (e.g. at its nesting limit)
};

Parsed parse(const std::string& code) {
    constexpr int kOptions = HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                             HTML_PARSE_NOWARNING | HTML_PARSE_NODEFDTD | HTML_PARSE_IGNORE_ENC;
    Parsed parsed;
    const std::unique_ptr<htmlParserCtxt, decltype(&htmlFreeParserCtxt)> context(
        htmlNewParserCtxt(), &htmlFreeParserCtxt);
    if (context == nullptr) {
        return parsed;
    }
    parsed.doc.reset(htmlCtxtReadMemory(context.get(), code.data(), static_cast<int>(code.size()),
                                        nullptr, "UTF-8", kOptions));
    // Recovered errors leave the parser running; only a halt (depth limit, no memory) stops it.
    parsed.complete = context->disableSAX == 0;
    return parsed;
}

bool named(const xmlNode* node, std::string_view name) {
    return equalsIgnoreAsciiCase(reinterpret_cast<const char*>(node->name), name);
}

// Elements whose content a browser takes as text, never as markup.
bool holdsText(const xmlNode* node) {
    for (const std::string_view name : {"textarea", "template", "noscript", "xmp", "iframe",
                                        "noembed", "noframes", "title", "script", "style"}) {
        if (named(node, name)) {
            return true;
        }
    }
    return false;
}

// Every element below `container` in document order, except inside text-holding ones.
template <typename Visit>
void forEachElement(xmlNode* container, Visit visit) {
    xmlNode* node = container->children;
    while (node != nullptr) {
        const bool element = node->type == XML_ELEMENT_NODE;
        if (element) {
            visit(node);
        }
        if (element && node->children != nullptr && !holdsText(node)) {
            node = node->children;
            continue;
        }
        while (node != container && node->next == nullptr) {
            node = node->parent;
        }
        if (node == container) {
            break;
        }
        node = node->next;
    }
}

// An attribute's value with its references decoded, or nothing when it is absent.
std::optional<std::string> attribute(xmlNode* node, const char* name) {
    xmlAttr* attr = xmlHasProp(node, reinterpret_cast<const xmlChar*>(name));
    if (attr == nullptr) {
        return std::nullopt;
    }
    xmlChar* raw = xmlNodeGetContent(reinterpret_cast<xmlNode*>(attr));
    std::string value =
        raw != nullptr ? decodeAttributeReferences(reinterpret_cast<const char*>(raw)) : "";
    xmlFree(raw);
    return value;
}

// The map a usemap value names: by name or id, exactly, else ignoring ASCII case.
xmlNode* mapNamed(const std::vector<xmlNode*>& maps, std::string_view name) {
    for (const bool ignoreCase : {false, true}) {
        for (xmlNode* map : maps) {
            for (const char* key : {"name", "id"}) {
                const std::optional<std::string> value = attribute(map, key);
                if (value && (ignoreCase ? equalsIgnoreAsciiCase(*value, name) : *value == name)) {
                    return map;
                }
            }
        }
    }
    return nullptr;
}

struct Found {
    xmlNode* image = nullptr;
    std::string mapName;
    std::vector<xmlNode*> maps;
};

Found findImageAndMaps(xmlDoc* doc) {
    Found found;
    forEachElement(reinterpret_cast<xmlNode*>(doc), [&found](xmlNode* node) {
        if (named(node, "map")) {
            found.maps.push_back(node);
        } else if (found.image == nullptr && named(node, "img")) {
            const std::optional<std::string> usemap = attribute(node, "usemap");
            const std::string_view ref = usemap ? trimmed(*usemap, " \t\n\f\r") : "";
            const size_t hash = ref.find('#');
            // A name without "#" is not valid HTML, but hand-written code has it.
            const std::string_view name =
                hash == std::string_view::npos ? ref : ref.substr(hash + 1);
            if (!name.empty()) {
                found.image = node;
                found.mapName = std::string(name);
            }
        }
    });
    return found;
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

// The map's areas as hotspots; counts what is skipped. False when there are too many.
bool readAreas(xmlNode* mapElement, ImportedMap& imported, int& areas) {
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
        if (imported.map.hotspots.size() == static_cast<size_t>(kMaxMapHotspots)) {
            tooMany = true;
            return;
        }
        std::optional<std::string> tip = attribute(node, "alt");
        imported.map.hotspots.push_back(
            MapHotspot{*rect, tip ? std::move(*tip) : attribute(node, "title").value_or(""),
                       attribute(node, "href").value_or("")});
    });
    return !tooMany;
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
        return Status::failure(fillTemplate(
            msg::kCodeTooLarge, {{"{上限}", mapfile::mebibytes(kMaxImportedCodeBytes)}}));
    }
    if (!isValidUtf8(html)) {
        return Status::failure(core_messages::kInvalidUtf8);
    }
    const Parsed parsed = parse(prepared(html));
    if (!parsed.complete) {
        return Status::failure(msg::kCodeTooDeep);
    }
    // The parser gives no document for blank code.
    const Found found = parsed.doc != nullptr ? findImageAndMaps(parsed.doc.get()) : Found{};
    if (found.image == nullptr) {
        return Status::failure(msg::kNoMappedImage);
    }
    xmlNode* mapElement = mapNamed(found.maps, found.mapName);
    if (mapElement == nullptr) {
        return Status::failure(fillTemplate(msg::kMapMissing, {{"{名称}", found.mapName}}));
    }
    ImportedMap imported;
    readPicture(found.image, imported.map);
    int areas = 0;
    if (!readAreas(mapElement, imported, areas)) {
        return Status::failure(mapfile::tooManyHotspots());
    }
    if (areas == 0) {
        return Status::failure(fillTemplate(msg::kMapWithoutAreas, {{"{名称}", found.mapName}}));
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
    return fillTemplate(msg::kImported, {{"{个数}", count}}) + skippedTail(imported);
}

}  // namespace velquist
