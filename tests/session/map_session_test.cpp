// What becomes of the map, on real files and without a window: which loads a picture is fetched
// for and which addresses are remembered, where Ctrl+S writes, the autosave's failures, imported
// code, Esc and Ctrl+Y around loads, and load progress in the status line.
#include "session/map_session.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/file_io.h"
#include "editor/messages.h"
#include "editor/picture_loader.h"
#include "editor/status_text.h"
#include "mapfile/map_file.h"
#include "mapfile/messages.h"
#include "pictures/test_pictures.h"
#include "session/main_status_line.h"
#include "settings/remembered_address.h"
#include "support/read_only.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

constexpr const char* kShown = "http://img.example/shown.png";
constexpr const char* kOther = "http://img.example/other.png";

MapDocument mapOn(const std::string& address, size_t hotspots) {
    MapDocument map;
    map.pictureAddress = address;
    map.pictureWidth = 300;
    map.pictureHeight = 200;
    for (size_t i = 0; i < hotspots; ++i) {
        map.hotspots.push_back({Rect{static_cast<int>(i) * 60, 0, 50, 50}, "", "#"});
    }
    return map;
}

Picture picture() {
    return test::solidPicture(300, 200, 0x0A141E);
}

class MapSessionTest : public ::testing::Test {
protected:
    test::TempDir m_dir;
    HotspotEditor m_editor{996, 624};
    MapSession m_session{m_editor, m_dir.path()};

    // A map of `hotspots` on the picture at kShown, picture arrived, as a user has it on screen.
    void haveMapOnScreen(size_t hotspots) {
        const std::string path = m_dir.file("shown.vqmap");
        ASSERT_TRUE(saveMapFile(path, mapOn(kShown, hotspots)));
        EXPECT_EQ(m_session.openMapFile(path).load, kShown);
        m_session.loadFinished(kShown, picture());
        ASSERT_TRUE(m_editor.map().background().picture);
    }
};

// A map on the picture shown shares it; a map on another picture fetches that one quietly,
// under the hotspots. Either way the map it replaced is kept among the recent ones, and only
// the addresses the user loaded are remembered for "读取备份".
TEST_F(MapSessionTest, ReopenedMapsFetchOnlyAnotherPictureAndNeverOverwriteTheRememberedAddress) {
    const SessionUpdate load = m_session.startLoad(kShown);
    EXPECT_EQ(load.load, kShown);
    m_session.loadFinished(kShown, picture());
    EXPECT_EQ(readRememberedAddress(m_dir.path()), kShown);
    m_editor.addHotspot();

    const std::string same = m_dir.file("same.vqmap");
    ASSERT_TRUE(saveMapFile(same, mapOn(kShown, 2)));
    const SessionUpdate shared = m_session.openMapFile(same);
    EXPECT_FALSE(shared.load);
    EXPECT_TRUE(m_editor.map().background().picture);
    EXPECT_EQ(shared.said,
              "已打开热区文件，共 2 个热区；原来的 1 个热区已存入“最近的热区”（Ctrl+Z 撤销）");

    const std::string other = m_dir.file("other.vqmap");
    ASSERT_TRUE(saveMapFile(other, mapOn(kOther, 3)));
    EXPECT_EQ(m_session.openMapFile(other).load, kOther);
    EXPECT_EQ(m_editor.runningLoad(), LoadPurpose::MapPicture);
    m_session.loadFinished(kOther, picture());
    EXPECT_EQ(m_editor.map().hotspots().size(), 3u);
    EXPECT_EQ(readRememberedAddress(m_dir.path()), kShown);
    EXPECT_EQ(m_session.recentMaps().size(), 2u);
}

// Ctrl+S writes the file the map came from, but never a file the program keeps itself: saved
// as the autosave or opened from "最近的热区", the next Ctrl+S asks.
TEST_F(MapSessionTest, CtrlSNeverWritesTheProgramsOwnFiles) {
    haveMapOnScreen(2);
    const SessionUpdate save = m_session.saveMap();
    EXPECT_FALSE(save.ask);
    EXPECT_EQ(save.said, mapfile_messages::kSaved + m_dir.file("shown.vqmap"));

    m_session.chosen(MapDialog::SaveMap, m_dir.file("autosave"));
    EXPECT_EQ(m_session.mapFilePath(), "");
    EXPECT_EQ(m_session.saveMap().ask, MapDialog::SaveMap);

    m_session.chosen(MapDialog::SaveMap, m_dir.file("work"));
    EXPECT_EQ(m_session.mapFilePath(), m_dir.file("work.vqmap"));
    m_session.startLoad(kOther);
    m_session.loadFinished(kOther, picture());  // the 2 hotspots go to "最近的热区"
    m_session.openRecentMap(m_session.recentMaps().at(0).path);
    EXPECT_EQ(m_editor.map().hotspots().size(), 2u);
    EXPECT_EQ(m_session.saveMap().ask, MapDialog::SaveMap);
    EXPECT_FALSE(m_session.chosen(MapDialog::SaveMap, std::nullopt).refresh);
}

