// Solving with the mouse and the keyboard on the real grid view: presses, moves and releases
// go through the widget exactly as a player's would.
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include "fakes/FakeHost.h"
#include "fakes/ScriptedRandom.h"
#include "model/WordEntry.h"
#include "solve/Cheats.h"
#include "ui/GridView.h"
#include "ui/MainWindow.h"

using namespace lettermaze;
using namespace lettermaze::ui;

namespace {
// Eight words run out from the centre S at (3, 3), one in each direction.
const char* kRows[7] = {
    "GXXDXXE",
    "XIXEXGX",
    "XXWLAXX",
    "TOPSTAR",
    "XXHNKXX",
    "XUXOXIX",
    "TXXWXXM",
};
// Word, and the end cell of its line from the centre.
const std::vector<std::tuple<std::string, int, int>> kRays = {
    {"STAR", 3, 6}, {"SPOT", 3, 0}, {"SNOW", 6, 3}, {"SLED", 0, 3},
    {"SKIM", 6, 6}, {"SHUT", 6, 0}, {"SAGE", 0, 6}, {"SWIG", 0, 0},
};
}  // namespace

class GridDragTest : public QObject {
    Q_OBJECT

    testing::FakeHost host;
    testing::ScriptedRandom rnd{{}, 0.5f};
    std::unique_ptr<MainWindow> w;

    void setUpPuzzle(const std::vector<std::string>& words) {
        w = std::make_unique<MainWindow>(&host, &rnd);
        Puzzle& p = w->puzzle();
        p.grid.setRowCount(7);
        p.grid.setColumnCount(7);
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 7; ++c) p.grid.setLetterAt(r, c, std::string(1, kRows[r][c]));
        for (const auto& word : words) p.hiddenWords.add(word);
        p.shown = true;
        p.inPlay = true;
        w->windowState().gridFrame.width = 7 * 300 + 60;
        w->windowState().gridFrame.height = 7 * w->windowState().gridFrame.rowHeight + 60;
        w->syncFromModel();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void drag(int r0, int c0, int r1, int c1, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* vp = w->gridView->viewport();
        const QPoint a = w->gridView->cellCenter(r0, c0), b = w->gridView->cellCenter(r1, c1);
        QTest::mousePress(vp, button, Qt::NoModifier, a);
        QTest::mouseMove(vp, (a + b) / 2);
        QTest::mouseMove(vp, b);
        QTest::mouseRelease(vp, button, Qt::NoModifier, b);
    }

    QStringList found() const {
        QStringList out;
        for (int i = 0; i < w->foundList->count(); ++i) out << w->foundList->item(i)->text();
        return out;
    }

private slots:
    void init() {
        host = testing::FakeHost();
        rnd = testing::ScriptedRandom({}, 0.5f);
    }

    void dragsInAllEightDirectionsFindTheirWords() {
        std::vector<std::string> words;
        for (const auto& [word, r, c] : kRays) words.push_back(word);
        setUpPuzzle(words);
        int n = 0;
        for (const auto& [word, r, c] : kRays) {
            drag(3, 3, r, c);
            QVERIFY2(found().contains(QString::fromStdString(word)), word.c_str());
            QCOMPARE(host.beeps, ++n);
            QVERIFY(w->puzzle().grid.colourAt(r, c) != kWhite);
        }
        QCOMPARE(w->foundLabel->text(), QStringLiteral("Found (8)"));
        QCOMPARE(w->hiddenLabel->text(), QStringLiteral("Hidden (0)"));
        // The last word completed the puzzle; the fake answered No, so play stops.
        QCOMPARE(host.messages.size(), std::size_t{1});
        QCOMPARE(host.messages[0].text,
                 std::string("You have completed the lettermaze!\r\nClear grid?"));
        QVERIFY(!w->puzzle().inPlay);
    }

    void backwardsDragsFindTheWordsToo() {
        setUpPuzzle({"STAR", "SKIM", "SAGE"});
        drag(3, 6, 3, 3);
        drag(6, 6, 3, 3);
        drag(0, 6, 3, 3);
        QCOMPARE(found(), (QStringList{"SAGE", "SKIM", "STAR"}));
    }

