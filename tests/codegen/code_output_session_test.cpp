// The code-output window's actions as state transitions: status timer, reports and failures.
#include "codegen/code_output_session.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "codegen/code_files.h"
#include "core/file_io.h"
#include "support/read_only.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

TEST(StatusLine, QuickMessagesShareTheFirstTimer) {
    StatusLine s;
    EXPECT_EQ(s.caption(), "代码输出");
    EXPECT_TRUE(s.show("复制完成", true));         // starts the timer
    EXPECT_FALSE(s.show("已重新生成代码", true));  // replaces the text, timer not restarted
    EXPECT_EQ(s.caption(), "已重新生成代码");
    EXPECT_FALSE(s.show("保存代码完成", false));
    s.timerFired();  // the first message's timer clears whatever stands
    EXPECT_EQ(s.caption(), "代码输出");

    // A message without the timer stays; a stray tick does not clear it.
    s.show("保存代码完成", false);
    s.timerFired();
    EXPECT_EQ(s.caption(), "保存代码完成");
    EXPECT_TRUE(s.show("复制完成", true));  // a stopped timer starts again
}

TEST(CodeOutputSession, SaveAndOpenReportAndRemember) {
    test::TempDir dir;
    CodeOutputSession session(dir.path());
    EXPECT_TRUE(session.copy("").startStatusTimer);

    const WindowUpdate saved = session.save(dir.file("code"), "<map>😀</map>");
    EXPECT_EQ(session.statusCaption(), "保存代码完成");
    EXPECT_FALSE(saved.startStatusTimer);
    // The dialog offers the chosen name; saving under it as "code.txt" writes the same file.
    EXPECT_EQ(session.lastChosenFile(), dir.file("code"));
    session.save(session.lastChosenFile() + ".txt", "<map>second</map>");
    EXPECT_FALSE(pathExists(dir.file("code.txt.txt")));

    EXPECT_EQ(session.open(dir.file("code.txt")).source, "<map>second</map>");
    EXPECT_EQ(session.statusCaption(), "打开代码完成");
    session.statusTimerFired();  // the copy's timer
    EXPECT_EQ(session.statusCaption(), "代码输出");

    session.save(std::nullopt, "x");
    EXPECT_EQ(session.statusCaption(), "已取消保存，没有选择保存路径");
    EXPECT_TRUE(session.open(std::nullopt).startStatusTimer);
    EXPECT_EQ(session.statusCaption(), "已取消打开，没有选择保存路径");
    EXPECT_EQ(session.lastChosenFile(), dir.file("code.txt"));
}

TEST(CodeOutputSession, FailuresAreReportedAndLoseNothing) {
    test::TempDir dir;
    CodeOutputSession session(dir.file("gone"));
    EXPECT_FALSE(session.open(dir.file("missing.txt")).source);  // the box keeps its text
    EXPECT_EQ(session.statusCaption(), "打开代码失败：文件或文件夹不存在");
    EXPECT_FALSE(session.preview("x", true).openPath);  // no stale page is opened
    EXPECT_EQ(session.statusCaption(), "预览失败：文件或文件夹不存在");

    ASSERT_TRUE(saveCodeFile(dir.file("a.txt"), "old").ok());
    {
        test::ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.holds()) {
            GTEST_SKIP() << test::ReadOnlyFolder::kWhyNot;
        }
        session.save(dir.file("a"), "new");
    }
    EXPECT_EQ(session.statusCaption(), "保存代码失败：没有权限");
    EXPECT_EQ(*readWholeFile(dir.file("a.txt")), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(CodeOutputSession, RegenerateKeepsThePictureSizeAndTheOutlineCaption) {
    test::TempDir dir;
    CodeOutputSession session(dir.path());
    ImageMapInput in{"a.jpg", Rect{0, 0, 950, 500}, {{Rect{10, 10, 100, 50}, "", "#"}}, {}};
    session.toggleClickOutline(*session.generate(in).source);
    EXPECT_EQ(session.outlineCaption(), "恢复点击框");
    EXPECT_EQ(session.statusCaption(), "已消除热点点击框");

    in.background = Rect{0, 0, 10, 20};
    const std::string fresh = *session.regenerate(in).source;
    EXPECT_EQ(session.statusCaption(), "已重新生成代码");
    EXPECT_FALSE(session.toggleClickOutline(fresh).source);
    EXPECT_EQ(session.statusCaption(), "恢复热点点击框失败");
    EXPECT_EQ(session.outlineCaption(), "消除点击框");

    const WindowUpdate tabs = session.convertToTabsWidget("CODE", 0, "20", "-960");
    EXPECT_EQ(tabs.source, tabs.clipboard);
    EXPECT_NE(tabs.source->find("width:950px;height:500px;"), std::string::npos);
    EXPECT_EQ(session.statusCaption(), "代码转换完成并已复制");

    const WindowUpdate preview = session.preview(withCrLf("a\nb\r\n"), false);
    EXPECT_EQ(*readWholeFile(*preview.openPath), "a\r\nb\r\n");
}

}  // namespace
}  // namespace velquist
