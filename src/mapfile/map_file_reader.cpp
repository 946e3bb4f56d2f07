// Reading map files strictly: every value checked for presence, type and range.
#include <limits>
#include <optional>

#include <nlohmann/json.hpp>

#include "core/template_fill.h"
#include "core/text.h"
#include "mapfile/map_file.h"
#include "mapfile/map_limits.h"
#include "mapfile/messages.h"
#include "value_problems.h"

namespace velquist {
namespace {

using Json = nlohmann::json;
namespace msg = mapfile_messages;

// A real map file nests three levels deep and has about fourteen values per hotspot; anything far
// beyond is refused by a first pass that builds nothing, before it can take much memory.
constexpr int kMaxDepth = 16;
constexpr int64_t kMaxValues = int64_t{16} * (kMaxMapHotspots + 16);

enum class Shape { Fits, TooComplex, Damaged, Truncated };

// The first pass: counts values and nesting, and sees syntax errors with their position.
class ShapeCheck {
public:
    explicit ShapeCheck(size_t size) : m_size(size) {}
    Shape shape() const { return m_shape; }

    bool null() { return value(); }
    bool boolean(bool) { return value(); }
    bool number_integer(Json::number_integer_t) { return value(); }
    bool number_unsigned(Json::number_unsigned_t) { return value(); }
    bool number_float(Json::number_float_t, const Json::string_t&) { return value(); }
    bool string(Json::string_t&) { return value(); }
    bool binary(Json::binary_t&) { return value(); }
    bool key(Json::string_t&) { return true; }
    bool start_object(size_t) { return open(); }
    bool start_array(size_t) { return open(); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }
    bool parse_error(size_t, const std::string&, const Json::exception& e) {
        // Stopping past the last byte means the text ends early.
        const auto* syntax = dynamic_cast<const Json::parse_error*>(&e);
        m_shape = syntax != nullptr && syntax->byte > m_size ? Shape::Truncated : Shape::Damaged;
        return false;
    }

private:
    bool value() {
        if (++m_values > kMaxValues) {
            m_shape = Shape::TooComplex;
        }
        return m_shape == Shape::Fits;
    }
    bool open() {
        ++m_depth;
        if (m_depth > kMaxDepth) {
            m_shape = Shape::TooComplex;
        }
        return value();
    }
    bool close() {
        --m_depth;
        return true;
    }

    size_t m_size;
    int m_depth = 0;
    int64_t m_values = 0;
    Shape m_shape = Shape::Fits;
};

// Reads the fields of one object, keeping the first problem. Integers beyond the int range
// saturate, so that the limit check names them with their allowed range.
class FieldReader {
public:
    FieldReader(const Json& object, std::string place, std::string* problem)
        : m_object(object), m_place(std::move(place)), m_problem(problem) {}

    int integer(const char* key, std::string_view item) {
        const Json* value = find(key, item);
        if (value == nullptr) {
            return 0;
        }
        constexpr int kMin = std::numeric_limits<int>::min();
        constexpr int kMax = std::numeric_limits<int>::max();
        if (value->is_number_unsigned()) {
            const uint64_t v = value->get<uint64_t>();
            return v > static_cast<uint64_t>(kMax) ? kMax : static_cast<int>(v);
        }
        if (value->is_number_integer()) {
            const int64_t v = value->get<int64_t>();
            return v < kMin ? kMin : v > kMax ? kMax : static_cast<int>(v);
        }
        fail(item, msg::kNotInteger);
        return 0;
    }

    std::string text(const char* key, std::string_view item) {
        const Json* value = find(key, item);
        if (value != nullptr && !value->is_string()) {
            fail(item, msg::kNotText);
        }
        return value != nullptr && value->is_string() ? value->get<std::string>() : std::string();
    }

private:
    const Json* find(const char* key, std::string_view item) {
        const auto it = m_object.find(key);
        if (it == m_object.end()) {
            fail(item, msg::kMissing);
            return nullptr;
        }
        return &*it;
    }
    void fail(std::string_view item, std::string_view problem) {
        if (m_problem->empty()) {
            *m_problem = mapfile::valueProblem(m_place, item, problem);
        }
    }

