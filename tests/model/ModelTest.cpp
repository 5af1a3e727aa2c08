#include <gtest/gtest.h>

#include "model/FitGrid.h"
#include "model/Grid.h"
#include "model/Placements.h"
#include "model/SortedList.h"

using namespace lettermaze;

TEST(SortedList, sortsCaseInsensitivelyWithZeroBasedIndices) {
    SortedList l;
    EXPECT_EQ(l.ListIndex(), -1);
    l.AddItem("ZEBRA");
    l.AddItem("APPLE");
    EXPECT_EQ(l.List(0), "APPLE");
    l.AddItem("banana");
    l.AddItem("Cherry");
    EXPECT_EQ(l.items(), (std::vector<std::string>{"APPLE", "banana", "Cherry", "ZEBRA"}));
    EXPECT_EQ(l.AddItem("APPLES"), 1);
    EXPECT_EQ(l.Text(), "");
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
        for (auto it = order.rbegin(); it != order.rend(); ++it) l.AddItem(*it);
        EXPECT_EQ(l.items(), order) << order.front();
    }
    // Case still does not count: a word that differs only in case goes after the one listed.
    SortedList l;
    l.AddItem("cr\xE8me");
    EXPECT_EQ(l.AddItem("CR\xC8ME"), 1);
}

TEST(SortedList, selectionFollowsItsItemAndIsDroppedWithIt) {
    SortedList l;
    l.AddItem("CAT");
    l.AddItem("DOG");
    l.setListIndex(1);
    l.AddItem("ANT");  // sorts in before the selected DOG
    EXPECT_EQ(l.Text(), "DOG");
    l.RemoveItem(0);
    EXPECT_EQ(l.Text(), "DOG");
    l.RemoveItem(1);
    EXPECT_EQ(l.ListIndex(), -1);
    EXPECT_THROW(l.RemoveItem(5), std::out_of_range);
}

TEST(Grid, settingTheCursorCollapsesTheSelection) {
    Grid g;
    g.setRows(5);
    g.setCols(6);
    g.setRow(1);
    g.setCol(2);
    g.setRowSel(4);
    g.setColSel(5);
    EXPECT_EQ(g.RowSel(), 4);
    g.setRow(3);
    EXPECT_EQ(g.RowSel(), 3);
    EXPECT_EQ(g.ColSel(), 2);
    g.setColSel(0);
    g.setCol(4);
    EXPECT_EQ(g.ColSel(), 4);
    g.setCellBackColor(255);
    EXPECT_EQ(g.backColor(3, 4), 255);
    EXPECT_THROW(g.setRow(5), GridRangeError);
    EXPECT_THROW(g.setRows(0), GridRangeError);
}

TEST(Grid, resizingKeepsSharedCells) {
    Grid g;
    g.setRows(3);
    g.setCols(3);
    g.setTextMatrix(1, 2, "Q");
    g.setBackColor(1, 2, 7);
    g.setCols(4);
    g.setRows(2);
    EXPECT_EQ(g.TextMatrix(1, 2), "Q");
    EXPECT_EQ(g.backColor(1, 2), 7);
    EXPECT_EQ(g.TextMatrix(1, 3), "");
    EXPECT_EQ(g.backColor(1, 3), kWhite);
}

TEST(Placements, anEmptyRecordIsNotARecordOfZeros) {
    PlacementRecord empty;
    PlacementRecord zeros{std::string(), 0.0, 0.0, 0.0, 0.0};
    EXPECT_TRUE(empty.empty());
    EXPECT_FALSE(zeros.empty());
    EXPECT_NE(empty, zeros);
    EXPECT_FALSE(PlacementRecord::placed("CAT", 1, 1, 3, 1).empty());
}

TEST(FitGrid, twentyByTwentyAtStartGetsTheHorizontalBarOnly) {
    Grid g;
    g.setRows(20);
    g.setCols(20);
    g.RowHeight = 255;
    FitGrid(g, 11400, 8310);
    EXPECT_EQ(g.ScrollBars, 1);
    EXPECT_EQ(g.Width, 11400 - 6240 - 240);
    EXPECT_EQ(g.Height, 20 * 255);
}

TEST(FitGrid, smallGridIsExactlyItsCells) {
    Grid g;
    g.setRows(4);
    g.setCols(4);
    g.RowHeight = 255;
    FitGrid(g, 11400, 8310);
    EXPECT_EQ(g.ScrollBars, 0);
    EXPECT_EQ(g.Width, 1200);
    EXPECT_EQ(g.Height, 4 * 255);
}

TEST(FitGrid, tallGridGetsBothBarsAndEnlargingRemovesThem) {
    Grid g;
    g.setRows(200);
    g.setCols(200);
    g.RowHeight = 255;
    FitGrid(g, 11400, 8310);
    EXPECT_EQ(g.ScrollBars, 3);
    EXPECT_EQ(g.Height, 8310 - 120 - 1000);
    FitGrid(g, 6240 + 60000, 120 + 51000 + 1000);
    EXPECT_EQ(g.ScrollBars, 0);
    EXPECT_EQ(g.Width, 60000);
    EXPECT_EQ(g.Height, 51000);
}

TEST(FitGrid, tooLowWindowStillLeavesAPositiveGrid) {
    Grid g;
    g.setRows(20);
    g.setCols(20);
    FitGrid(g, 3000, 900);
    EXPECT_GT(g.Width, 0);
    EXPECT_GT(g.Height, 0);
    EXPECT_EQ(g.ScrollBars, 3);
}
