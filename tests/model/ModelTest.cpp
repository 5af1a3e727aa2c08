#include <gtest/gtest.h>

#include "model/GridFrame.h"
#include "model/Grid.h"
#include "model/Placements.h"
#include "model/SortedList.h"

using namespace lettermaze;

TEST(SortedList, sortsCaseInsensitivelyWithZeroBasedIndices) {
    SortedList l;
    EXPECT_EQ(l.selectedIndex(), -1);
    l.add("ZEBRA");
    l.add("APPLE");
    EXPECT_EQ(l.at(0), "APPLE");
    l.add("banana");
    l.add("Cherry");
    EXPECT_EQ(l.items(), (std::vector<std::string>{"APPLE", "banana", "Cherry", "ZEBRA"}));
    EXPECT_EQ(l.add("APPLES"), 1);
    EXPECT_EQ(l.selectedText(), "");
}

TEST(SortedList, accentedLettersSortWithTheirBaseLetter) {
    // Each row is in list order; added in reverse, they must come out as written.
    const std::vector<std::vector<std::string>> orders = {
        {"CREME", "CR\xC8ME", "CREST", "ZEBRA"},
        {"AEON", "\xC6ON", "AF", "\xC5S", "AT"},
        {"MASSE", "MA\xDF" "E", "MAST"},
        {"OE", "\x8C", "OF", "\xD8L", "OM"},
        {"SAD", "\x8A" "AL", "SAM", "TAB", "\xDE" "AW", "THE", "ZAP", "\x8E" "AP"},
        {"NINA", "NI\xD1" "A", "NINAS", "\xDD" "ES", "YET", "\x9FS", "\xFFT"},
    };
    for (const auto& order : orders) {
        SortedList l;
        for (auto it = order.rbegin(); it != order.rend(); ++it) l.add(*it);
        EXPECT_EQ(l.items(), order) << order.front();
    }
    // Case still does not count: a word that differs only in case goes after the one listed.
    SortedList l;
    l.add("cr\xE8me");
    EXPECT_EQ(l.add("CR\xC8ME"), 1);
}

TEST(SortedList, selectionFollowsItsItemAndIsDroppedWithIt) {
    SortedList l;
    l.add("CAT");
    l.add("DOG");
    l.setSelectedIndex(1);
    l.add("ANT");  // sorts in before the selected DOG
    EXPECT_EQ(l.selectedText(), "DOG");
    l.removeAt(0);
    EXPECT_EQ(l.selectedText(), "DOG");
    l.removeAt(1);
    EXPECT_EQ(l.selectedIndex(), -1);
    EXPECT_THROW(l.removeAt(5), std::out_of_range);
}

TEST(Grid, settingTheCursorCollapsesTheSelection) {
    Grid g;
    g.setRowCount(5);
    g.setColumnCount(6);
    g.setCursorRow(1);
    g.setCursorColumn(2);
    g.setSelectionRow(4);
    g.setSelectionColumn(5);
    EXPECT_EQ(g.selectionRow(), 4);
    g.setCursorRow(3);
    EXPECT_EQ(g.selectionRow(), 3);
    EXPECT_EQ(g.selectionColumn(), 2);
    g.setSelectionColumn(0);
    g.setCursorColumn(4);
    EXPECT_EQ(g.selectionColumn(), 4);
    g.setCursorColour(255);
    EXPECT_EQ(g.colourAt(3, 4), 255);
    EXPECT_THROW(g.setCursorRow(5), GridRangeError);
    EXPECT_THROW(g.setRowCount(0), GridRangeError);
}

TEST(Grid, resizingKeepsSharedCells) {
    Grid g;
    g.setRowCount(3);
    g.setColumnCount(3);
    g.setLetterAt(1, 2, "Q");
    g.setColourAt(1, 2, 7);
    g.setColumnCount(4);
    g.setRowCount(2);
    EXPECT_EQ(g.letterAt(1, 2), "Q");
    EXPECT_EQ(g.colourAt(1, 2), 7);
    EXPECT_EQ(g.letterAt(1, 3), "");
    EXPECT_EQ(g.colourAt(1, 3), kWhite);
}

TEST(Placements, anEmptyRecordIsNotARecordOfZeros) {
    PlacementRecord empty;
    PlacementRecord zeros{std::string(), 0.0, 0.0, 0.0, 0.0};
    EXPECT_TRUE(empty.empty());
    EXPECT_FALSE(zeros.empty());
    EXPECT_NE(empty, zeros);
    EXPECT_FALSE(PlacementRecord::placed("CAT", 1, 1, 3, 1).empty());
}

TEST(fitGrid, twentyByTwentyAtStartGetsTheHorizontalBarOnly) {
    GridFrame g;
    g.rowHeight = 255;
    fitGrid(g, 20, 20, 11400, 8310);
    EXPECT_EQ(g.scrollBars, 1);
    EXPECT_EQ(g.width, 11400 - 6240 - 240);
    EXPECT_EQ(g.height, 20 * 255);
}

TEST(fitGrid, smallGridIsExactlyItsCells) {
    GridFrame g;
    g.rowHeight = 255;
    fitGrid(g, 4, 4, 11400, 8310);
    EXPECT_EQ(g.scrollBars, 0);
    EXPECT_EQ(g.width, 1200);
    EXPECT_EQ(g.height, 4 * 255);
}

TEST(fitGrid, tallGridGetsBothBarsAndEnlargingRemovesThem) {
    GridFrame g;
    g.rowHeight = 255;
    fitGrid(g, 200, 200, 11400, 8310);
    EXPECT_EQ(g.scrollBars, 3);
    EXPECT_EQ(g.height, 8310 - 120 - 1000);
    fitGrid(g, 200, 200, 6240 + 60000, 120 + 51000 + 1000);
    EXPECT_EQ(g.scrollBars, 0);
    EXPECT_EQ(g.width, 60000);
    EXPECT_EQ(g.height, 51000);
}

TEST(fitGrid, tooLowWindowStillLeavesAPositiveGrid) {
    GridFrame g;
    fitGrid(g, 20, 20, 3000, 900);
    EXPECT_GT(g.width, 0);
    EXPECT_GT(g.height, 0);
    EXPECT_EQ(g.scrollBars, 3);
}
