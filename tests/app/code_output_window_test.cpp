// The real code-output window: its controls when opened and every action.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>
#include <deque>

#include "app/code_output_window.h"
#include "app/image_button.h"
#include "app/qt_text.h"
#include "codegen/code_files.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "expected_controls.h"
#include "support/control_names.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

namespace cc = code_controls;
using DialogMode = CodeOutputWindow::DialogMode;

// A 950 x 500 background with `count` hotspots in a row.
ImageMapInput pictureWith(int count) {
    ImageMapInput input{"http://shop.example/bg.jpg", {0, 0, 950, 500}, {}, {}};
    for (int i = 0; i < count; ++i) {
        input.areas.push_back({{10 + 120 * i, 20, 100, 50}, "提示", "#"});
    }
    return input;
}

std::string gb18030(std::string_view text) {
    return utf8ToGb18030(text).value();
}

// The title strip; the panel "外形框1" holds "外形框2" (the code and its buttons) and "外形框3"
// (the conversion strip), each control shown whole.
// clang-format off
constexpr test::ExpectedControl kControls[] = {
    {"标签1", "代码输出"},
    {"超级按钮1", "×"},
    {"外形框1"},
    {"外形框2"},  // in 外形框1
    {"编辑框_源码"},  // in 外形框2
    {"超级按钮_保存", "保存"},
    {"超级按钮_打开", "打开"},
    {"超级按钮3", "重新生成"},
    {"超级按钮4", "消除点击框"},
    {"选择框1", "使用框架预览"},
    {"超级按钮5", "预览"},
    {"超级按钮2", "复制"},
    {"外形框3"},  // in 外形框1
    {"标签2", "转换成全屏效果"},  // in 外形框3
    {"组合框1"},
    {"标签4", "上间距"},
    {"编辑框_上间距"},
    {"标签3", "偏移量"},
    {"编辑框_偏移"},
    {"超级按钮_转换", "转换并复制"},
};
// clang-format on

}  // namespace

class CodeOutputWindowTest : public QObject {
    Q_OBJECT

private:
    test::TempDir* m_dir = nullptr;
    QPointer<CodeOutputWindow> m_window;
    int m_regenerateHotspots = 1;
    std::deque<std::optional<std::string>> m_answers;  // what the file dialog will return
    std::vector<std::pair<DialogMode, std::string>> m_asked;
    std::vector<std::string> m_opened;

