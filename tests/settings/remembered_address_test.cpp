// The remembered background address: kept in pz.ini, and a failed write is said, not swallowed.
#include "settings/remembered_address.h"

#include <gtest/gtest.h>

#include "support/read_only.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

TEST(RememberedAddress, KeptInPzIniAndAFailedWriteIsReported) {
    test::TempDir dir;
    const Status saved = rememberAddress(dir.path(), "https://img.example/热区.png");
    ASSERT_TRUE(saved) << saved.message();
    EXPECT_EQ(readRememberedAddress(dir.path()), "https://img.example/热区.png");
    EXPECT_EQ(rememberedAddressNote(saved), "");

    Status refused;
    {
        test::ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.holds()) {
            GTEST_SKIP() << test::ReadOnlyFolder::kWhyNot;
        }
        refused = rememberAddress(dir.path(), "https://img.example/b.png");
    }
    ASSERT_FALSE(refused);
    EXPECT_EQ(rememberedAddressNote(refused), "；备份地址未能保存：" + refused.message());
    EXPECT_EQ(readRememberedAddress(dir.path()), "https://img.example/热区.png");
}

}  // namespace
}  // namespace velquist
