// Solving: classifying a drag, matching it against the hidden words, the highlight colours,
// completion, the Cheat menu, Reset, and counting a word's lines in the grid.
#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "fakes/Builders.h"
#include "solve/Cheats.h"
#include "solve/Highlight.h"
#include "solve/Occurrences.h"

namespace lettermaze {
namespace {

using namespace testing;

constexpr float kTop = 1.0f - 1.0f / 16777216.0f;  // the largest value a draw can give
const Words kFive = {"ANT", "BEE", "CAT", "DOG", "EMU"};

// A 7 x 7 puzzle with five words, one in each direction the generator writes, ANT and EMU
// reversed in the grid; and a random source that draws 0.5, the middle shade of every family.
struct Play {
    Puzzle p = blankPuzzle(7, 7);
    FakeHost host;
    ScriptedRandom rnd = ScriptedRandom({}, 0.5f);
    Play() {
        hideWord(p, "CAT", 0, 0, 0, 1);
        hideWord(p, "DOG", 0, 3, 1, 0);
        hideWord(p, "EMU", 2, 0, 1, 1, true);
        hideWord(p, "BEE", 0, 6, 1, -1);
        hideWord(p, "ANT", 6, 2, 0, 1, true);
        p.countsShown = WordCounts{99, 98};  // counts shown earlier
    }
    Play& drag(int row, int col, int rowSel, int colSel, int button = 1) {
        testing::drag(p, host, rnd, row, col, rowSel, colSel, button);
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
    const struct {
        int r0, c0, r1, c1, button;
        std::string expected;
    } cases[] = {
        {0, 0, 0, 2, 1, "CAT, 3 897764 0202 Found (1) 13"},  // orange across
        {0, 2, 0, 0, 1, "CAT, 3 897764 0000 Found (1) 13"},
        {2, 3, 0, 3, 1, "DOG, 3 16777215 0303 Found (1) 13"},  // yellow down
        {4, 2, 2, 0, 1, "EMU, 3 16777215 2020 Found (1) 13"},  // falling
        {0, 6, 2, 4, 1, "BEE, 3 16777215 2424 Found (1) 13"},  // rising
        {6, 4, 6, 2, 1, "ANT, 3 16777215 6262 Found (1) 13"},
        {0, 0, 0, 1, 1, " 0 16777215 0000 Found (0) 03"},   // part of CAT
        {0, 0, 0, 3, 1, " 0 16777215 0000 Found (0) 03"},   // CAT and one more
        {0, 0, 2, 1, 1, " 0 16777215 0000 Found (0) 00"},   // a knight's move
        {0, 0, 0, 2, 2, " 0 16777215 0002 Found (0) 00"},   // right button
        {0, 0, 0, 2, 4, " 0 16777215 0002 Found (0) 00"},   // middle button
        {0, 0, 0, 0, 1, " 0 16777215 0000 Found (98) 00"},  // one cell: nothing at all
    };
    for (const auto& c : cases)
        EXPECT_EQ(Play().drag(c.r0, c.c0, c.r1, c.c1, c.button).state(), c.expected)
            << c.r0 << c.c0 << c.r1 << c.c1;
    EXPECT_EQ(Play().drag(2, 3, 0, 3).state(1, 3), "DOG, 3 911844 0303 Found (1) 13");
    EXPECT_EQ(Play().drag(4, 2, 2, 0).state(3, 1), "EMU, 3 910447 2020 Found (1) 13");
    EXPECT_EQ(Play().drag(0, 6, 2, 4).state(1, 5), "BEE, 3 910470 2424 Found (1) 13");
    Play out;  // a grid out of play only collapses the selection and refreshes the captions
    out.p.inPlay = false;
    EXPECT_EQ(out.drag(0, 0, 0, 2).state(), " 0 16777215 0000 Found (0) 00");
}

// The last word found asks whether to clear the grid, with the lists shown and the pointer
// normal; Yes hides every word again, No keeps them found and stops play.
TEST(finishDrag, theLastWordAsksToClearYesHidesEveryWordAgainNoStopsPlay) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        Play g;
        g.p.hiddenWords.clear();
        g.p.hiddenWords.add("CAT");
        g.host.answers = {answer};
        std::string atQuestion;
        g.host.watch = [&](const std::string&) {
            atQuestion = foundCaption(g.p) + (g.p.findingAll ? " hidden" : " shown");
        };
        g.drag(0, 2, 0, 0);
        EXPECT_EQ(atQuestion, "Found (1) shown");
        const std::string ask = "ask You have completed the lettermaze!\r\nClear grid?|Lettermaze";
        EXPECT_EQ(g.host.log, (Words{"beep", "idle", ask}));
        EXPECT_EQ(g.state(), answer == Answer::Yes ? " 0 16777215 6666 Found (0) 13"
                                                   : "CAT, 3 897764 0000 Found (1) 13");
        g.drag(0, 0, 0, 2);  // out of play after No: nothing to find, no question
        EXPECT_EQ(g.host.count("ask"), answer == Answer::Yes ? 2 : 1);
    }
}

std::int32_t pick(LineKind kind, float r, float g, float b) {
    ScriptedRandom rnd({r, g, b}, 0.9f);
    return pickHighlight(kind, rnd);
}

// Each family spans its own red and green ranges and blue 0-25, drawn red, green, blue; the
// top draw must not round up past the end of a range. Crossing colours blend channel by
// channel, rounding down.
TEST(pickHighlight, drawsRedGreenBlueWithinEachFamilysRanges) {
    const struct {
        LineKind kind;
        std::int32_t low, high;
    } families[] = {{LineKind::Vertical, 200 + 256 * 210, 255 + 256 * 255},
                    {LineKind::Horizontal, 200 + 256 * 150, 255 + 256 * 205},
                    {LineKind::Falling, 100 + 256 * 200, 122 + 256 * 255},
                    {LineKind::Rising, 123 + 256 * 200, 145 + 256 * 255}};
    for (const auto& f : families) {
        EXPECT_EQ(pick(f.kind, 0, 0, 0), f.low);
        EXPECT_EQ(pick(f.kind, kTop, kTop, kTop), f.high + 65536 * 25);
    }
    EXPECT_EQ(pick(LineKind::Horizontal, 0.0f, kTop, 0.5f), 200 + 256 * 205 + 65536 * 13);
    EXPECT_EQ(blendColour(0x000000, 0x050301, 0.5), 0x020100);
    EXPECT_EQ(blendColour(0x123456, 0x654321, 1.0), 0x654321);
    EXPECT_EQ(blendColour(200, 100, 0.25), 175);
}

TEST(CheatMenu, findSelectedNeedsASelectionAndFindAllAWordBothAVisibleGrid) {
    Play g;
    const auto state = [&] {
        return cheatMenuState(g.p).findSelected * 10 + cheatMenuState(g.p).findAll;
    };
    const int none = state();
    g.p.hiddenWords.setSelectedIndex(2);
    const int selected = state();
    g.p.shown = false;
    const int empty = cheatMenuState(blankPuzzle(4, 4)).findAll;
    EXPECT_EQ((std::vector{none, selected, state(), empty}), (std::vector{1, 11, 0, 0}));
}

// Find selected releases the mouse on the word's first record (word trimmed of spaces, cells
// shifted to 0-based and rounded half to even), and what those cells spell is what is found.
// A record that is missing or names no cells of the grid ends quietly; Find all stops there,
// and where a line finds nothing, leaving the words after it hidden.
TEST(FindSelected, usesTheWordsFirstRecordAndAnUnusableOneStopsFindAll) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto placed = &PlacementRecord::placed;
    const std::pair<PlacementRecord, std::string> cases[] = {  // the record, after Find selected
        {placed("  COW ", 3, 7, 5, 7), "ANT, 3 16777215 6464 Found (1) 13"},
        {{"COW", 3.5, 7.4, 5.4, 6.5}, "ANT, 3 16777215 6464 Found (1) 13"},
        {{"COW", std::nullopt, 1.0, 3.0, 1.0}, " 0 16777215 0000 Found (98) 00"},
        {{"COW", 1.0, nan, 3.0, 1.0}, " 0 16777215 0000 Found (98) 00"},
        {{"COW", 1.0, 1.0, 8.0, 1.0}, " 0 16777215 0000 Found (98) 00"},
        {{"COW", 1.0, 1.0, 3.0, 1e9}, " 0 16777215 0002 Found (98) 00"},
        {placed("COW", 2, 2, 2, 2), " 0 16777215 1111 Found (98) 00"},
        {placed("MOO", 2, 2, 4, 4), " 0 16777215 0000 Found (98) 00"},
        {placed("COW", 1, 1, 2, 3), " 0 16777215 0000 Found (0) 00"},
        {placed("COW", 4, 1, 4, 3), "DOG, 3 16777215 2323 Found (1) 13"}};
    for (const auto& [record, selected] : cases) {
        Play g, all;
        for (Play* play : {&g, &all}) {
            play->p.hiddenWords.add("COW");  // sorts after CAT
            play->p.placements.insert(play->p.placements.begin(), record);
        }
        g.p.hiddenWords.setSelectedIndex(3);
        findSelectedWord(g.p, g.host, g.rnd);
        EXPECT_EQ(g.state(), selected) << record.x1.value_or(0);
        findAllWords(all.p, all.host, all.rnd);  // stops at COW, or DOG when COW's line is DOG
        const std::string found = "ANT,BEE,CAT," + std::string(selected[0] == 'D' ? "DOG," : "");
        EXPECT_EQ(all.state().substr(0, found.size() + 1), found + " ");
        EXPECT_TRUE(all.host.count("ask") == 0 && !all.p.findingAll);
    }
}