    void partialAndOverlongLinesFindNothing() {
        setUpPuzzle({"STAR", "SNOW"});
        drag(3, 3, 3, 5);  // STA
        drag(3, 2, 3, 6);  // PSTAR
        drag(2, 3, 6, 3);  // LSNOW
        QVERIFY(found().isEmpty());
        QCOMPARE(host.beeps, 0);
    }

    void knightMoveFindsNothingAndCollapsesOnTheAnchor() {
        setUpPuzzle({"STAR"});
        drag(3, 3, 5, 4);
        QVERIFY(found().isEmpty());
        QCOMPARE(host.beeps, 0);
        QCOMPARE(rnd.draws, 0);  // no colour is drawn for a line that is not straight
        QCOMPARE(w->puzzle().grid.selectionRow(), 3);
        QCOMPARE(w->puzzle().grid.selectionColumn(), 3);
        QCOMPARE(w->hiddenLabel->text(), QStringLiteral("Hidden (1)"));
    }

    void oneCellClickDoesNothingAtAll() {
        setUpPuzzle({"STAR"});
        drag(3, 3, 3, 3);
        QCOMPARE(w->hiddenLabel->text(), QStringLiteral("Hidden"));  // not even the captions
        QCOMPARE(rnd.draws, 0);
    }

    void rightButtonReleaseOnlyRefreshesTheCaptions() {
        setUpPuzzle({"STAR"});
        drag(3, 3, 3, 6, Qt::RightButton);
        QVERIFY(found().isEmpty());
        QCOMPARE(w->hiddenLabel->text(), QStringLiteral("Hidden (1)"));
    }

    void keyboardMarksFirstAndLastLetter() {
        setUpPuzzle({"STAR", "SNOW"});
        w->gridView->setFocus();
        Puzzle& p = w->puzzle();
        p.grid.setCursorRow(3);
        p.grid.setCursorColumn(3);
        QTest::keyClick(w->gridView, Qt::Key_Space);
        for (int i = 0; i < 3; ++i) QTest::keyClick(w->gridView, Qt::Key_Right);
        QVERIFY(w->gridView->pendingLine().has_value());
        QTest::keyClick(w->gridView, Qt::Key_Return);
        QCOMPARE(found(), QStringList{"STAR"});
        QVERIFY(!w->gridView->pendingLine().has_value());
        // Escape drops a first mark.
        QTest::keyClick(w->gridView, Qt::Key_Space);
        QTest::keyClick(w->gridView, Qt::Key_Escape);
        QVERIFY(!w->gridView->pendingLine().has_value());
    }

    void tabbingIntoTheHiddenListSelectsNoWordUntilOneIsClicked() {
        setUpPuzzle({"SKIM", "SHUT"});
        w->difficultySlider->setFocus();
        QTest::keyClick(w->difficultySlider, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w->hiddenList);
        QCOMPARE(w->puzzle().hiddenWords.selectedIndex(), -1);
        QVERIFY(!lettermaze::cheatMenuState(w->puzzle()).findSelected);
        const QRect second = w->hiddenList->visualItemRect(w->hiddenList->item(1));
        QTest::mouseClick(w->hiddenList->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(w->puzzle().hiddenWords.selectedIndex(), 1);
    }

    void theMarkerFollowsThePointerAndAReleaseOffTheGridTestsNothing() {
        setUpPuzzle({"STAR"});
        QWidget* vp = w->gridView->viewport();
        QTest::mousePress(vp, Qt::LeftButton, Qt::NoModifier, w->gridView->cellCenter(3, 3));
        QTest::mouseMove(vp, w->gridView->cellCenter(3, 5));
        const auto line = w->gridView->pendingLine();
        QVERIFY(line.has_value());
        QCOMPARE(line->second.col, 5);
        QTest::mouseRelease(vp, Qt::LeftButton, Qt::NoModifier, QPoint(vp->width() + 50, 5));
        QVERIFY(found().isEmpty());
        QVERIFY(!w->gridView->pendingLine().has_value());
    }
};

QTEST_MAIN(GridDragTest)
#include "GridDragTest.moc"
#include "model/Puzzle.h"
