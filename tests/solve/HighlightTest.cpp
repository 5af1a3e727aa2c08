#include <gtest/gtest.h>

#include "fakes/ScriptedRandom.h"
#include "solve/Highlight.h"
#include "solve/PuzzleBuilder.h"
#include "model/Puzzle.h"

namespace lettermaze {
namespace {

using testing::ScriptedRandom;

constexpr float kTop = 1.0f - 1.0f / 16777216.0f;  // the largest value a draw can give

int red(std::int32_t c) {
    return c % 256;
}
int green(std::int32_t c) {
    return (c / 256) % 256;
}
int blue(std::int32_t c) {
    return c / 65536;
}

std::int32_t pick(LineKind kind, float r1, float r2, float r3) {
    ScriptedRandom rnd({r1, r2, r3});
    return pickHighlight(kind, rnd);
}

TEST(pickHighlight, middleDrawsGiveTheWorkedColours) {
    EXPECT_EQ(pick(LineKind::Vertical, 0.5f, 0.5f, 0.5f), 0x000DE9E4);
    EXPECT_EQ(pick(LineKind::Horizontal, 0.5f, 0.5f, 0.5f), 0x000DB2E4);
    EXPECT_EQ(pick(LineKind::Falling, 0.5f, 0.5f, 0.5f), 111 + 256 * 228 + 65536 * 13);
    EXPECT_EQ(pick(LineKind::Rising, 0.5f, 0.5f, 0.5f), 134 + 256 * 228 + 65536 * 13);
}

TEST(pickHighlight, drawsThreeNumbersInRedGreenBlueOrder) {
    ScriptedRandom rnd({0.0f, kTop, 0.5f}, 0.9f);
    const std::int32_t c = pickHighlight(LineKind::Horizontal, rnd);
    EXPECT_EQ(rnd.draws, 3);
    EXPECT_EQ(red(c), 200);
    EXPECT_EQ(green(c), 205);
    EXPECT_EQ(blue(c), 13);
}

struct Range {
    LineKind kind;
    int redLow, redHigh, greenLow, greenHigh;
};

TEST(pickHighlight, extremeDrawsReachExactlyTheEndsOfEachFamily) {
    const Range ranges[] = {{LineKind::Vertical, 200, 255, 210, 255},
                            {LineKind::Horizontal, 200, 255, 150, 205},
                            {LineKind::Falling, 100, 122, 200, 255},
                            {LineKind::Rising, 123, 145, 200, 255}};
    for (const Range& r : ranges) {
        const std::int32_t low = pick(r.kind, 0.0f, 0.0f, 0.0f);
        const std::int32_t high = pick(r.kind, kTop, kTop, kTop);
        EXPECT_EQ(red(low), r.redLow);
        EXPECT_EQ(green(low), r.greenLow);
        EXPECT_EQ(blue(low), 0);
        // The top draw must not round up into the next whole number.
        EXPECT_EQ(red(high), r.redHigh);
        EXPECT_EQ(green(high), r.greenHigh);
        EXPECT_EQ(blue(high), 25);
    }
}

TEST(pickHighlight, seededDrawsStayInsideTheirFamilies) {
    SeededRandom rnd(7);
    for (int i = 0; i < 2000; ++i) {
        const std::int32_t v = pickHighlight(LineKind::Vertical, rnd);
        ASSERT_GE(red(v), 200);
        ASSERT_GE(green(v), 210);
        ASSERT_LE(blue(v), 25);
        const std::int32_t h = pickHighlight(LineKind::Horizontal, rnd);
        ASSERT_GE(green(h), 150);
        ASSERT_LE(green(h), 205);
        const std::int32_t f = pickHighlight(LineKind::Falling, rnd);
        ASSERT_GE(red(f), 100);
        ASSERT_LE(red(f), 122);
        const std::int32_t r = pickHighlight(LineKind::Rising, rnd);
        ASSERT_GE(red(r), 123);
        ASSERT_LE(red(r), 145);
        ASSERT_GE(green(r), 200);
    }
}

TEST(blendColour, halfWayIsTheChannelAverageRoundedDown) {
    EXPECT_EQ(blendColour(200, 101, 0.5), 150);
    EXPECT_EQ(blendColour(101, 200, 0.5), 150);
    EXPECT_EQ(blendColour(0x000DB2E4, 0x000DE9E4, 0.5), 0x000DCDE4);
    // Each channel on its own: red 1 -> 0, green 3 -> 1, blue 5 -> 2.
    EXPECT_EQ(blendColour(0x000000, 0x050301, 0.5), 0x020100);
}

TEST(blendColour, endsOfTheRangeGiveTheEndColours) {
    EXPECT_EQ(blendColour(0x123456, 0x654321, 0.0), 0x123456);
    EXPECT_EQ(blendColour(0x123456, 0x654321, 1.0), 0x654321);
    // A quarter of the way down from red 200 to red 100 is 175.
    EXPECT_EQ(blendColour(200, 100, 0.25), 175);
}

TEST(blendColour, noBlendOfHighlightsIsWhite) {
    SeededRandom rnd(11);
    const LineKind kinds[] = {LineKind::Vertical, LineKind::Horizontal, LineKind::Falling,
                              LineKind::Rising};
    std::int32_t c = pickHighlight(LineKind::Vertical, rnd);
    for (int i = 0; i < 4000; ++i) {
        const std::int32_t fresh = pickHighlight(kinds[i % 4], rnd);
        ASSERT_NE(fresh, kWhite);
        ASSERT_LE(blue(fresh), 25);
        c = blendColour(fresh, c, 0.5);
        ASSERT_LE(blue(c), 25);
        ASSERT_NE(c, kWhite);
    }
}

TEST(paintWord, paintsEveryCellOfALineAndLeavesTheCursorOnItsEnd) {
    Puzzle p = testing::blankPuzzle(6, 6);
    p.grid.setCursorRow(4);
    p.grid.setCursorColumn(1);
    paintWord(p.grid, LineKind::Rising, 3, 1, 0x000DE486);
    EXPECT_EQ(p.grid.cursorRow(), 1);
    EXPECT_EQ(p.grid.cursorColumn(), 4);
    for (int k = 0; k <= 3; ++k) EXPECT_EQ(p.grid.colourAt(4 - k, 1 + k), 0x000DE486);
    EXPECT_EQ(testing::colouredCells(p.grid), 4);
}

TEST(paintWord, walksBackwardsWhenTheStepIsNegative) {
    Puzzle p = testing::blankPuzzle(6, 6);
    p.grid.setCursorRow(5);
    p.grid.setCursorColumn(5);
    const auto before = p.grid.revision();
    paintWord(p.grid, LineKind::Falling, -2, -1, 0x000DE46F);
    EXPECT_EQ(p.grid.cursorRow(), 3);
    EXPECT_EQ(p.grid.cursorColumn(), 3);
    EXPECT_EQ(p.grid.colourAt(4, 4), 0x000DE46F);
    EXPECT_EQ(testing::colouredCells(p.grid), 3);
    EXPECT_GT(p.grid.revision(), before);  // the view repaints
}

TEST(paintWord, aCrossingTakesTheAverageAndTheRestTheNewColour) {
    Puzzle p = testing::blankPuzzle(5, 5);
    const std::int32_t vertical = 0x000DE9E4, horizontal = 0x000DB2E4;
    p.grid.setCursorRow(0);
    p.grid.setCursorColumn(2);
    paintWord(p.grid, LineKind::Vertical, 4, 1, vertical);
    p.grid.setCursorRow(2);
    p.grid.setCursorColumn(0);
    paintWord(p.grid, LineKind::Horizontal, 4, 1, horizontal);
    EXPECT_EQ(p.grid.colourAt(2, 2), 0x000DCDE4);
    EXPECT_EQ(p.grid.colourAt(2, 1), horizontal);
    EXPECT_EQ(p.grid.colourAt(2, 3), horizontal);
    EXPECT_EQ(p.grid.colourAt(1, 2), vertical);
}

TEST(paintWord, aCellCrossedThreeTimesBlendsTheThirdWithTheFirstTwo) {
    Puzzle p = testing::blankPuzzle(5, 5);
    const std::int32_t c1 = 0x0019FFC8, c2 = 0x00009600, c3 = 0x000AC864;
    p.grid.setCursorRow(0);
    p.grid.setCursorColumn(2);
    paintWord(p.grid, LineKind::Vertical, 4, 1, c1);
    p.grid.setCursorRow(2);
    p.grid.setCursorColumn(4);
    paintWord(p.grid, LineKind::Horizontal, -4, -1, c2);
    p.grid.setCursorRow(0);
    p.grid.setCursorColumn(0);
    paintWord(p.grid, LineKind::Falling, 4, 1, c3);
    EXPECT_EQ(p.grid.colourAt(2, 2), blendColour(c3, blendColour(c2, c1, 0.5), 0.5));
    EXPECT_EQ(p.grid.colourAt(1, 1), c3);
}

TEST(clearGrid, whitensEveryCellAndReturnsFoundWordsToTheHiddenList) {
    Puzzle p = testing::blankPuzzle(4, 7);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 7; ++c) p.grid.setColourAt(r, c, 0x000DE9E4 + r + c);
    p.hiddenWords.add("MOLE");
    p.hiddenWords.add("ZEBRA");
    p.foundWords.add("APPLE");
    p.foundWords.add("NEWT");
    p.grid.setCursorRow(1);
    p.grid.setCursorColumn(1);
    p.grid.setSelectionRow(3);
    clearGrid(p);
    EXPECT_TRUE(testing::allWhite(p.grid));
    EXPECT_EQ(p.foundWords.count(), 0);
    EXPECT_EQ(p.hiddenWords.items(), (std::vector<std::string>{"APPLE", "MOLE", "NEWT", "ZEBRA"}));
    EXPECT_EQ(p.grid.cursorRow(), 3);
    EXPECT_EQ(p.grid.cursorColumn(), 6);
    EXPECT_EQ(p.grid.selectionRow(), 3);
    EXPECT_EQ(p.grid.selectionColumn(), 6);
}

}  // namespace
}  // namespace lettermaze
