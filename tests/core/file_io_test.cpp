// Whole-file reads and atomic writes.
#include "core/file_io.h"

#include <atomic>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/read_only.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

size_t entriesIn(const std::string& dir) {
    size_t n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir)) {
        ++n;
    }
    return n;
}

TEST(AtomicWrite, ReplacesContentAndKeepsPermissions) {
    test::TempDir dir;
    const std::string path = dir.file("a.txt");
    ASSERT_TRUE(writeFileAtomically(path, std::string("first\0second", 12)).ok());
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const fs::perms before = fs::status(path).permissions();
    ASSERT_TRUE(writeFileAtomically(path, "new").ok());
    EXPECT_EQ(*readWholeFile(path), "new");
    EXPECT_EQ(fs::status(path).permissions(), before);
    EXPECT_EQ(entriesIn(dir.path()), 1u);  // no temporary file left over
}

TEST(AtomicWrite, FailuresLeaveNothingBehind) {
    test::TempDir dir;
    const std::string path = dir.file("a.txt");
    ASSERT_TRUE(writeFileAtomically(path, "old").ok());
    const Status intoMissing = writeFileAtomically(dir.file("no/such/dir/x"), "x");
    EXPECT_EQ(intoMissing.message(), "文件或文件夹不存在");
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_FALSE(writeFileAtomically(dir.file("folder"), "x").ok());
    std::filesystem::remove(dir.file("folder"));

    {
        test::ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.holds()) {
            GTEST_SKIP() << test::ReadOnlyFolder::kWhyNot;
        }
        const Status st = writeFileAtomically(path, "new");
        EXPECT_FALSE(st.ok());
        EXPECT_EQ(st.message(), "没有权限");
    }
    EXPECT_EQ(*readWholeFile(path), "old");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(CanCreateFilesIn, TellsWritableFoldersFromOthersAndLeavesNothing) {
    test::TempDir dir;
    EXPECT_TRUE(canCreateFilesIn(dir.path()));
    EXPECT_EQ(entriesIn(dir.path()), 0u);
    EXPECT_FALSE(canCreateFilesIn(dir.file("missing")));
    test::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.holds()) {
        GTEST_SKIP() << test::ReadOnlyFolder::kWhyNot;
    }
    EXPECT_FALSE(canCreateFilesIn(dir.path()));
}

// Callers word each kind of failure themselves, so the kind must be right, not only the words.
TEST(ReadWholeFile, RefusesFoldersMissingFilesAndOversizedFilesByKind) {
    test::TempDir dir;
    EXPECT_EQ(readWholeFile(dir.path()).error(), "这是一个文件夹，不是文件");
    EXPECT_EQ(readWholeFile(dir.path()).code(), StatusCode::Folder);
    EXPECT_EQ(readWholeFile(dir.file("missing")).error(), "文件或文件夹不存在");
    EXPECT_EQ(readWholeFile(dir.file("missing")).code(), StatusCode::NotFound);
    ASSERT_TRUE(writeFileAtomically(dir.file("big"), std::string(100, 'x')).ok());
    EXPECT_EQ(readWholeFile(dir.file("big"), 99).code(), StatusCode::TooLarge);
    EXPECT_EQ(readWholeFile(dir.file("big"), 100)->size(), 100u);
    const std::atomic<bool> cancelled{true};
    EXPECT_EQ(readWholeFile(dir.file("big"), 100, &cancelled).code(), StatusCode::Cancelled);
}

}  // namespace
}  // namespace velquist
