// "建议热区" on the sample banner with real keys and clicks: the proposals drawn over the canvas,
// a click and Enter taking them, one Ctrl+Z for all that Enter took, Esc and edits dismissing.
#include <QLabel>
#include <QtTest>

#include "app/app_state.h"
#include "app/background_loader.h"
#include "app/image_button.h"
#include "app/main_window.h"
#include "app/picture_analyser.h"
#include "app/qt_text.h"
#include "editor/messages.h"
#include "support/control_names.h"

namespace velquist {

namespace mc = main_controls;

namespace {

// The banner's three product cards, in picture pixels.
const Rect kCards[] = {{40, 150, 260, 320}, {345, 150, 260, 320}, {650, 150, 260, 320}};

bool within2px(const Rect& a, const Rect& b) {
    return std::abs(a.left - b.left) <= 2 && std::abs(a.top - b.top) <= 2 &&
           std::abs(a.right() - b.right()) <= 2 && std::abs(a.bottom() - b.bottom()) <= 2;
}

}  // namespace

class SuggestFlowTest : public QObject {
    Q_OBJECT

private:
    AppState m_state;
    MainWindow* m_window = nullptr;
    QWidget* m_canvas = nullptr;

    QString status() { return m_window->findChild<QLabel*>(toQString(mc::kStatus))->text(); }
    const EditedMap& map() { return m_state.editor.map(); }
    Point origin() { return map().background().position; }
    QPoint centreOf(const Rect& card) {
        return QPoint(origin().x + card.left + card.width / 2,
                      origin().y + card.top + card.height / 2);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(m_window, k, modifiers);
    }

    // Whether the canvas shows a dashed line along the inside of the card's top side: the
    // outline colour comes and goes many times along it.
    bool dashedOutlineOn(const Rect& card) {
        const QImage shown = m_canvas->grab().toImage();
        const int y = origin().y + card.top + 1;
        int changes = 0;
        bool before = false;
        for (int x = origin().x + card.left + 4; x < origin().x + card.right() - 4; ++x) {
            const QColor c = shown.pixelColor(x, y);
            const bool dash = c.blue() > 200 && c.red() < 100;
            changes += dash != before ? 1 : 0;
            before = dash;
        }
        return changes >= 20;
    }

    void proposeAndWait() {
        key(Qt::Key_G);
        QTRY_VERIFY(!m_window->analyser()->busy());
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        m_state.programDir = m_dir.path().toStdString();
        m_window = new MainWindow(m_state);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_canvas = m_window->findChild<QWidget*>(toQString(mc::kCanvas));
    }
    void cleanup() { delete m_window; }

    void proposalsAreShownTakenAndDismissed() {
        key(Qt::Key_G);
        QCOMPARE(status(), QString(editor_messages::kProposeWithoutPicture));

        m_window->startLoad(VELQUIST_SAMPLE_PICTURE);
        QTRY_VERIFY(!m_window->loader()->busy());
        QVERIFY(!dashedOutlineOn(kCards[0]));
        proposeAndWait();
        QCOMPARE(status(), QString("找到 3 个建议热区：单击采用，回车全部采用，Esc 取消"));
        for (const Rect& card : kCards) {
            QVERIFY(dashedOutlineOn(card));
        }
        QVERIFY(map().hotspots().empty());  // proposals, not hotspots yet

        // They follow the picture.
        QTest::mouseClick(m_window->findChild<ImageButton*>(toQString(mc::kAlignBottom)),
                          Qt::LeftButton);
        QVERIFY(origin().y != 0);
        QVERIFY(dashedOutlineOn(kCards[1]));

        QTest::mouseClick(m_canvas, Qt::LeftButton, {}, centreOf(kCards[1]));
        QCOMPARE(map().hotspots().size(), size_t{1});
        const Hotspot& taken = map().hotspots()[0];
        QCOMPARE(map().selection(), taken.id);
        QCOMPARE(taken.link, std::string("#"));
        QVERIFY(taken.tip.empty());
        QVERIFY(!dashedOutlineOn(kCards[1]));
        QVERIFY(dashedOutlineOn(kCards[0]));

        key(Qt::Key_Return);
        QCOMPARE(map().hotspots().size(), size_t{3});
        for (const Rect& card : kCards) {
            QVERIFY(!dashedOutlineOn(card));
            const Rect expected{card.left + origin().x, card.top + origin().y, card.width,
                                card.height};
            QVERIFY(std::any_of(map().hotspots().begin(), map().hotspots().end(),
                                [&](const Hotspot& h) { return within2px(h.rect, expected); }));
        }
        key(Qt::Key_Z, Qt::ControlModifier);  // the two Enter took go together
        QCOMPARE(map().hotspots().size(), size_t{1});

        // The card already a hotspot is not proposed again; Esc dismisses the rest.
        proposeAndWait();
        QVERIFY(status().startsWith("找到 2 个建议热区"));
        QVERIFY(!dashedOutlineOn(kCards[1]));
        key(Qt::Key_Escape);
        QCOMPARE(status(), QString(editor_messages::kProposalsDismissed));
        QVERIFY(!dashedOutlineOn(kCards[0]));
        QVERIFY(m_state.editor.proposalOutlines().empty());

        // Any edit elsewhere dismisses them too.
        proposeAndWait();
        QVERIFY(dashedOutlineOn(kCards[2]));
        QTest::mouseClick(m_canvas, Qt::LeftButton, {}, centreOf(kCards[1]));  // selects only
        QVERIFY(dashedOutlineOn(kCards[2]));
        key(Qt::Key_Right);  // nudges the selected hotspot
        QVERIFY(!dashedOutlineOn(kCards[2]));
        QCOMPARE(map().hotspots().size(), size_t{1});
    }

private:
    QTemporaryDir m_dir;
};

}  // namespace velquist

QTEST_MAIN(velquist::SuggestFlowTest)
#include "suggest_flow_test.moc"
