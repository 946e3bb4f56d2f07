// The status line after "生成代码": what may be wrong with the code, or nothing.
#include "codegen/code_notice.h"

#include <gtest/gtest.h>

namespace velquist {
namespace {

using Area = ImageMapInput::Area;

// The picture stands at (23, 0) on the canvas, 950 x 500.
constexpr Rect kPicture{23, 0, 950, 500};
constexpr const char* kSecure = "https://img.example/banner.jpg";

TEST(CodeNotice, CountsEachConcernOrSaysNothing) {
    const Area linked{Rect{73, 40, 100, 50}, "a", "https://shop.example/1"};
    struct Row {
        const char* what;
        ImageMapInput input;
        const char* notice;
    };
    const Row rows[] = {
        {"all well", {kSecure, kPicture, {{Rect{23, 0, 950, 500}, "", "https://s/2"}, linked}}, ""},
        {"no hotspots", {kSecure, kPicture, {}}, ""},
        {"empty, blank and # links; a # inside a link is fine",
         {kSecure,
          kPicture,
          {{linked.rect, "", "#"},
           {Rect{300, 40, 10, 10}, "", ""},
           {Rect{400, 40, 10, 10}, "", " # "},
           {Rect{500, 40, 10, 10}, "", "https://s/#top"}}},
         "代码已生成；注意：3 个热区链接为空或 #"},
        {"past each edge by one pixel; touching the edges is inside",
         {kSecure,
          kPicture,
          {{Rect{22, 10, 10, 10}, "", "l"},
           {Rect{30, -1, 10, 10}, "", "t"},
           {Rect{964, 10, 10, 10}, "", "r"},
           {Rect{30, 491, 10, 10}, "", "b"},
           {Rect{963, 490, 10, 10}, "", "corner"},
           {Rect{5000, 5000, 10, 10}, "", "far"}}},
         "代码已生成；注意：5 个热区超出图片范围"},
        {"covered by a later one (the same rectangle too), not by an earlier one",
         {kSecure,
          kPicture,
          {{Rect{100, 100, 20, 20}, "", "small"},
           {Rect{100, 100, 20, 20}, "", "same"},
           {Rect{90, 90, 40, 40}, "", "over both"},
           {Rect{95, 95, 10, 10}, "", "above"},
           {Rect{200, 100, 20, 20}, "", "partly"},
           {Rect{210, 110, 20, 20}, "", "overlap"}}},
         "代码已生成；注意：2 个热区被后面的热区完全盖住"},
        {"plain http",
         {"http://img.example/banner.jpg", kPicture, {linked}},
         "代码已生成；注意：图片地址不是 https"},
        {"upper-case https is https", {"HTTPS://IMG.EXAMPLE/B.JPG", kPicture, {linked}}, ""},
        {"a local file",
         {"/home/me/banner.png", kPicture, {linked}},
         "代码已生成；注意：图片地址是本机文件"},
        {"a Windows file address",
         {"file:///C:/banner.png", kPicture, {linked}},
         "代码已生成；注意：图片地址是本机文件"},
        {"nothing loaded", {"", Rect{}, {}}, "代码已生成；注意：没有背景图片"},
        {"everything at once, in a fixed order",
         {"C:\\banner.png",
          kPicture,
          {{Rect{0, 0, 10, 10}, "", "#"}, {Rect{-5, -5, 100, 100}, "", "x"}}},
         "代码已生成；注意：1 个热区链接为空或 #，2 个热区超出图片范围，1 "
         "个热区被后面的热区完全盖住，"
         "图片地址是本机文件"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(codeNotice(row.input), row.notice) << row.what;
    }
}

}  // namespace
}  // namespace velquist
