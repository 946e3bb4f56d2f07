// The status line after "生成代码": what may be wrong with the code, or nothing.
#include "codegen/code_notice.h"

#include <gtest/gtest.h>

namespace velquist {
namespace {

using Area = ImageMapInput::Area;

// The picture stands at (23, 0) on the canvas, 950 x 500.
constexpr Rect kPicture{23, 0, 950, 500};
constexpr const char* kSecure = "https://img.example/banner.jpg";

Area at(Rect rect, std::string link = "https://shop.example/1") {
    return {rect, "进店看看", std::move(link)};
}

struct Row {
    const char* what;
    ImageMapInput input;
    const char* notice;
};

void expectNotices(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        EXPECT_EQ(codeNotice(row.input), row.notice) << row.what;
    }
}

TEST(CodeNotice, CountsEachConcernOrSaysNothing) {
    const Area linked = at(Rect{73, 40, 100, 50});
    expectNotices({
        {"all well", {kSecure, kPicture, {at(Rect{23, 0, 950, 40}), linked}, {}}, ""},
        {"no hotspots", {kSecure, kPicture, {}, {}}, ""},
        {"empty, blank and # links; a # inside a link is fine",
         {kSecure,
          kPicture,
          {at(linked.rect, "#"), at(Rect{300, 40, 10, 10}, ""), at(Rect{400, 40, 10, 10}, " # "),
           at(Rect{500, 40, 10, 10}, "https://s/#top")},
          {}},
         "代码已生成；注意：3 个热区链接为空或 #"},
        {"past each edge by one pixel; touching the edges is inside",
         {kSecure,
          kPicture,
          {at(Rect{22, 10, 10, 10}), at(Rect{40, -1, 10, 10}), at(Rect{964, 30, 10, 10}),
           at(Rect{60, 491, 10, 10}), at(Rect{963, 490, 10, 10}), at(Rect{5000, 5000, 10, 10})},
          {}},
         "代码已生成；注意：5 个热区超出图片范围"},
        {"plain http",
         {"http://img.example/banner.jpg", kPicture, {linked}, {}},
         "代码已生成；注意：图片地址不是 https"},
        {"upper-case https is https", {"HTTPS://IMG.EXAMPLE/B.JPG", kPicture, {linked}, {}}, ""},
        {"a local file",
         {"/home/me/banner.png", kPicture, {linked}, {}},
         "代码已生成；注意：图片地址是本机文件"},
        {"a Windows file address",
         {"file:///C:/banner.png", kPicture, {linked}, {}},
         "代码已生成；注意：图片地址是本机文件"},
        {"nothing loaded", {"", Rect{}, {}, {}}, "代码已生成；注意：没有背景图片"},
    });
}

// A browser gives a click where areas overlap to the one first in the code; the editor draws the
// later one on top, so the designer cannot see which one wins.
TEST(CodeNotice, NamesOverlapsAndTheHotspotThePageGivesTheClickTo) {
    std::vector<Area> stacked(50'000, at(Rect{100, 100, 20, 20}));
    expectNotices({
        {"a partial overlap",
         {kSecure,
          kPicture,
          {at(Rect{30, 10, 20, 20}), at(Rect{100, 100, 20, 20}), at(Rect{110, 110, 20, 20})},
          {}},
         "代码已生成；注意：热区 2 与热区 3 重叠，网页上重叠处点到的是热区 2"},
        {"a later one wholly over an earlier one: the earlier one gets the click",
         {kSecure, kPicture, {at(Rect{100, 100, 20, 20}), at(Rect{90, 90, 40, 40})}, {}},
         "代码已生成；注意：热区 1 与热区 2 重叠，网页上重叠处点到的是热区 1"},
        {"edges that touch, and an overlap off the picture, are no overlap",
         {kSecure,
          kPicture,
          {at(Rect{100, 100, 20, 20}), at(Rect{120, 100, 20, 20}), at(Rect{100, 120, 20, 20}),
           at(Rect{23, 500, 20, 20}), at(Rect{23, 505, 20, 20}), at(Rect{200, 200, 0, 0}),
           at(Rect{200, 200, 0, 0})},
          {}},
         "代码已生成；注意：2 个热区超出图片范围"},
        {"two and three",
         {kSecure,
          kPicture,
          {at(Rect{100, 100, 20, 20}), at(Rect{300, 100, 20, 20}), at(Rect{310, 110, 20, 20}),
           at(Rect{110, 110, 20, 20})},
          {}},
         "代码已生成；注意：热区 1 与热区 4、热区 2 与热区 3 "
         "重叠，网页上重叠处点到的是编号小的热区"},
        {"the first three from the top, and how many in all",
         {kSecure,
          kPicture,
          {at(Rect{100, 300, 20, 20}), at(Rect{100, 100, 20, 20}), at(Rect{100, 310, 20, 20}),
           at(Rect{105, 105, 20, 20}), at(Rect{110, 110, 20, 20})},
          {}},
         "代码已生成；注意：热区 2 与热区 4、热区 2 与热区 5、热区 4 与热区 5 等 4 "
         "处重叠，网页上重叠处点到的是编号小的热区"},
        {"50,000 on one spot",
         {kSecure, kPicture, stacked, {}},
         "代码已生成；注意：热区 1 与热区 2、热区 1 与热区 3、热区 2 与热区 3 等 1249975000 "
         "处重叠，网页上重叠处点到的是编号小的热区"},
    });
}

// A stacked page's pictures may differ in width: beside a narrower one there is no picture to
// click, though the page's rectangle reaches there.
TEST(CodeNotice, StackedPageCountsWhatLiesBesideANarrowerPicture) {
    const std::vector<PagePicture> pictures{{kSecure, 950, 300}, {kSecure, 600, 200}};
    expectNotices({
        {"across the join; beside the lower picture, two overlapping there; across and beside",
         {kSecure,
          kPicture,
          {at(Rect{100, 280, 50, 40}), at(Rect{800, 400, 20, 20}), at(Rect{810, 410, 20, 20}),
           at(Rect{700, 290, 20, 20})},
          pictures},
         "代码已生成；注意：3 个热区超出图片范围"},
    });
}

TEST(CodeNotice, NamesLinkAndTipMistakesMostHarmfulFirst) {
    // Each on its own spot.
    ImageMapInput fine{kSecure, kPicture, {}, {}};
    for (const char* link :
         {"//item.taobao.com/item.htm?id=1", "/shop/view.htm", "#top", "?q=1", "mailto:a@b.c",
          "javascript:;", " https://s/1\r\n", "{{ item.url }}", "<%= link(3) %>"}) {
        fine.areas.push_back(
            at(Rect{100 + 20 * static_cast<int>(fine.areas.size()), 100, 10, 10}, link));
    }
    expectNotices({{"links a page reads as meant, and server templates", fine, ""}});
    ImageMapInput everything{
        "C:\\banner.png",
        kPicture,
        {at(Rect{100, 100, 10, 10}, "item.taobao.com/item.htm?id=1"),
         at(Rect{200, 100, 10, 10}, "https://s/a b"),
         at(Rect{300, 100, 10, 10}, "www.shop.example/x\xE3\x80\x80y"),
         at(Rect{400, 100, 10, 10}, "https://s/\n2"), at(Rect{500, 100, 10, 10}, "#"),
         at(Rect{505, 105, 10, 10}), at(Rect{-5, -5, 100, 100})},
        {}};
    everything.areas[0].tip = " ";
    everything.areas[1].tip = "Miva，我想你了";
    expectNotices({
        {"everything at once, most harmful first", everything,
         "代码已生成；注意：图片地址是本机文件；2 个热区链接缺少 https:// 开头，网页上会打不开；3 "
         "个热区链接中间有空格或换行；1 个热区链接为空或 #；热区 5 与热区 6 "
         "重叠，网页上重叠处点到的是热区 5；1 个热区超出图片范围；2 "
         "个热区提示文字为空或仍是“Miva，我想你了”"},
    });
}

}  // namespace
}  // namespace velquist
