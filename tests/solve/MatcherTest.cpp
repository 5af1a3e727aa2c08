#include <gtest/gtest.h>

#include "fakes/FakeHost.h"
#include "fakes/ScriptedRandom.h"
#include "solve/Matcher.h"
#include "solve/PuzzleBuilder.h"
#include "model/Puzzle.h"

namespace lettermaze {
namespace {

using testing::blankPuzzle;
using testing::drag;
using testing::FakeHost;
using testing::hideWord;
using testing::ScriptedRandom;

constexpr std::int32_t kVerticalMid = 0x000DE9E4;
constexpr std::int32_t kHorizontalMid = 0x000DB2E4;
constexpr std::int32_t kFallingMid = 111 + 256 * 228 + 65536 * 13;
constexpr std::int32_t kRisingMid = 134 + 256 * 228 + 65536 * 13;

// ---- classifying a drag ----

TEST(ClassifyLine, sameColumnIsVerticalFirstThenSameRowThenTheDiagonals) {
    const Line v = classifyLine(1, 3, 5, 3);
    EXPECT_EQ(v.shape, LineShape::Straight);
    EXPECT_EQ(v.kind, LineKind::Vertical);
    EXPECT_EQ(v.n, 4);
    EXPECT_EQ(v.s, 1);
    const Line h = classifyLine(1, 3, 1, 0);
    EXPECT_EQ(h.kind, LineKind::Horizontal);
    EXPECT_EQ(h.n, -3);
    EXPECT_EQ(h.s, -1);
    const Line up = classifyLine(5, 3, 1, 3);
    EXPECT_EQ(up.kind, LineKind::Vertical);
    EXPECT_EQ(up.n, -4);
}

TEST(ClassifyLine, risingDiagonalCountsStepsByColumns) {
    const Line l = classifyLine(2, 1, 0, 3);
    EXPECT_EQ(l.shape, LineShape::Straight);
    EXPECT_EQ(l.kind, LineKind::Rising);
    EXPECT_EQ(l.n, 2);
    EXPECT_EQ(l.s, 1);
    EXPECT_EQ(lineCells(2, 1, l), (std::vector<CellPos>{{2, 1}, {1, 2}, {0, 3}}));
    const Line back = classifyLine(0, 3, 2, 1);
    EXPECT_EQ(back.kind, LineKind::Rising);
    EXPECT_EQ(back.n, -2);
    EXPECT_EQ(back.s, -1);
}

TEST(ClassifyLine, fallingDiagonalBackwardsHasNegativeSteps) {
    const Line l = classifyLine(4, 4, 1, 1);
    EXPECT_EQ(l.kind, LineKind::Falling);
    EXPECT_EQ(l.n, -3);
    EXPECT_EQ(l.s, -1);
    EXPECT_EQ(lineCells(4, 4, l), (std::vector<CellPos>{{4, 4}, {3, 3}, {2, 2}, {1, 1}}));
}

TEST(ClassifyLine, oneCellAndKnightMovesAreNotLines) {
    const Line same = classifyLine(3, 3, 3, 3);
    EXPECT_EQ(same.shape, LineShape::SameCell);
    EXPECT_EQ(lineCells(3, 3, same), (std::vector<CellPos>{{3, 3}}));
    const Line knight = classifyLine(0, 0, 2, 1);
    EXPECT_EQ(knight.shape, LineShape::NotALine);
    EXPECT_TRUE(lineCells(0, 0, knight).empty());
    EXPECT_EQ(classifyLine(0, 0, 3, 2).shape, LineShape::NotALine);
}

// ---- dragging over words in all eight directions ----

struct Direction {
    int dr, dc;
    LineKind kind;
    std::int32_t colour;
};

class DragDirection : public ::testing::TestWithParam<Direction> {};

TEST_P(DragDirection, dragFromFirstToLastLetterFindsWordPaintsItAndBeeps) {
    const Direction d = GetParam();
    Puzzle p = blankPuzzle(7, 7);
    hideWord(p, "CAT", 3, 3, d.dr, d.dc);
    p.hiddenWords.add("DOG");
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    const int endRow = 3 + 2 * d.dr, endCol = 3 + 2 * d.dc;
    drag(p, host, rnd, 3, 3, endRow, endCol);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"CAT"});
    EXPECT_EQ(p.hiddenWords.items(), std::vector<std::string>{"DOG"});
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(rnd.draws, 3);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(p.grid.colourAt(3 + k * d.dr, 3 + k * d.dc), d.colour);
    EXPECT_EQ(testing::colouredCells(p.grid), 3);
    // The cursor ends on the end cell with the selection collapsed there.
    EXPECT_EQ(p.grid.cursorRow(), endRow);
    EXPECT_EQ(p.grid.cursorColumn(), endCol);
    EXPECT_EQ(p.grid.selectionRow(), endRow);
    EXPECT_EQ(p.grid.selectionColumn(), endCol);
    EXPECT_EQ(foundCaption(p), "Found (1)");
    EXPECT_EQ(hiddenCaption(p), "Hidden (1)");
    EXPECT_TRUE(host.messages.empty());
}