// A restored map is what the autosave holds, so nothing is due; a write that fails is said
// once, not after every change, and again after one has succeeded.
TEST_F(MapSessionTest, AutosaveFailureIsSaidOnceUntilAWriteSucceeds) {
    const std::string autosave = m_dir.file("autosave.vqmap");
    ASSERT_TRUE(saveMapFile(autosave, mapOn(kShown, 2)));
    const SessionUpdate restored = m_session.restoreAutosave();
    EXPECT_EQ(restored.load, kShown);
    EXPECT_EQ(restored.said, "已恢复上次的 2 个热区（Ctrl+Z 撤销恢复）");
    EXPECT_FALSE(m_session.autosaveDue());
    m_session.loadFinished(kShown, picture());

    Said said;
    const auto changeAndAutosave = [this, &said] {
        m_editor.addHotspot();
        EXPECT_TRUE(m_session.autosaveDue());
        const SessionUpdate update = m_session.autosave();
        said = update.said;
        EXPECT_FALSE(m_session.autosaveDue());
        return update.refresh && said && said->starts_with(mapfile_messages::kAutosaveFailed);
    };
    {
        test::ReadOnlyFolder readOnly(m_dir.path());
        if (!readOnly.holds()) {
            GTEST_SKIP() << test::ReadOnlyFolder::kWhyNot;
        }
        EXPECT_TRUE(changeAndAutosave());
        EXPECT_FALSE(changeAndAutosave());
        EXPECT_EQ(said, std::nullopt);
    }
    EXPECT_FALSE(changeAndAutosave());
    EXPECT_EQ(loadMapFile(autosave)->hotspots.size(), 5u);
    test::ReadOnlyFolder again(m_dir.path());
    EXPECT_TRUE(changeAndAutosave());
}

// Clipboard text that is no image-map code asks for a file instead; code is taken in any
// letter case, and a <map> without its picture lands on the picture shown.
TEST_F(MapSessionTest, ImportTakesCodeFromTheClipboardElseAsksForAFile) {
    haveMapOnScreen(1);
    EXPECT_EQ(m_session.importCode("热区 map").ask, MapDialog::OpenCode);
    EXPECT_EQ(m_editor.map().hotspots().size(), 1u);

    const SessionUpdate imported =
        m_session.importCode("<MAP name=m><AREA coords='1,2,30,40'><AREA coords='5,5,9,9'></MAP>");
    EXPECT_FALSE(imported.load);
    EXPECT_EQ(m_editor.map().hotspots().size(), 2u);
    EXPECT_EQ(m_editor.map().background().address, kShown);
    EXPECT_EQ(m_editor.undo(), std::string("已撤销：") + editor_messages::kStepImport);
    EXPECT_EQ(m_editor.map().hotspots().size(), 1u);
}

// Esc cancels a running load and nothing else; Ctrl+Y on a map whose picture never came
// fetches it again.
TEST_F(MapSessionTest, EscCancelsOnlyALoadAndRedoFetchesAMissingPicture) {
    EXPECT_FALSE(m_session.escapePressed().cancelLoad);
    const std::string path = m_dir.file("other.vqmap");
    ASSERT_TRUE(saveMapFile(path, mapOn(kOther, 2)));
    m_session.openMapFile(path);
    const SessionUpdate esc = m_session.escapePressed();
    EXPECT_TRUE(esc.cancelLoad);
    EXPECT_EQ(esc.said, editor_messages::kLoadCancelled);
    EXPECT_FALSE(m_editor.runningLoad());

    m_editor.undo();
    EXPECT_EQ(m_session.redo().load, kOther);
    EXPECT_EQ(m_editor.runningLoad(), LoadPurpose::MapPicture);
    EXPECT_EQ(m_editor.map().hotspots().size(), 2u);
}