    const Json& m_object;
    std::string m_place;
    std::string* m_problem;
};

// The member `key` when it is an object (or array), else nothing and a problem for `place`.
const Json* part(const Json& root, const char* key, bool array, std::string_view place,
                 std::string* problem) {
    const auto it = root.find(key);
    if (it != root.end() && (array ? it->is_array() : it->is_object())) {
        return &*it;
    }
    if (problem->empty()) {
        *problem = std::string(place) + msg::kBadShape;
    }
    return nullptr;
}

// The format and version fields decide whether the rest is ours to read.
Status checkFormat(const Json& root) {
    const auto format = root.is_object() ? root.find("format") : root.end();
    if (!root.is_object() || format == root.end() || !format->is_string() ||
        format->get_ref<const std::string&>() != kMapFileFormat) {
        return Status::failure(msg::kNotMapFile);
    }
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer() || *version < 1) {
        return Status::failure(msg::kBadVersion);
    }
    if (*version > kMapFileVersion) {
        return Status::failure(fillTemplate(msg::kFileTooNew, {{"{版本}", version->dump()}}));
    }
    return {};
}

// Version 2's list of the page's pictures, top to bottom.
void readPictures(const Json& list, MapDocument& map, std::string* problem) {
    if (list.empty()) {
        *problem = std::string(msg::kWherePictureList) + msg::kBadShape;
        return;
    }
    if (list.size() > size_t(kMaxPagePictures)) {
        *problem = mapfile::tooManyPictures();
        return;
    }
    std::vector<PagePicture> pictures;
    for (size_t i = 0; i < list.size() && problem->empty(); ++i) {
        std::string place = mapfile::picturePlace(i);
        if (!list[i].is_object()) {
            *problem = place + msg::kBadShape;
            break;
        }
        FieldReader fields(list[i], std::move(place), problem);
        PagePicture& p = pictures.emplace_back();
        p.address = fields.text("address", msg::kItemAddress);
        p.width = fields.integer("width", msg::kItemWidth);
        p.height = fields.integer("height", msg::kItemHeight);
    }
    setPagePictures(map, std::move(pictures));
}

MapDocument readDocument(const Json& root, int version, std::string* problem) {
    MapDocument map;
    if (version >= 2) {
        if (const Json* list = part(root, "pictures", true, msg::kWherePictureList, problem)) {
            readPictures(*list, map, problem);
        }
    } else if (const Json* picture = part(root, "picture", false, msg::kWherePicture, problem)) {
        FieldReader fields(*picture, msg::kWherePicture, problem);
        map.pictureAddress = fields.text("address", msg::kItemAddress);
        map.pictureWidth = fields.integer("width", msg::kItemWidth);
        map.pictureHeight = fields.integer("height", msg::kItemHeight);
    }
    if (const Json* background = part(root, "background", false, msg::kWhereBackground, problem)) {
        FieldReader fields(*background, msg::kWhereBackground, problem);
        map.backgroundPosition.x = fields.integer("x", msg::kItemX);
        map.backgroundPosition.y = fields.integer("y", msg::kItemY);
    }
    const Json* hotspots = part(root, "hotspots", true, msg::kWhereHotspotList, problem);
    if (hotspots == nullptr || !problem->empty()) {
        return map;
    }
    if (hotspots->size() > static_cast<size_t>(kMaxMapHotspots)) {
        *problem = mapfile::tooManyHotspots();
        return map;
    }
    map.hotspots.reserve(hotspots->size());
    for (size_t i = 0; i < hotspots->size() && problem->empty(); ++i) {
        const Json& entry = (*hotspots)[i];
        std::string place = mapfile::hotspotPlace(i);
        if (!entry.is_object()) {
            *problem = place + msg::kBadShape;
            break;
        }
        FieldReader fields(entry, std::move(place), problem);
        MapHotspot& h = map.hotspots.emplace_back();
        h.rect.left = fields.integer("left", msg::kItemLeft);
        h.rect.top = fields.integer("top", msg::kItemTop);
        h.rect.width = fields.integer("width", msg::kItemWidth);
        h.rect.height = fields.integer("height", msg::kItemHeight);
        h.tip = fields.text("tip", msg::kItemTip);
        h.link = fields.text("link", msg::kItemLink);
    }
    return map;
}

Result<Json> parse(std::string_view bytes) {
    if (trimmed(bytes, " \t\r\n").empty()) {
        return Status::failure(msg::kFileEmpty);
    }
    ShapeCheck check(bytes.size());
    try {
        Json::sax_parse(bytes.begin(), bytes.end(), &check);
    } catch (const Json::exception&) {
        return Status::failure(msg::kFileDamaged);  // e.g. a number too large for a double
    }
    switch (check.shape()) {
        case Shape::TooComplex:
            return Status::failure(msg::kFileTooComplex);
        case Shape::Truncated:
            return Status::failure(msg::kFileTruncated);
        case Shape::Damaged:
            return Status::failure(msg::kFileDamaged);
        case Shape::Fits:
            break;
    }
    return Json::parse(bytes.begin(), bytes.end(), nullptr, false);
}

}  // namespace

Result<MapDocument> readMapFile(std::string_view bytes) {
    const Result<Json> root = parse(bytes);
    if (!root) {
        return root.status();
    }
    if (Status format = checkFormat(*root); !format) {
        return format;
    }
    std::string problem;
    MapDocument map = readDocument(*root, root->at("version").get<int>(), &problem);
    if (problem.empty()) {
        if (Status limits = checkMapLimits(map); !limits) {
            problem = limits.message();
        }
    }
    if (!problem.empty()) {
        return Status::failure(msg::kInFile + problem);
    }
    return map;
}

}  // namespace velquist
