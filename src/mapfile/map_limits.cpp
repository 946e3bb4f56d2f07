// Limits of a map, checked before saving and after reading or importing.
#include "mapfile/map_limits.h"

#include "mapfile/messages.h"
#include "value_problems.h"

namespace velquist {
namespace {

namespace msg = mapfile_messages;
using mapfile::valueProblem;

// The first problem found, or an empty string.
class Checker {
public:
    void range(std::string_view place, std::string_view item, int value, int min, int max) {
        if (m_problem.empty() && (value < min || value > max)) {
            m_problem = valueProblem(place, item, mapfile::outOfRange(min, max));
        }
    }
    void text(std::string_view place, std::string_view item, const std::string& value) {
        if (m_problem.empty() && static_cast<int64_t>(value.size()) > kMaxMapTextBytes) {
            m_problem = valueProblem(place, item, mapfile::tooLong(kMaxMapTextBytes));
        }
    }
    bool failed() const { return !m_problem.empty(); }
    Status status() const { return failed() ? Status::failure(m_problem) : Status(); }

private:
    std::string m_problem;
};

}  // namespace

Status checkMapLimits(const MapDocument& map) {
    if (map.hotspots.size() > static_cast<size_t>(kMaxMapHotspots)) {
        return Status::failure(mapfile::tooManyHotspots());
    }
    if (map.pictures.size() > size_t(kMaxPagePictures)) {
        return Status::failure(mapfile::tooManyPictures());
    }
    Checker check;
    // A stacked page is shown as one picture, within the same limits.
    const char* picture = map.pictures.empty() ? msg::kWherePicture : msg::kWherePage;
    check.text(picture, msg::kItemAddress, map.pictureAddress);
    check.range(picture, msg::kItemWidth, map.pictureWidth, 0, kMaxMapPictureSide);
    check.range(picture, msg::kItemHeight, map.pictureHeight, 0, kMaxMapPictureSide);
    for (size_t i = 0; i < map.pictures.size() && !check.failed(); ++i) {
        const PagePicture& p = map.pictures[i];
        const std::string place = mapfile::picturePlace(i);
        check.text(place, msg::kItemAddress, p.address);
        check.range(place, msg::kItemWidth, p.width, 1, kMaxMapPictureSide);
        check.range(place, msg::kItemHeight, p.height, 1, kMaxMapPictureSide);
    }
    const int far = kMaxMapCoordinate;
    check.range(msg::kWhereBackground, msg::kItemX, map.backgroundPosition.x, -far, far);
    check.range(msg::kWhereBackground, msg::kItemY, map.backgroundPosition.y, -far, far);
    for (size_t i = 0; i < map.hotspots.size() && !check.failed(); ++i) {
        const MapHotspot& h = map.hotspots[i];
        const std::string place = mapfile::hotspotPlace(i);
        check.range(place, msg::kItemLeft, h.rect.left, -far, far);
        check.range(place, msg::kItemTop, h.rect.top, -far, far);
        check.range(place, msg::kItemWidth, h.rect.width, 0, far);
        check.range(place, msg::kItemHeight, h.rect.height, 0, far);
        check.text(place, msg::kItemTip, h.tip);
        check.text(place, msg::kItemLink, h.link);
    }
    return check.status();
}

}  // namespace velquist