// Find all works silently down the list with both lists hidden and the pointer busy, skipping
// words found by hand, shows the lists again, and the last word asks the completion question.
TEST(FindAll, findsEveryWordSilentlyWithTheListsHiddenThenAsksTheQuestion) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        Play g;
        g.host.answers = {answer};
        std::string lists;
        g.host.watch = [&](const std::string& what) {
            lists += what + (g.p.findingAll ? "-hidden " : "-shown ");
        };
        g.drag(2, 3, 0, 3);  // DOG, by hand
        findAllWords(g.p, g.host, g.rnd);
        EXPECT_EQ(g.state(), answer == Answer::Yes
                                 ? " 0 16777215 6666 Found (0) 115"
                                 : "ANT,BEE,CAT,DOG,EMU, 15 897764 4242 Found (5) 115");
        EXPECT_EQ(lists, "beep-shown busy-shown events-hidden idle-shown ask-shown idle-shown ");
    }
    Play out;
    out.p.inPlay = false;
    findAllWords(out.p, out.host, out.rnd);
    EXPECT_EQ(out.state(), " 0 16777215 6262 Found (0) 00");
}

// Reset takes the puzzle back to unsolved and playable: white grid, every word hidden,
// cursor and selection bottom-right, captions refreshed; a selection in the hidden list stays.
TEST(Reset, takesThePuzzleBackToUnsolvedAndPlayable) {
    Play g;
    g.p.hiddenWords.setSelectedIndex(1);
    findAllWords(g.p, g.host, g.rnd);
    g.p.grid.setSelectionRow(3);
    g.p.shown = false;
    resetPuzzle(g.p);
    EXPECT_TRUE(g.p.inPlay && g.p.shown);
    EXPECT_EQ(g.p.hiddenWords.items(), kFive);
    EXPECT_EQ(g.state() + hiddenCaption(g.p), " 0 16777215 6666 Found (0) 015Hidden (5)");
    Play fresh;
    fresh.p.hiddenWords.setSelectedIndex(1);
    resetPuzzle(fresh.p);
    EXPECT_EQ(fresh.p.hiddenWords.selectedIndex(), 1);
}

// Every line that reads the word, either way, counts once: a palindrome's two readings are one
// line, and a single letter is one line per cell.
TEST(findOccurrences, countsEveryLineThatReadsTheWordOnce) {
    const Grid g = gridPuzzle({"ABAX", "BXBA", "AXAB"}).grid;
    for (const auto& [word, lines] : {std::pair{"", 0}, {"XA", 8}, {"AX", 8}, {"ABA", 3}, {"X", 3}})
        EXPECT_EQ(findOccurrences(g, word).size(), lines) << word;
    const Occurrence first = findOccurrences(g, "XA")[0];  // from X down to A
    EXPECT_EQ(std::vector({first.row1, first.col1, first.row2, first.col2}),
              std::vector({0, 3, 1, 3}));
}

}  // namespace
}  // namespace lettermaze
