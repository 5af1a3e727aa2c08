// Solving: classifying a drag, matching it against the hidden words, the highlight colours,
// completion, the Cheat menu, Reset, and counting a word's lines in the grid.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "fakes/Builders.h"
#include "solve/Cheats.h"
#include "solve/Matcher.h"

namespace lettermaze {
namespace {

using namespace testing;

const Words kFive = {"ANT", "BEE", "CAT", "DOG", "EMU"};
const Words kRows = {"CATD..B", "...O.E.", "U..GE..", ".M.....", "..E....", ".......", "..TNA.."};
constexpr auto placed = &PlacementRecord::placed;

// A 7 x 7 puzzle with five words, one in each direction the generator writes (ANT and EMU
// reversed), each with the record the generator keeps; a random source that draws 0.5, the
// middle shade of every family; and what the host was asked, with the lists shown or hidden.
struct Play {
    Puzzle p;
    FakeHost host;
    ScriptedRandom rnd = ScriptedRandom({}, 0.5f);
    std::string seen;
    explicit Play(const Words& hidden = kFive) : p(gridPuzzle(kRows, hidden)) {
        p.placements = {placed("CAT", 1, 1, 3, 1), placed("DOG", 4, 1, 4, 3),
                        placed("EMU", 1, 3, 3, 5), placed("BEE", 7, 1, 5, 3),
                        placed("ANT", 3, 7, 5, 7)};
        p.countsShown = WordCounts{99, 98};  // counts shown earlier
        host.watch = [this](const std::string& what) {
            seen += what + (p.findingAll ? "-hidden " : " ");
            if (what == "ask") seen += "(" + foundCaption(p) + ") ";
        };
    }
    // A mouse drag: button down on the anchor, up on the end cell.
    Play& drag(int row, int col, int rowSel, int colSel, int button = 1) {
        p.grid.setCursorRow(row);
        p.grid.setCursorColumn(col);
        p.grid.setSelectionRow(rowSel);
        p.grid.setSelectionColumn(colSel);
        finishDrag(p, host, rnd, button);
        return *this;
    }
    // Found words, coloured cells, the colour at (r, c), cursor and selection, the found
    // caption, beeps and draws, in one line.
    std::string state(int r = 0, int c = 0) const {
        const Grid& g = p.grid;
        std::ostringstream s;
        for (const auto& w : p.foundWords.items()) s << w << ",";
        s << " " << colouredCells(g) << " " << g.colourAt(r, c) << " " << g.cursorRow()
          << g.cursorColumn() << g.selectionRow() << g.selectionColumn() << " " << foundCaption(p)
          << " " << host.count("beep") << rnd.draws;
        return s.str();
    }
};

// A drag from either end of a hidden word finds it with a beep and paints it in a shade of its
// direction's family; the cursor ends on the end cell. A part of a word, a word and one more
// letter, a knight's move, other buttons and a click on one cell find nothing; every straight
// line draws its colour, and the left button collapses the selection onto the anchor.
TEST(finishDrag, aDragFromEitherEndOfAWordFindsItAndAnythingElseFindsNothing) {
    const std::string missed = " 0 16777215 0000 Found (0) 0";
    // The anchor, the end cell and the button; the state, with the anchor's colour.
    const std::tuple<int, int, int, int, int, std::string> cases[] = {
        // clang-format off
        {0, 0, 0, 2, 1, "CAT, 3 897764 0202 Found (1) 13"},  // orange across
        {0, 2, 0, 0, 1, "CAT, 3 897764 0000 Found (1) 13"},
        {2, 3, 0, 3, 1, "DOG, 3 911844 0303 Found (1) 13"},  // yellow down
        {4, 2, 2, 0, 1, "EMU, 3 910447 2020 Found (1) 13"},  // falling
        {0, 6, 2, 4, 1, "BEE, 3 910470 2424 Found (1) 13"},  // rising
        {0, 0, 0, 1, 1, missed + "3"}, {0, 0, 0, 3, 1, missed + "3"}, {0, 0, 2, 1, 1, missed + "0"},
        {0, 0, 0, 2, 2, " 0 16777215 0002 Found (0) 00"},  // the right button
        {0, 0, 0, 0, 1, " 0 16777215 0000 Found (98) 00"}};  // one cell
    // clang-format on
    for (const auto& [r0, c0, r1, c1, button, expected] : cases)
        EXPECT_EQ(Play().drag(r0, c0, r1, c1, button).state(r0, c0), expected) << r1 << c1;
}

// The last word found, by hand or by Find all, asks whether to clear the grid, with the lists
// shown, the captions refreshed and the pointer normal; Yes hides every word again, No keeps
// them found and takes the grid out of play, where a drag only collapses the selection. Find
// all works silently down the list with both lists hidden and the pointer busy, skipping words
// found by hand.
TEST(Completion, theLastWordFoundAsksToClearYesHidesEveryWordAgainNoStopsPlay) {
    const std::string done = "ask You have completed the lettermaze!\r\nClear grid?|Lettermaze";
    for (bool yes : {true, false}) {
        Play hand({"CAT"}), all;
        hand.host.answers = all.host.answers = {yes ? Answer::Yes : Answer::No};
        hand.drag(0, 2, 0, 0);
        EXPECT_EQ(hand.seen + std::to_string(hand.host.count(done)), "beep idle ask (Found (1)) 1");
        EXPECT_EQ(hand.state(),
                  yes ? " 0 16777215 6666 Found (0) 13" : "CAT, 3 897764 0000 Found (1) 13");
        hand.drag(0, 0, 0, 2);  // found and asked again, or out of play
        EXPECT_EQ(hand.state(),
                  yes ? "CAT, 3 897764 0202 Found (1) 26" : "CAT, 3 897764 0000 Found (1) 13");
        all.drag(2, 3, 0, 3);  // DOG, by hand
        findAllWords(all.p, all.host, all.rnd);
        EXPECT_EQ(all.seen, "beep busy events-hidden idle ask (Found (5)) idle ");
        EXPECT_EQ(all.state(), yes ? " 0 16777215 6666 Found (0) 115"
                                   : "ANT,BEE,CAT,DOG,EMU, 15 897764 4242 Found (5) 115");
    }
}

// Find selected releases the mouse on the word's first record (word trimmed of spaces, cells
// shifted to 0-based and rounded half to even), and what those cells spell is what is found.
// A record that is missing or names no cells of the grid ends quietly; Find all stops there,
// and where a line finds nothing, leaving the words after it hidden.
TEST(FindSelected, usesTheWordsFirstRecordAndAnUnusableOneStopsFindAll) {
    const std::string quiet = " 0 16777215 0000 Found (98) 00";  // nothing found or drawn
    const std::pair<PlacementRecord, std::string> cases[] = {
        // the record, after Find selected
        // clang-format off
        {placed("  COW ", 3, 7, 5, 7), "ANT, 3 16777215 6464 Found (1) 13"},
        {{"COW", 3.5, 7.4, 5.4, 6.5}, "ANT, 3 16777215 6464 Found (1) 13"},
        {{"COW", std::nullopt, 1.0, 3.0, 1.0}, quiet}, {{"COW", 1.0, NAN, 3.0, 1.0}, quiet},
        {{"COW", 1.0, 1.0, 8.0, 1.0}, quiet}, {placed("MOO", 2, 2, 4, 4), quiet},
        {{"COW", 1.0, 1.0, 3.0, 1e9}, " 0 16777215 0002 Found (98) 00"},
        {placed("COW", 2, 2, 2, 2), " 0 16777215 1111 Found (98) 00"},
        {placed("COW", 1, 1, 2, 3), " 0 16777215 0000 Found (0) 00"},
        {placed("COW", 4, 1, 4, 3), "DOG, 3 16777215 2323 Found (1) 13"}};
    // clang-format on
    const Words six = {"ANT", "BEE", "CAT", "COW", "DOG", "EMU"};  // COW sorts after CAT
    for (const auto& [record, selected] : cases) {
        Play g(six), all(six);
        for (Play* play : {&g, &all}) play->p.placements.insert(play->p.placements.begin(), record);
        g.p.hiddenWords.setSelectedIndex(3);
        findSelectedWord(g.p, g.host, g.rnd);
        EXPECT_EQ(g.state(), selected) << record.x1.value_or(0);
        findAllWords(all.p, all.host, all.rnd);  // stops at COW, or DOG when COW's line is DOG
        EXPECT_TRUE(all.p.foundWords.count() == (selected[0] == 'D' ? 4 : 3) &&
                    all.host.count("ask") == 0 && !all.p.findingAll);
    }
    Play none(Words{});  // Find all with nothing hidden has nothing to do
    EXPECT_NO_THROW(findAllWords(none.p, none.host, none.rnd));
}

// Reset takes the puzzle back to unsolved and playable: white grid, every word hidden,
// cursor and selection bottom-right, captions refreshed; a selection in the hidden list stays.
TEST(Reset, takesThePuzzleBackToUnsolvedAndPlayable) {
    Play g;
    g.drag(0, 0, 0, 2);                   // CAT found, leaving ANT BEE DOG EMU
    g.p.hiddenWords.setSelectedIndex(1);  // BEE, which stays second when CAT comes back
    g.p.inPlay = g.p.shown = false;
    const CheatMenuState unshown = cheatMenuState(g.p);  // the Cheat menu has nothing to find
    resetPuzzle(g.p);
    const CheatMenuState shown = cheatMenuState(g.p);
    EXPECT_TRUE(!unshown.findSelected && !unshown.findAll && shown.findSelected && shown.findAll);
    EXPECT_TRUE(g.p.inPlay && g.p.shown && g.p.hiddenWords.selectedIndex() == 1);
    EXPECT_EQ(g.state() + hiddenCaption(g.p), " 0 16777215 6666 Found (0) 13Hidden (5)");
}

}  // namespace
}  // namespace lettermaze
