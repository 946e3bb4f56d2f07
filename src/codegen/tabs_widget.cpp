// Tabs-widget snippets filled in one pass.
#include "codegen/tabs_widget.h"

#include <array>
#include <cstdint>

#include "codegen/image_map.h"
#include "core/random.h"
#include "core/template_fill.h"
#include "core/text.h"

namespace velquist {

const std::string_view kTabsTemplateTmall =
    "<div class=\"J_TWidget\" data-widget-config=\"{'effect': 'fade', 'circular': true ,"
    "'contentCls':'mivami140606000635'}\" data-widget-type=\"Tabs\" "
    "style=\"height:总高px;overflow:hidden;\">  \t"
    "<div class=\"mivami140606000635\" style=\"height:总高px;\">  \t\t"
    "<div class=\"sn-simple-logo\" "
    "style=\"width:宽度px;height:高度px;top:auto;padding:0px;border:none;left:50%;\">  \t\t\t"
    "<div class=\"sn-simple-logo\" "
    "style=\"width:宽度px;height:高度px;padding:0px;border:none;left:偏移px;top:距顶px;\">"
    "  \t\t\t\t \t\r\n"
    "        <div class=\"footer-more-trigger\" "
    "style=\"left:偏移px;top:auto;border:none;padding:0;\">\r\n"
    "           Mivaqq000000000\r\n"
    "</div>\r\n"
    "    </div>\r\n"
    "</div>";

const std::string_view kTabsTemplateShop =
    " <!-- 本代码由MivaVelquist制作QQ000000000 -->"
    "<div class=\"J_TWidget\" data-widget-config=\"{'navCls':'hidden-nav','effect': 'fade', "
    "'circular': true ,'contentCls':'mivami_标识'}\" data-widget-type=\"Tabs\"> "
    "<div class=\"mivami_标识\" style=\"height:总高px\"> "
    "<div class=\"\" style=\"height:高度px;width:宽度px;left:偏移px;top:距顶px;\" >"
    "Mivaqq000000000</div> "
    "<ul class=\"hidden-nav\" "
    "style=\"display:none;height:0;line-height:0;font-size:0;overflow:hidden;\">"
    "<li class=\"ks-active\"></li></ul></div></div><aname=\"sgmb\"></a>";

namespace {

constexpr std::string_view kContentMarker = "Mivaqq000000000";

}  // namespace

std::string convertToTabsWidget(const TabsWidgetInput& input) {
    return convertToTabsWidget(input, randomInt(kClassNumberMin, kClassNumberMax));
}

std::string convertToTabsWidget(const TabsWidgetInput& input, int classNumber) {
    // The total height adds the integer values; the other boxes go in as typed, made safe for
    // the quoted style values they land in (a pasted one may hold a quote or an &).
    const int64_t total = int64_t{textToInteger(input.height)} + textToInteger(input.topSpacing);
    const std::string totalText = formatNumber(total);
    const bool tmall = input.editionIndex == 0;
    const int repeats = tmall ? 2 : 1;  // the Tmall template names most values twice
    const std::string classText = formatNumber(classNumber);
    const std::string width = quoteSafe(input.width);
    const std::string height = quoteSafe(input.height);
    const std::string topSpacing = quoteSafe(input.topSpacing);
    const std::string offset = quoteSafe(input.offset);
    const std::array<Placeholder, 7> steps{{
        {"标识", classText, tmall ? 0 : 2},
        {"总高", totalText, repeats},
        {"宽度", width, repeats},
        {"高度", height, repeats},
        {"距顶", topSpacing, 1},
        {"偏移", offset, repeats},
        {kContentMarker, input.code, 1, true},
    }};
    return fillTemplate(tmall ? kTabsTemplateTmall : kTabsTemplateShop, steps);
}

std::optional<std::string_view> editionOffset(int editionIndex) {
    constexpr std::array<std::string_view, 3> kOffsets{"-960", "-485", "-685"};
    if (editionIndex < 0 || editionIndex >= static_cast<int>(kOffsets.size())) {
        return std::nullopt;
    }
    return kOffsets[static_cast<size_t>(editionIndex)];
}

}  // namespace velquist