TEST_P(DragDirection, dragFromLastToFirstLetterFindsTheWordToo) {
    const Direction d = GetParam();
    Puzzle p = blankPuzzle(7, 7);
    hideWord(p, "CAT", 3, 3, d.dr, d.dc);
    p.hiddenWords.add("DOG");
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 3 + 2 * d.dr, 3 + 2 * d.dc, 3, 3);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"CAT"});
    EXPECT_EQ(host.beeps, 1);
    // Both senses of travel share a colour family.
    EXPECT_EQ(p.grid.colourAt(3 + d.dr, 3 + d.dc), d.colour);
    EXPECT_EQ(p.grid.cursorRow(), 3);
    EXPECT_EQ(p.grid.cursorColumn(), 3);
}

INSTANTIATE_TEST_SUITE_P(EightWays, DragDirection,
                         ::testing::Values(Direction{0, 1, LineKind::Horizontal, kHorizontalMid},
                                           Direction{0, -1, LineKind::Horizontal, kHorizontalMid},
                                           Direction{1, 0, LineKind::Vertical, kVerticalMid},
                                           Direction{-1, 0, LineKind::Vertical, kVerticalMid},
                                           Direction{1, 1, LineKind::Falling, kFallingMid},
                                           Direction{-1, -1, LineKind::Falling, kFallingMid},
                                           Direction{-1, 1, LineKind::Rising, kRisingMid},
                                           Direction{1, -1, LineKind::Rising, kRisingMid}));

TEST(finishDrag, risingDragReadsItsCellsFromTheAnchor) {
    Puzzle p = blankPuzzle(5, 5);
    testing::writeLine(p, "OWL", 2, 1, -1, 1);  // (2,1), (1,2), (0,3)
    p.hiddenWords.add("OWL");
    p.hiddenWords.add("ZZZ");
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 2, 1, 0, 3);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"OWL"});
    EXPECT_EQ(p.grid.colourAt(1, 2), kRisingMid);
}

TEST(finishDrag, fallingDragUpwardsReadsFourCellsFromTheAnchor) {
    Puzzle p = blankPuzzle(5, 5);
    testing::writeLine(p, "LION", 4, 4, -1, -1);  // (4,4), (3,3), (2,2), (1,1)
    p.hiddenWords.add("NOIL");                      // the reversal is compared too
    p.hiddenWords.add("ZZZ");
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 4, 4, 1, 1);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"NOIL"});
    EXPECT_EQ(testing::colouredCells(p.grid), 4);
    EXPECT_EQ(p.grid.colourAt(0, 0), kWhite);
}

// ---- drags that find nothing ----

TEST(finishDrag, knightMoveFindsNothingDrawsNothingAndCollapsesOntoTheAnchor) {
    Puzzle p = blankPuzzle(5, 5);
    hideWord(p, "AB", 0, 0, 1, 0);
    p.countsShown = WordCounts{99, 98};
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 0, 0, 2, 1);
    EXPECT_EQ(p.hiddenWords.count(), 1);
    EXPECT_EQ(host.beeps, 0);
    EXPECT_EQ(rnd.draws, 0);
    EXPECT_EQ(p.grid.cursorRow(), 0);
    EXPECT_EQ(p.grid.cursorColumn(), 0);
    EXPECT_EQ(p.grid.selectionRow(), 0);
    EXPECT_EQ(p.grid.selectionColumn(), 0);
    EXPECT_EQ(hiddenCaption(p), "Hidden (1)");
    EXPECT_TRUE(testing::allWhite(p.grid));
}

TEST(finishDrag, oneCellClickChangesNothingNotEvenTheCaptions) {
    Puzzle p = blankPuzzle(5, 5);
    hideWord(p, "A", 2, 2, 0, 1);  // even a one-letter word under the click stays hidden
    p.countsShown = WordCounts{99, 98};
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 2, 2, 2, 2);
    EXPECT_EQ(p.hiddenWords.count(), 1);
    EXPECT_EQ(p.countsShown->hidden, 99);
    EXPECT_EQ(p.countsShown->found, 98);
    EXPECT_EQ(rnd.draws, 0);
    EXPECT_EQ(host.beeps, 0);
    EXPECT_TRUE(testing::allWhite(p.grid));
}

