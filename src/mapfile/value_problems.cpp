// Wording of value problems, filled from the module's message templates.
#include "value_problems.h"

#include "core/template_fill.h"
#include "core/text.h"
#include "mapfile/map_limits.h"
#include "mapfile/messages.h"

namespace velquist::mapfile {

std::string hotspotPlace(size_t index) {
    const std::string number = formatNumber(static_cast<int64_t>(index) + 1);
    return fillTemplate(mapfile_messages::kWhereHotspot, {{"{序号}", number}});
}

std::string picturePlace(size_t index) {
    const std::string number = formatNumber(static_cast<int64_t>(index) + 1);
    return fillTemplate(mapfile_messages::kWherePagePicture, {{"{序号}", number}});
}

std::string valueProblem(std::string_view place, std::string_view item, std::string_view problem) {
    std::string out(place);
    out += mapfile_messages::kOf;
    out += item;
    out += problem;
    return out;
}

std::string outOfRange(int64_t min, int64_t max) {
    return fillTemplate(mapfile_messages::kOutOfRange,
                        {{"{最小}", formatNumber(min)}, {"{最大}", formatNumber(max)}});
}

std::string tooLong(int64_t limitBytes) {
    return fillTemplate(mapfile_messages::kTooLong, {{"{上限}", formatNumber(limitBytes)}});
}

std::string tooManyHotspots() {
    return fillTemplate(mapfile_messages::kTooManyHotspots,
                        {{"{上限}", formatNumber(kMaxMapHotspots)}});
}

std::string tooManyPictures() {
    return fillTemplate(mapfile_messages::kTooManyPictures,
                        {{"{上限}", formatNumber(kMaxPagePictures)}});
}

}  // namespace velquist::mapfile
