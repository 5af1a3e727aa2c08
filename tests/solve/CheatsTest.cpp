#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fakes/FakeHost.h"
#include "fakes/ScriptedRandom.h"
#include "solve/Cheats.h"
#include "solve/PuzzleBuilder.h"
#include "model/Puzzle.h"

namespace lettermaze {
namespace {

using testing::blankPuzzle;
using testing::drag;
using testing::FakeHost;
using testing::hideWord;
using testing::ScriptedRandom;

// Five words, one in each direction the generator writes, ANT and EMU reversed in the grid.
Puzzle fiveWords() {
    Puzzle p = blankPuzzle(7, 7);
    hideWord(p, "CAT", 0, 0, 0, 1);
    hideWord(p, "DOG", 0, 3, 1, 0);
    hideWord(p, "EMU", 2, 0, 1, 1, true);
    hideWord(p, "BEE", 0, 6, 1, -1);
    hideWord(p, "ANT", 6, 2, 0, 1, true);
    return p;
}

void selectWord(Puzzle& p, const std::string& word) {
    for (int i = 0; i < p.hiddenWords.count(); ++i)
        if (p.hiddenWords.at(i) == word) p.hiddenWords.setSelectedIndex(i);
}

void expectFindAllFinished(const Puzzle& p, const FakeHost& host) {
    EXPECT_TRUE(!p.findingAll);
    EXPECT_TRUE(!p.findingAll);
    EXPECT_FALSE(p.findingAll);
    EXPECT_FALSE(host.busy);
    EXPECT_EQ(host.busyOn, 1);
    EXPECT_EQ(host.processEventsCalls, 1);
}

// ---- the menu ----

TEST(CheatMenu, findSelectedNeedsASelectionAndFindAllAWordBothAVisibleGrid) {
    Puzzle p = fiveWords();
    CheatMenuState s = cheatMenuState(p);
    EXPECT_FALSE(s.findSelected);
    EXPECT_TRUE(s.findAll);
    p.hiddenWords.setSelectedIndex(2);
    s = cheatMenuState(p);
    EXPECT_TRUE(s.findSelected);
    EXPECT_TRUE(s.findAll);
    p.shown = false;
    s = cheatMenuState(p);
    EXPECT_FALSE(s.findSelected);
    EXPECT_FALSE(s.findAll);
    Puzzle empty = blankPuzzle(4, 4);
    s = cheatMenuState(empty);
    EXPECT_FALSE(s.findSelected);
    EXPECT_FALSE(s.findAll);
}

// ---- Find selected word ----

TEST(FindSelected, wordWrittenBackwardsIsFoundWithOneBeep) {
    Puzzle p = fiveWords();
    selectWord(p, "ANT");
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    findSelectedWord(p, host, rnd);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"ANT"});
    EXPECT_EQ(p.hiddenWords.count(), 4);
    EXPECT_EQ(host.beeps, 1);
    for (int c = 2; c <= 4; ++c) EXPECT_EQ(p.grid.colourAt(6, c), 0x000DB2E4);
    EXPECT_EQ(testing::colouredCells(p.grid), 3);
    EXPECT_EQ(foundCaption(p), "Found (1)");
    EXPECT_FALSE(host.busy);
}

TEST(FindSelected, recordWordsAreComparedWithoutSurroundingSpaces) {
    Puzzle p = blankPuzzle(5, 5);
    testing::writeLine(p, "YAK", 1, 1, 1, 0);
    p.hiddenWords.add("YAK");
    p.hiddenWords.add("ZZZ");
    p.placements.push_back(PlacementRecord::placed("  YAK ", 2, 2, 2, 4));
    p.hiddenWords.setSelectedIndex(0);
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    findSelectedWord(p, host, rnd);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"YAK"});
}

TEST(FindSelected, theFirstRecordOfTheWordIsUsedAndItsLettersDecide) {
    Puzzle p = fiveWords();
    // An earlier record for DOG that lies on CAT: the line is released, and CAT is what it spells.
    p.placements.insert(p.placements.begin(), PlacementRecord::placed("DOG", 1, 1, 3, 1));
    selectWord(p, "DOG");
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    findSelectedWord(p, host, rnd);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"CAT"});
    EXPECT_EQ(p.hiddenWords.count(), 4);
    EXPECT_EQ(p.hiddenWords.selectedText(), "DOG");
}

TEST(FindSelected, wordWithoutARecordChangesNothing) {
    Puzzle p = fiveWords();
    p.hiddenWords.add("YAK");
    selectWord(p, "YAK");
    p.countsShown = WordCounts{99, 98};
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    findSelectedWord(p, host, rnd);
    EXPECT_EQ(p.hiddenWords.count(), 6);
    EXPECT_EQ(p.countsShown->hidden, 99);
    EXPECT_EQ(rnd.draws, 0);
    EXPECT_TRUE(testing::allWhite(p.grid));
}