TEST(finishDrag, rightOrMiddleButtonOnlyRefreshesTheCaptions) {
    for (int button : {2, 4}) {
        Puzzle p = blankPuzzle(5, 5);
        hideWord(p, "CAT", 0, 0, 0, 1);
        p.countsShown = WordCounts{99, 98};
        FakeHost host;
        ScriptedRandom rnd({}, 0.5f);
        drag(p, host, rnd, 0, 0, 0, 2, button);
        EXPECT_EQ(hiddenCaption(p), "Hidden (1)");
        EXPECT_EQ(foundCaption(p), "Found (0)");
        EXPECT_EQ(p.hiddenWords.count(), 1);
        EXPECT_EQ(rnd.draws, 0);
        EXPECT_EQ(p.grid.selectionColumn(), 2);  // the selection is left alone
        EXPECT_TRUE(testing::allWhite(p.grid));
    }
}

TEST(finishDrag, gridOutOfPlayOnlyCollapsesAndRefreshes) {
    Puzzle p = blankPuzzle(5, 5);
    hideWord(p, "CAT", 0, 0, 0, 1);
    p.inPlay = false;
    p.countsShown = WordCounts{99, 98};
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 0, 0, 0, 2);
    EXPECT_EQ(p.hiddenWords.count(), 1);
    EXPECT_EQ(rnd.draws, 0);
    EXPECT_EQ(host.beeps, 0);
    EXPECT_EQ(p.grid.selectionColumn(), 0);
    EXPECT_EQ(hiddenCaption(p), "Hidden (1)");
    EXPECT_TRUE(host.messages.empty());
    // A one-cell click while out of play still refreshes, since the game is not consulted.
    p.countsShown = WordCounts{99, 98};
    drag(p, host, rnd, 1, 1, 1, 1);
    EXPECT_EQ(hiddenCaption(p), "Hidden (1)");
}

TEST(finishDrag, partOfAWordOrAWordAndOneMoreLetterFindsNothing) {
    Puzzle p = blankPuzzle(6, 6);
    hideWord(p, "MOLE", 1, 0, 0, 1);
    hideWord(p, "EMU", 5, 0, 0, 1);
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 1, 0, 1, 2);  // MOL
    drag(p, host, rnd, 1, 0, 1, 4);  // MOLEQ
    drag(p, host, rnd, 1, 1, 1, 3);  // OLE
    EXPECT_EQ(p.hiddenWords.count(), 2);
    EXPECT_EQ(host.beeps, 0);
    EXPECT_EQ(rnd.draws, 9);  // every straight line draws its colour, matched or not
    EXPECT_TRUE(testing::allWhite(p.grid));
    EXPECT_EQ(p.grid.cursorRow(), 1);  // a miss leaves the cursor on the anchor
    EXPECT_EQ(p.grid.cursorColumn(), 1);
    EXPECT_EQ(p.grid.selectionColumn(), 1);
}

TEST(finishDrag, comparisonIsExactAndCaseSensitive) {
    Puzzle p = blankPuzzle(5, 5);
    testing::writeLine(p, "cat", 0, 0, 0, 1);
    p.hiddenWords.add("CAT");
    p.hiddenWords.add(" ZZ");
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 0, 0, 0, 2);
    EXPECT_EQ(p.hiddenWords.count(), 2);
    EXPECT_EQ(host.beeps, 0);
}

TEST(finishDrag, wordSpelledAlongAnotherLineIsFoundThereAndThatLineIsPainted) {
    Puzzle p = blankPuzzle(6, 6);
    hideWord(p, "EMU", 0, 0, 0, 1);             // the recorded copy
    testing::writeLine(p, "EMU", 5, 5, -1, 0);  // a chance second copy, upwards
    p.hiddenWords.add("YAK");
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 5, 5, 3, 5);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"EMU"});
    EXPECT_EQ(p.grid.colourAt(4, 5), kVerticalMid);
    EXPECT_EQ(p.grid.colourAt(0, 1), kWhite);
    EXPECT_EQ(testing::colouredCells(p.grid), 3);
}

TEST(finishDrag, crossingWordsBlendWhereTheyMeet) {
    Puzzle p = blankPuzzle(5, 5);
    hideWord(p, "BAT", 0, 1, 1, 0);  // column 1, rows 0-2
    hideWord(p, "CAN", 1, 0, 0, 1);  // row 1, columns 0-2, sharing the A
    p.hiddenWords.add("ZZZ");
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 0, 1, 2, 1);
    drag(p, host, rnd, 1, 0, 1, 2);
    EXPECT_EQ(p.grid.colourAt(1, 1), 0x000DCDE4);
    EXPECT_EQ(p.grid.colourAt(0, 1), kVerticalMid);
    EXPECT_EQ(p.grid.colourAt(1, 2), kHorizontalMid);
}

TEST(finishDrag, aFoundWordCannotBeFoundTwice) {
    Puzzle p = blankPuzzle(5, 5);
    hideWord(p, "CAT", 0, 0, 0, 1);
    p.hiddenWords.add("ZZZ");
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 0, 0, 0, 2);
    const std::int32_t colour = p.grid.colourAt(0, 0);
    drag(p, host, rnd, 0, 0, 0, 2);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(p.foundWords.count(), 1);
    EXPECT_EQ(p.grid.colourAt(0, 0), colour);
}

