#include "slicing/address_list.h"

#include <gtest/gtest.h>

namespace velquist {
namespace {

TEST(PastedAddresses, OneAddressALineWithBlanksAndEmptyLinesLeftOut) {
    const Result<std::string> joined = pastedAddresses(
        "\n  https://img.example/a_01.jpg \r\n\r\n\thttps://img.example/a_02.jpg"
        "\u3000\n\n",
        2);
    ASSERT_TRUE(joined) << joined.error();
    EXPECT_EQ(*joined, "https://img.example/a_01.jpg\nhttps://img.example/a_02.jpg");
    // A page of one picture takes one address.
    EXPECT_EQ(pastedAddresses(" /home/d/p.jpg\n", 1).value_or(""), "/home/d/p.jpg");
}

TEST(PastedAddresses, ACountOtherThanThePicturesIsRefusedWithBothCounts) {
    EXPECT_EQ(pastedAddresses("a\nb\n\nc\n", 4).error(), "地址数量（3）与图片数量（4）不符");
    EXPECT_EQ(pastedAddresses("a\nb\nc\n", 2).error(), "地址数量（3）与图片数量（2）不符");
    EXPECT_EQ(pastedAddresses(" \n\n", 1).error(), "地址数量（0）与图片数量（1）不符");
}

}  // namespace
}  // namespace velquist
