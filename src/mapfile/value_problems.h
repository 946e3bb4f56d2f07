// Wording shared by the map limits and the map file reader: "{位置}的{项}{问题}".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velquist::mapfile {

// "第 3 个热区" for the hotspot at `index` (counting from 0, as the table's rows are shown).
std::string hotspotPlace(size_t index);
// "第 2 张图片" for the picture of a stacked page at `index` (counting from 0).
std::string picturePlace(size_t index);
std::string valueProblem(std::string_view place, std::string_view item, std::string_view problem);
std::string outOfRange(int64_t min, int64_t max);
std::string tooLong(int64_t limitBytes);
std::string tooManyHotspots();
std::string tooManyPictures();

}  // namespace velquist::mapfile