TEST(finishDrag, noBeepWhileFindingAll) {
    Puzzle p = blankPuzzle(5, 5);
    hideWord(p, "CAT", 0, 0, 0, 1);
    p.hiddenWords.add("ZZZ");
    p.findingAll = true;
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 0, 0, 0, 2);
    EXPECT_EQ(p.foundWords.count(), 1);
    EXPECT_EQ(host.beeps, 0);
    EXPECT_TRUE(p.findingAll);
}

// ---- completion ----

// Records the state of the puzzle at the moment the completion question is asked.
class WatchingHost : public FakeHost {
  public:
    explicit WatchingHost(const Puzzle& p) : p_(p) {}
    Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons,
                      MessageIcon icon) override {
        listsVisible = !p_.findingAll;
        findingAll = p_.findingAll;
        busyAtQuestion = busy;
        labelF = foundCaption(p_);
        return FakeHost::messageBox(text, caption, buttons, icon);
    }
    bool listsVisible = false, findingAll = true, busyAtQuestion = true;
    std::string labelF;

  private:
    const Puzzle& p_;
};

TEST(finishDrag, lastWordAsksToClearAndYesHidesEveryWordAgain) {
    Puzzle p = blankPuzzle(5, 5);
    hideWord(p, "CAT", 0, 0, 0, 1);
    hideWord(p, "DOG", 4, 4, -1, 0, true);
    WatchingHost host(p);
    host.busy = true;
    host.answers = {Answer::Yes};
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 0, 0, 0, 2);
    EXPECT_TRUE(host.messages.empty());
    drag(p, host, rnd, 4, 4, 2, 4);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "You have completed the lettermaze!\r\nClear grid?");
    EXPECT_EQ(host.messages[0].caption, "Lettermaze");
    EXPECT_EQ(host.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(host.listsVisible);
    EXPECT_FALSE(host.findingAll);
    EXPECT_FALSE(host.busyAtQuestion);
    EXPECT_EQ(host.labelF, "Found (2)");
    EXPECT_EQ(host.beeps, 2);
    // Yes: the same puzzle, unsolved and playable.
    EXPECT_TRUE(testing::allWhite(p.grid));
    EXPECT_EQ(p.hiddenWords.items(), (std::vector<std::string>{"CAT", "DOG"}));
    EXPECT_EQ(p.foundWords.count(), 0);
    EXPECT_TRUE(p.inPlay);
    EXPECT_TRUE(p.shown);
    EXPECT_EQ(p.grid.cursorRow(), 4);  // clearGrid left the cursor bottom-right
    EXPECT_EQ(p.grid.cursorColumn(), 4);
    EXPECT_EQ(p.grid.selectionRow(), 4);
    EXPECT_EQ(hiddenCaption(p), "Hidden (2)");
    EXPECT_EQ(foundCaption(p), "Found (0)");
    // Found again, in fresh shades.
    SeededRandom other(3);
    drag(p, host, other, 0, 2, 0, 0);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"CAT"});
    EXPECT_NE(p.grid.colourAt(0, 0), kHorizontalMid);
}

TEST(finishDrag, noAtCompletionKeepsEverythingButStopsPlay) {
    Puzzle p = blankPuzzle(5, 5);
    hideWord(p, "CAT", 0, 0, 0, 1);
    hideWord(p, "DOG", 2, 0, 1, 1);
    FakeHost host;
    host.answers = {Answer::No};
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 0, 0, 0, 2);
    drag(p, host, rnd, 2, 0, 4, 2);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_FALSE(p.inPlay);
    EXPECT_EQ(p.foundWords.items(), (std::vector<std::string>{"CAT", "DOG"}));
    EXPECT_EQ(testing::colouredCells(p.grid), 6);
    EXPECT_EQ(p.grid.cursorRow(), 4);
    EXPECT_EQ(p.grid.cursorColumn(), 2);
    EXPECT_EQ(p.grid.selectionRow(), 4);
    // Further drags only collapse and refresh.
    const int draws = rnd.draws;
    drag(p, host, rnd, 0, 2, 0, 0);
    EXPECT_EQ(rnd.draws, draws);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(p.grid.selectionColumn(), 2);
    EXPECT_EQ(foundCaption(p), "Found (2)");
}

TEST(finishDrag, completionIsCheckedAfterAMissWhenNothingIsHidden) {
    Puzzle p = blankPuzzle(5, 5);
    FakeHost host;
    host.answers = {Answer::No};
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 0, 0, 2, 1);  // not even a line
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_FALSE(p.inPlay);
}

}  // namespace
}  // namespace lettermaze