TEST(FindSelected, unusableCoordinatesEndQuietly) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const PlacementRecord broken[] = {
        {std::string("CAT"), std::nullopt, 1.0, 3.0, 1.0},  // empty x1 counts as 0
        {std::string("CAT"), 1.0, 1.0, 8.0, 1.0},           // past the last column
        {std::string("CAT"), 1.0, nan, 3.0, 1.0},           // not a number
        {std::string("CAT"), 1.0, 1.0, 3.0, 1e9},           // does not fit at all
    };
    for (const PlacementRecord& r : broken) {
        Puzzle p = fiveWords();
        p.placements.insert(p.placements.begin(), r);
        selectWord(p, "CAT");
        p.countsShown = WordCounts{99, 98};
        FakeHost host;
        ScriptedRandom rnd({}, 0.5f);
        EXPECT_NO_THROW(findSelectedWord(p, host, rnd));
        EXPECT_EQ(p.hiddenWords.count(), 5);
        EXPECT_EQ(p.countsShown->hidden, 99);
        EXPECT_EQ(rnd.draws, 0);
    }
}

TEST(FindSelected, fractionalCoordinatesRoundHalfToEvenAfterTheShift) {
    Puzzle p = blankPuzzle(6, 6);
    testing::writeLine(p, "GNU", 0, 2, 0, 1);  // columns 2-4, so x 3-5
    p.hiddenWords.add("GNU");
    p.hiddenWords.add("ZZZ");
    // x1 3.5 -> column 2.5 -> 2; x2 5.4 -> 4.4 -> 4; y 1.5 -> 0.5 -> 0.
    p.placements.push_back({std::string("GNU"), 3.5, 1.5, 5.4, 1.5});
    p.hiddenWords.setSelectedIndex(0);
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    findSelectedWord(p, host, rnd);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"GNU"});
}

// ---- Find all words ----

TEST(FindAll, fiveWordsAreFoundSilentlyThenYesHidesThemAgain) {
    Puzzle p = fiveWords();
    FakeHost host;
    host.answers = {Answer::Yes};
    ScriptedRandom rnd({}, 0.5f);
    findAllWords(p, host, rnd);
    EXPECT_EQ(host.beeps, 0);
    EXPECT_EQ(rnd.draws, 15);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "You have completed the lettermaze!\r\nClear grid?");
    EXPECT_EQ(p.hiddenWords.items(), (std::vector<std::string>{"ANT", "BEE", "CAT", "DOG", "EMU"}));
    EXPECT_EQ(p.foundWords.count(), 0);
    EXPECT_TRUE(testing::allWhite(p.grid));
    EXPECT_TRUE(p.inPlay);
    expectFindAllFinished(p, host);
}

