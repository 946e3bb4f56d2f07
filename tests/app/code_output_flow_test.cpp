// From a picture address to code on the clipboard, through the real windows and a real fetch.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QtTest>

#include "app/app_state.h"
#include "app/code_output_window.h"
#include "app/main_window.h"
#include "app/qt_text.h"
#include "core/file_io.h"
#include "core/program_dir.h"
#include "pictures/test_pictures.h"
#include "support/control_names.h"
#include "support/loopback_server.h"
#include "support/temp_dir.h"

namespace velquist {
namespace {

namespace mc = main_controls;
namespace cc = code_controls;

void click(QWidget* window, std::string_view name) {
    QWidget* button = window->findChild<QWidget*>(toQString(name));
    QVERIFY2(button != nullptr, name.data());
    QTest::mouseClick(button, Qt::LeftButton);
}

// The one-hotspot code for the served picture, with the map number the window drew.
QString expectedCode(const std::string& address, const QString& mapNumber) {
    return QString(
               "<img src=\"%1\" width=\"300\" height=\"200\" usemap=\"#MIV%2\" border=\"0\">\r\n"
               "<map name=\"MIV%2\">\r\n"
               "  <area shape=\"rect\" coords=\"100,100,200,200\" href=\"#\" alt=\"\">\r\n"
               "</map>")
        .arg(toQString(address), mapNumber);
}

}  // namespace

class CodeOutputFlowTest : public QObject {
    Q_OBJECT

private slots:
    void addressToClipboard() {
        test::LoopbackServer server;
        const std::string picture = test::makeBmp(300, 200, 24, false, [](int, int) { return 0u; });
        server.http().Get("/bg.bmp", [&](const httplib::Request&, httplib::Response& res) {
            res.set_content(picture, "image/bmp");
        });
        server.start();
        const std::string address = server.url("/bg.bmp");

        test::TempDir dir;
        AppState state;
        state.programDir = dir.path();
        auto* main = new MainWindow(state);
        QList<QPointer<QWidget>> opened;
        connect(main, &MainWindow::windowOpened, this, [&](QWidget* w) { opened << w; });
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main));

        click(main, mc::kBackground);
        QCOMPARE(opened.size(), 1);
        QTest::keyClicks(opened[0]->findChild<QLineEdit*>(toQString(address_controls::kAddress)),
                         toQString(address));
        click(opened[0], address_controls::kConfirm);
        auto* status = main->findChild<QLabel*>(toQString(mc::kStatus));
        QTRY_COMPARE_WITH_TIMEOUT(status->text(),
                                  QString("图片载入完成....宽度为：300；高度为：200 PX"), 20000);
        QVERIFY(pathExists(joinPath(dir.path(), kBackgroundIni)));
        click(main, mc::kAddHotspot);
        click(main, mc::kGenerateCode);
        QCOMPARE(status->text(),
                 QString("代码已生成；注意：1 个热区链接为空或 #；图片地址不是 https；1 "
                         "个热区提示文字为空或仍是“Miva，我想你了”"));
        QCOMPARE(opened.size(), 2);
        auto* code = qobject_cast<CodeOutputWindow*>(opened[1].data());
        QVERIFY(code != nullptr);
        QVERIFY(code->parentWidget() == nullptr);
        auto* source = code->findChild<QPlainTextEdit*>(toQString(cc::kSource));

        const QString text = toQString(withCrLf(source->toPlainText().toStdString()));
        const QRegularExpressionMatch map = QRegularExpression("#MIV([1-9][0-9]*)\"").match(text);
        QVERIFY(map.hasMatch());
        QCOMPARE(text, expectedCode(address, map.captured(1)));
        click(code, cc::kCopy);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);

        // Generating again reuses the open window and refills it.
        source->clear();
        click(main, mc::kGenerateCode);
        QCOMPARE(opened.size(), 2);
        QVERIFY(source->toPlainText().contains("coords=\"100,100,200,200\""));

        // Closing discards everything: the next window starts from its description.
        code->findChild<QLineEdit*>(toQString(cc::kOffset))->setText("7");
        click(code, cc::kClose);
        QTRY_VERIFY(opened[1].isNull());
        click(main, mc::kGenerateCode);
        QCOMPARE(opened.size(), 3);
        QCOMPARE(opened[2]->findChild<QLineEdit*>(toQString(cc::kOffset))->text(), QString("-485"));
        QCOMPARE(opened[2]->findChild<QLineEdit*>(toQString(cc::kTopSpacing))->text(),
                 QString("0"));
        QCOMPARE(opened[2]->findChild<QComboBox*>(toQString(cc::kEdition))->currentIndex(), 1);
        QVERIFY(opened[2]
                    ->findChild<QPlainTextEdit*>(toQString(cc::kSource))
                    ->toPlainText()
                    .contains("coords=\"100,100,200,200\""));

        delete opened[2].data();
        delete main;
    }
};

}  // namespace velquist

QTEST_MAIN(velquist::CodeOutputFlowTest)
#include "code_output_flow_test.moc"