// Progress reports arriving after an edit leave the edit's message in the status line.
TEST_F(MapSessionTest, LoadProgressNeverOverwritesANewerMessage) {
    MainStatusLine line;
    line.show(m_session.startLoad(kShown));
    line.show(m_session.loadFinished(kShown, picture()));
    line.show(m_editor.addHotspot());
    line.show(m_session.startLoad(kOther));
    line.showLoadProgress(m_editor.loadProgressed(1024, 4096));
    EXPECT_EQ(line.text(), loadingStatus(1024, 4096));
    line.showLoadProgress(m_editor.loadProgressed(2048, 4096));
    EXPECT_EQ(line.text(), loadingStatus(2048, 4096));
    const Said moved = m_editor.nudgeSelected(1, 0);
    line.show(moved);
    line.showLoadProgress(m_editor.loadProgressed(3072, 4096));
    EXPECT_EQ(line.text(), moved);
    line.show(m_editor.undo());
    line.showLoadProgress(m_editor.loadProgressed(4000, 4096));
    EXPECT_EQ(line.text(), "已撤销：微移热区");
}

}  // namespace
}  // namespace velquist

namespace velquist {
namespace {

// A page pasted as several addresses loads as one stacked picture, grows by "添加图片" as one
// step, is saved with its pictures and reopens as the same page; a bad line or picture is named.
TEST_F(MapSessionTest, StackedPageLoadsGrowsAndReopensWhole) {
    std::vector<std::string> files;
    for (const auto& [name, w, h, colour] :
         {std::tuple{"a.png", 300, 200, 0x102030u}, std::tuple{"b.png", 250, 100, 0x405060u},
          std::tuple{"c.png", 300, 50, 0x708090u}}) {
        files.push_back(m_dir.file(name));
        const uint32_t pixel = colour;
        ASSERT_TRUE(writeFileAtomically(
            files.back(),
            test::makePng(w, h, test::PngKind::rgba, [=](int, int) { return pixel; })));
    }
    const auto load = [&](const std::string& address) {
        return m_session.loadFinished(address, loadPicture(address, nullptr));
    };
    EXPECT_EQ(acceptAddress(files[0] + "\n" + "not an address").error().rfind("第 2 行：", 0), 0u);
    EXPECT_EQ(loadPicture(files[0] + "\n" + m_dir.file("gone.png"), nullptr)
                  .error()
                  .rfind("第 2 张图片（" + m_dir.file("gone.png") + "）：", 0),
              0u);

    const std::string typed = "  " + files[0] + "\r\n\n" + files[1] + "\n";
    const std::string page = *acceptAddress(typed);
    EXPECT_EQ(page, files[0] + "\n" + files[1]);
    load(*m_session.startLoad(page).load);
    const Background& b = m_editor.map().background();
    ASSERT_TRUE(b.picture);
    EXPECT_EQ(b.picture->parts, (std::vector<PicturePart>{{300, 200}, {250, 100}}));
    EXPECT_EQ(b.picture->pixels[250 * 300 + 10] & 0xFFFFFF, 0x405060u);
    EXPECT_EQ(b.picture->pixels[250 * 300 + 280] >> 24, 0xFFu);  // beside the narrower picture
    EXPECT_EQ(readRememberedAddress(m_dir.path()), page);

    m_editor.addHotspot();
    const std::vector<Hotspot> hotspots = m_editor.map().hotspots();
    EXPECT_EQ(load(*m_session.addPicture(files[2]).load).said,
              "已在页面底部添加第 3 张图片（300×50）");
    EXPECT_EQ(m_editor.map().background().address, page + "\n" + files[2]);
    EXPECT_EQ(m_editor.map().background().height(), 350);
    EXPECT_EQ(m_editor.map().hotspots(), hotspots);
    m_editor.undo();
    EXPECT_EQ(m_editor.map().background().picture->parts.size(), 2u);
    m_editor.redo();

    const MapDocument saved = m_editor.document();
    ASSERT_EQ(saved.pictures.size(), 3u);
    EXPECT_EQ(saved.pictures[1], (PagePicture{files[1], 250, 100}));
    const std::string path = m_dir.file("page.vqmap");
    ASSERT_TRUE(saveMapFile(path, saved));
    HotspotEditor editor{996, 624};
    MapSession session{editor, m_dir.file("other")};
    const std::string address = *session.openMapFile(path).load;
    EXPECT_EQ(address, page + "\n" + files[2]);
    EXPECT_EQ(editor.document(), saved);  // while its pictures are fetched
    session.loadFinished(address, loadPicture(address, nullptr));
    EXPECT_EQ(editor.document(), saved);
    EXPECT_EQ(editor.map().background().picture->pixels, b.picture->pixels);
}

}  // namespace
}  // namespace velquist