TEST(FindAll, fiveWordsAreFoundThenNoLeavesThemFoundAndTheGridOutOfPlay) {
    Puzzle p = fiveWords();
    FakeHost host;
    host.answers = {Answer::No};
    ScriptedRandom rnd({}, 0.5f);
    findAllWords(p, host, rnd);
    EXPECT_EQ(host.beeps, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(p.foundWords.items(), (std::vector<std::string>{"ANT", "BEE", "CAT", "DOG", "EMU"}));
    EXPECT_EQ(p.hiddenWords.count(), 0);
    EXPECT_EQ(testing::colouredCells(p.grid), 15);
    EXPECT_FALSE(p.inPlay);
    EXPECT_EQ(foundCaption(p), "Found (5)");
    expectFindAllFinished(p, host);
    // Dragging over a word now does nothing.
    drag(p, host, rnd, 0, 6, 2, 4);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST(FindAll, wordsFoundByHandAreSkippedAndTheLastOneCompletes) {
    Puzzle p = fiveWords();
    FakeHost host;
    host.answers = {Answer::No};
    ScriptedRandom rnd({}, 0.5f);
    drag(p, host, rnd, 0, 0, 0, 2);  // CAT
    drag(p, host, rnd, 2, 3, 0, 3);  // DOG, backwards
    EXPECT_EQ(host.beeps, 2);
    findAllWords(p, host, rnd);
    EXPECT_EQ(host.beeps, 2);
    EXPECT_EQ(rnd.draws, 15);
    EXPECT_EQ(p.foundWords.count(), 5);
    EXPECT_EQ(host.messages.size(), 1u);
    expectFindAllFinished(p, host);
}

TEST(FindAll, aWordWithoutARecordStopsTheRunThere) {
    Puzzle p = fiveWords();
    p.hiddenWords.add("COW");  // sorts between BEE and DOG, has no record
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    findAllWords(p, host, rnd);
    EXPECT_EQ(p.foundWords.items(), (std::vector<std::string>{"ANT", "BEE", "CAT"}));
    EXPECT_EQ(p.hiddenWords.items(), (std::vector<std::string>{"COW", "DOG", "EMU"}));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(p.inPlay);
    expectFindAllFinished(p, host);
}

TEST(FindAll, brokenRecordsStopTheRunInsteadOfLoopingForEver) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const PlacementRecord broken[] = {
        PlacementRecord{std::string("BEE"), {}, {}, {}, {}},  // word but no cells
        PlacementRecord::placed("BEE", 0, 1, 2, 3),           // outside the grid
        PlacementRecord{std::string("BEE"), 7.0, nan, 5.0, 3.0},
        PlacementRecord::placed("BEE", 1, 1, 3, 1),  // a line that spells CAT, already found
        PlacementRecord::placed("BEE", 2, 2, 4, 4),  // a line that spells nothing
        PlacementRecord::placed("BEE", 2, 2, 2, 2),  // a single cell
        PlacementRecord::placed("BEE", 1, 1, 2, 3),  // not a line
        PlacementRecord{std::string("BEE"), 7.4, 1.0, 5.0, 2.4},  // rounds to a cell off the line
    };
    for (const PlacementRecord& r : broken) {
        Puzzle p = fiveWords();
        FakeHost handHost;
        ScriptedRandom handRnd({}, 0.5f);
        drag(p, handHost, handRnd, 0, 0, 0, 2);  // CAT found by hand first
        p.placements.insert(p.placements.begin(), r);
        FakeHost host;
        ScriptedRandom rnd({}, 0.5f);
        findAllWords(p, host, rnd);
        EXPECT_EQ(p.foundWords.items(), (std::vector<std::string>{"ANT", "CAT"}));
        EXPECT_EQ(p.hiddenWords.items(), (std::vector<std::string>{"BEE", "DOG", "EMU"}));
        EXPECT_TRUE(host.messages.empty());
        expectFindAllFinished(p, host);
    }
}

TEST(FindAll, aRecordSpellingAnotherHiddenWordFindsThatOneAndGoesOn) {
    Puzzle p = fiveWords();
    // BEE's first record lies on DOG: DOG is found in BEE's turn, then BEE's line finds nothing.
    p.placements.insert(p.placements.begin(), PlacementRecord::placed("BEE", 4, 1, 4, 3));
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    findAllWords(p, host, rnd);
    EXPECT_EQ(p.foundWords.items(), (std::vector<std::string>{"ANT", "DOG"}));
    EXPECT_EQ(p.hiddenWords.items(), (std::vector<std::string>{"BEE", "CAT", "EMU"}));
    expectFindAllFinished(p, host);
}

TEST(FindAll, gridOutOfPlayFindsNothingAndEnds) {
    Puzzle p = fiveWords();
    p.inPlay = false;
    FakeHost host;
    ScriptedRandom rnd({}, 0.5f);
    findAllWords(p, host, rnd);
    EXPECT_EQ(p.hiddenWords.count(), 5);
    EXPECT_EQ(rnd.draws, 0);
    expectFindAllFinished(p, host);
}

// ---- Reset ----

TEST(Reset, afterNoAtCompletionThePuzzleIsPlayableAgain) {
    Puzzle p = fiveWords();
    FakeHost host;
    host.answers = {Answer::No};
    ScriptedRandom rnd({}, 0.5f);
    findAllWords(p, host, rnd);
    ASSERT_FALSE(p.inPlay);
    resetPuzzle(p);
    EXPECT_TRUE(p.inPlay);
    EXPECT_TRUE(p.shown);
    EXPECT_TRUE(testing::allWhite(p.grid));
    EXPECT_EQ(p.hiddenWords.items(), (std::vector<std::string>{"ANT", "BEE", "CAT", "DOG", "EMU"}));
    EXPECT_EQ(p.foundWords.count(), 0);
    EXPECT_EQ(p.grid.cursorRow(), 6);
    EXPECT_EQ(p.grid.cursorColumn(), 6);
    EXPECT_EQ(p.grid.selectionRow(), 6);
    EXPECT_EQ(p.grid.selectionColumn(), 6);
    EXPECT_EQ(hiddenCaption(p), "Hidden (5)");
    EXPECT_EQ(foundCaption(p), "Found (0)");
    drag(p, host, rnd, 0, 0, 0, 2);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"CAT"});
}

TEST(Reset, withNothingFoundLeavesTheListsAsTheyWere) {
    Puzzle p = fiveWords();
    p.hiddenWords.setSelectedIndex(1);
    resetPuzzle(p);
    EXPECT_EQ(p.hiddenWords.items(), (std::vector<std::string>{"ANT", "BEE", "CAT", "DOG", "EMU"}));
    EXPECT_EQ(p.hiddenWords.selectedIndex(), 1);
    EXPECT_EQ(p.foundWords.count(), 0);
    EXPECT_TRUE(testing::allWhite(p.grid));
}

}  // namespace
}  // namespace lettermaze