    template <typename T = QWidget>
    T* control(std::string_view name) {
        return m_window->findChild<T*>(toQString(name));
    }
    void click(std::string_view name) { QTest::mouseClick(control(name), Qt::LeftButton); }
    QString title() { return control<QLabel>(cc::kTitle)->text(); }
    QPlainTextEdit* source() { return control<QPlainTextEdit>(cc::kSource); }
    QTimer* timer() { return m_window->findChild<QTimer*>(toQString(cc::kStatusTimer)); }
    std::string fileBytes(const std::string& path) { return readWholeFile(path).value(); }

private slots:
    void init() {
        m_dir = new test::TempDir;
        m_answers.clear();
        m_asked.clear();
        m_opened.clear();
        m_window = new CodeOutputWindow(m_dir->path(),
                                        [this] { return pictureWith(m_regenerateHotspots); });
        m_window->setFileDialog([this](DialogMode mode, const std::string& offered) {
            m_asked.emplace_back(mode, offered);
            std::optional<std::string> answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
        m_window->setFileOpener([this](const std::string& path) { m_opened.push_back(path); });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    void cleanup() {
        delete m_window.data();
        delete m_dir;
    }

    void controlsWhenOpened() {
        QCOMPARE(m_window->geometry(), QRect(695, 332, 530, 415));  // centred on 1920 x 1080
        QVERIFY(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(m_window->palette().color(QPalette::Window), QColor(0x606060));
        QCOMPARE(test::builtLines(m_window, kControls), test::expectedLines(kControls));
        QStringList parents;
        for (std::string_view name : {cc::kTitle, cc::kSource, cc::kCopy, cc::kEdition}) {
            parents << control(name)->parentWidget()->objectName();
        }
        QCOMPARE(parents, QStringList({"代码输出窗口", "外形框2", "外形框2", "外形框3"}));
        QCOMPARE(control<QWidget>("外形框2")->parentWidget()->objectName(), QString("外形框1"));
        QCOMPARE(test::colorsOf(control<ImageButton>(cc::kRegenerate)),
                 QStringList({"#000000", "#ececec", "#ff0000", "#ececec"}));
        QCOMPARE(test::colorsOf(control<ImageButton>(cc::kPreview)),
                 QStringList({"#ffffff", "#80a080", "#ffffff", "#00e080"}));
        QCOMPARE(test::colorsOf(control<ImageButton>(cc::kConvert)),
                 QStringList({"#ffffff", "#808080", "#ffffff", "#00e080"}));
        QCOMPARE(title(), QString("代码输出"));
        QCOMPARE(control<QWidget>(cc::kTitle)->palette().color(QPalette::WindowText),
                 QColor(Qt::white));
        QCOMPARE(source()->toPlainText(), QString());
        QCOMPARE(source()->palette().color(QPalette::Base), QColor(0xF7F7F7));
        QCOMPARE(source()->font().pixelSize(), 12);
        QCOMPARE(source()->font().families().value(0), QString("微软雅黑"));
        QCOMPARE(source()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!control<QCheckBox>(cc::kFramePreview)->isChecked());
        auto* edition = control<QComboBox>(cc::kEdition);
        QCOMPARE(edition->count(), 3);
        QCOMPARE(edition->itemText(0) + edition->itemText(1) + edition->itemText(2),
                 QString("天猫版专业版基础版"));
        QCOMPARE(edition->currentText(), QString("专业版"));
        for (auto [name, text] :
             {std::pair{cc::kTopSpacing, "0"}, std::pair{cc::kOffset, "-485"}}) {
            QCOMPARE(control<QLineEdit>(name)->text(), QString(text));
            QCOMPARE(control<QLineEdit>(name)->alignment(), Qt::AlignCenter);
        }
        QCOMPARE(timer()->interval(), 3000);
        QVERIFY(timer()->isSingleShot());
        QVERIFY(!timer()->isActive());
    }

    // Copy keeps CR LF and characters that a plain-text view would alter.
    void copyAndTheStatusTimer() {
        source()->setPlainText(QString::fromUtf8("<map>\n a\u00A0b</map>\n"));
        // The rule, not the length, is under test here; a coarse timer may drift by 5 %.
        timer()->setInterval(1000);
        timer()->setTimerType(Qt::PreciseTimer);
        click(cc::kCopy);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QString::fromUtf8("<map>\r\n a\u00A0b</map>\r\n"));
        QCOMPARE(title(), QString("复制完成"));
        QVERIFY(timer()->isActive());

        // A second message replaces the first at once but leaves its timer running.
        QTest::qWait(300);
        m_answers = {std::nullopt};
        click(cc::kOpen);
        QCOMPARE(title(), QString("已取消打开，没有选择保存路径"));
        QVERIFY(timer()->isActive());
        QVERIFY(timer()->remainingTime() < 900);  // not restarted
        QTRY_COMPARE(title(), QString("代码输出"));
        QVERIFY(!timer()->isActive());

        // Save reports without the timer, but the copy's timer still returns the caption.
        click(cc::kCopy);
        m_answers = {m_dir->file("code")};
        click(cc::kSave);
        QCOMPARE(title(), QString("保存代码完成"));
        QTRY_COMPARE(title(), QString("代码输出"));
    }

    // Shift+Enter types a line separator (U+2028), Enter a new paragraph; both are CR LF in
    // what copy, save, preview and conversion take from the box.
    void shiftEnterBreaksALineLikeEnter() {
        source()->setFocus();
        QTest::keyClicks(source(), "<p>");
        QTest::keyClick(source(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(source(), "a");
        QTest::keyClick(source(), Qt::Key_Return);
        QTest::keyClicks(source(), "b</p>");
        QVERIFY(source()->document()->toRawText().contains(QChar::LineSeparator));
        const std::string code = "<p>\r\na\r\nb</p>";

        click(cc::kCopy);
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), code);
        m_answers = {m_dir->file("code")};
        click(cc::kSave);
        QCOMPARE(fileBytes(m_dir->file("code.txt")), code);
        click(cc::kPreview);
        QCOMPARE(fileBytes(m_dir->file("yl.htm")), code);
        click(cc::kConvert);
        QVERIFY(QGuiApplication::clipboard()->text().toStdString().find(" >" + code + "</div>") !=
                std::string::npos);
    }

    // The dialog offers the last chosen name; the files hold the box text with CR LF.
    void saveAndOpenThroughTheDialog() {
        source()->setPlainText("第一行\n<b>二</b>");
        m_answers = {m_dir->file("code"), std::nullopt};
        click(cc::kSave);
        QCOMPARE(fileBytes(m_dir->file("code.txt")), gb18030("第一行\r\n<b>二</b>"));
        click(cc::kSave);
        QCOMPARE(title(), QString("已取消保存，没有选择保存路径"));

        source()->setPlainText("typed");
        m_answers = {m_dir->file("code.txt"), m_dir->path()};
        click(cc::kOpen);
        QCOMPARE(source()->toPlainText(), QString("第一行\n<b>二</b>"));
        QCOMPARE(title(), QString("打开代码完成"));
        // A folder cannot be read: the failure is reported and the code stays.
        click(cc::kOpen);
        QVERIFY(title().startsWith("打开代码失败："));
        QCOMPARE(source()->toPlainText(), QString("第一行\n<b>二</b>"));
        const std::vector<std::pair<DialogMode, std::string>> asked{
            {DialogMode::Save, ""},
            {DialogMode::Save, m_dir->file("code")},
            {DialogMode::Open, m_dir->file("code")},
            {DialogMode::Open, m_dir->file("code.txt")}};
        QCOMPARE(m_asked, asked);
    }

    // The real save dialog offers web pages too, and a file saved as one takes ".html".
    void saveAsWebPageTakesItsExtension() {
        if (QGuiApplication::platformName() != "offscreen") {
            QSKIP("the system's own file dialog cannot be driven here");
        }
        CodeOutputWindow window(m_dir->path(), [] { return pictureWith(1); });
        window.findChild<QPlainTextEdit*>(toQString(cc::kSource))->setPlainText("<map></map>");
        QStringList offered;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            offered = dialog->nameFilters();
            dialog->selectNameFilter("网页文件 (*.html *.htm)");
            dialog->selectFile(toQString(m_dir->file("page")));
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
        });
        QTest::mouseClick(window.findChild<QWidget*>(toQString(cc::kSave)), Qt::LeftButton);
        QCOMPARE(offered, QStringList({"文本文件(*.txt)", "网页文件 (*.html *.htm)"}));
        QCOMPARE(fileBytes(m_dir->file("page.html")), std::string("<map></map>"));
    }

    void previewWritesThePageAndOpensIt() {
        source()->setPlainText("<map>\n</map>");
        click(cc::kPreview);
        const std::string page = m_dir->file("yl.htm");
        QCOMPARE(m_opened, std::vector<std::string>{page});
        QCOMPARE(fileBytes(page), std::string("<map>\r\n</map>"));
        QCOMPARE(title(), QString("代码输出"));

        QTest::mouseClick(control(cc::kFramePreview), Qt::LeftButton);
        click(cc::kPreview);
        QCOMPARE(m_opened.size(), size_t{2});
        QCOMPARE(fileBytes(page), gb18030(previewPage("<map>\r\n</map>", true)));
    }

    // The button shows the session's mode; regenerating reads the editor afresh, keeps the mode.
    void outlineCaptionAndRegenerate() {
        m_window->generate(pictureWith(2));
        const QString generated = source()->toPlainText();
        click(cc::kOutline);
        QCOMPARE(control<ImageButton>(cc::kOutline)->text(), QString("恢复点击框"));
        QCOMPARE(title(), QString("已消除热点点击框"));
        QCOMPARE(source()->toPlainText().count("<area style=\"outline:none;\" shape=\"rect\""), 2);
        click(cc::kOutline);
        QCOMPARE(control<ImageButton>(cc::kOutline)->text(), QString("消除点击框"));
        QCOMPARE(source()->toPlainText(), generated);

        click(cc::kOutline);
        m_regenerateHotspots = 3;
        click(cc::kRegenerate);
        QCOMPARE(title(), QString("已重新生成代码"));
        QCOMPARE(source()->toPlainText().count("<area shape="), 3);
        QCOMPARE(control<ImageButton>(cc::kOutline)->text(), QString("恢复点击框"));
    }

    void editionSetsTheOffsetAndConvertCopies() {
        auto* edition = control<QComboBox>(cc::kEdition);
        auto* offset = control<QLineEdit>(cc::kOffset);
        auto* top = control<QLineEdit>(cc::kTopSpacing);
        offset->clear();
        QTest::keyClicks(offset, "1x2-");  // only digits and "-" are taken
        QCOMPARE(offset->text(), QString("12-"));
        edition->setFocus();
        QTest::keyClick(edition, Qt::Key_Up);
        QCOMPARE(edition->currentIndex(), 0);
        QCOMPARE(offset->text(), QString("-960"));
        QTest::keyClick(edition, Qt::Key_Down);
        QTest::keyClick(edition, Qt::Key_Down);
        QCOMPARE(offset->text(), QString("-685"));

        m_window->generate(pictureWith(1));
        const std::string code = withCrLf(source()->toPlainText().toStdString());
        top->setText("20");
        click(cc::kConvert);
        const QString converted = source()->toPlainText();
        QCOMPARE(title(), QString("代码转换完成并已复制"));
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(),
                 withCrLf(converted.toStdString()));
        QVERIFY(converted.contains("style=\"height:520px\""));
        QVERIFY(converted.contains("height:500px;width:950px;left:-685px;top:20px;"));
        QVERIFY(withCrLf(converted.toStdString()).find(code) != std::string::npos);

        QTest::keyClick(edition, Qt::Key_Home);
        click(cc::kConvert);
        QVERIFY(source()->toPlainText().contains("mivami140606000635"));
    }

    void closeDiscardsTheWindow() {
        click(cc::kClose);
        QTRY_VERIFY(m_window.isNull());
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::CodeOutputWindowTest)
#include "code_output_window_test.moc"
