// Wrapping code into a shop Tabs-widget snippet sized from the background picture.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velquist {

// The snippet templates, as GBK-era output formats reproduced byte for byte (unbalanced tags
// and the missing space in "aname" included).
extern const std::string_view kTabsTemplateTmall;  // edition 0, fixed class name
extern const std::string_view kTabsTemplateShop;   // every other edition, fresh class number

inline constexpr int kClassNumberMin = 10000;
inline constexpr int kClassNumberMax = 999999;

// What the conversion strip and the hidden size boxes hold.
struct TabsWidgetInput {
    int editionIndex = 1;         // selected item of the edition list, -1 when none
    std::string_view width;       // picture width text
    std::string_view height;      // picture height text
    std::string_view topSpacing;  // as typed
    std::string_view offset;      // as typed
    std::string_view code;        // the source box text that the snippet wraps
};

// The snippet; the class number of the shop template is drawn from the process generator.
std::string convertToTabsWidget(const TabsWidgetInput& input);
std::string convertToTabsWidget(const TabsWidgetInput& input, int classNumber);

// The offset that picking an edition writes into the offset box; nothing for other indices.
std::optional<std::string_view> editionOffset(int editionIndex);

}  // namespace velquist
