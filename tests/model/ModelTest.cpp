#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "fakes/FakeHost.h"
#include "model/Grid.h"
#include "model/GridFrame.h"
#include "model/Placements.h"
#include "model/Puzzle.h"
#include "model/SortedList.h"
#include "model/WindowRules.h"
#include "model/WindowState.h"

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
    EXPECT_THROW(l.at(l.count()), std::out_of_range);
}

// Setting the cursor collapses the selection onto it; a resize keeps the cells both sizes
// share, new cells empty and white; anything outside the grid is refused.
TEST(Grid, theCursorCollapsesTheSelectionAndAResizeKeepsSharedCells) {
    Grid g;
    g.setRowCount(3);
    g.setColumnCount(3);
    g.setLetterAt(1, 2, "Q");
    g.setColourAt(1, 2, 7);
    g.setColumnCount(4);
    g.setRowCount(2);
    EXPECT_EQ(g.letterAt(1, 2) + g.letterAt(1, 3) + std::to_string(g.colourAt(1, 2)), "Q7");
    EXPECT_EQ(g.colourAt(1, 3), kWhite);
    g.setSelectionRow(1), g.setSelectionColumn(3), g.setCursorRow(1);
    EXPECT_EQ(g.selectionRow() * 10 + g.selectionColumn(), 10);
    g.setSelectionColumn(3), g.setCursorColumn(2), g.setCursorColour(255);
    EXPECT_EQ(g.selectionColumn() * 1000 + g.colourAt(1, 2), 2255);
    for (const auto& outside : std::vector<std::function<void()>>{
             [&] { g.setCursorRow(2); }, [&] { g.setCursorColumn(4); }, [&] { g.setCursorRow(-1); }, [&] { g.setRowCount(0); },
             [&] { g.setSelectionRow(2); }, [&] { g.setSelectionColumn(4); }})
        EXPECT_THROW(outside(), GridRangeError);
}

struct FitCase {
    int rows, cols, width, height;  // the grid's cells, then the window's inner size
    int scrollBars, gridWidth, gridHeight;
};

// Cells that fit are shown whole; a side that does not fit is the window less its margin
// (240 right, 1000 below) with a scroll bar, and a tiny window still leaves one cell's room.
TEST(fitGrid, showsWholeCellsWhenTheyFitElseTheWindowLessItsMarginWithScrollBars) {
    const FitCase cases[] = {
        {4, 4, 11400, 8310, 0, 1200, 4 * 255},
        {4, 4, 6240 + 1200, 120 + 4 * 255 + 1000, 0, 1200, 4 * 255},  // exactly fits
        {4, 4, 6240 + 1199, 120 + 4 * 255 + 999, 3, 1199 - 240, 4 * 255 - 1},
        {20, 20, 11400, 8310, 1, 11400 - 6240 - 240, 20 * 255},
        {200, 200, 11400, 8310, 3, 11400 - 6240 - 240, 8310 - 120 - 1000},
        {200, 200, 6240 + 60000, 120 + 51000 + 1000, 0, 60000, 51000},
        {20, 20, 3000, 900, 3, 300, 255},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.rows << "x" << c.cols << " in " << c.width);
        GridFrame g;
        g.rowHeight = 255;
        fitGrid(g, c.rows, c.cols, c.width, c.height);
        EXPECT_EQ(g.scrollBars, c.scrollBars);
        EXPECT_EQ(g.width, c.gridWidth);
        EXPECT_EQ(g.height, c.gridHeight);
    }
}

// A resize re-fits a shown grid only when the window leaves room for its margins (540 below
// the grid's top, 240 right of its left edge), and never while a print page is prepared.
TEST(WindowRules, resizeRefitsAShownGridOnlyWhenItsMarginsFitAndNotWhilePrinting) {
    const std::array<int, 5> cases[] = {  // width, height, visible, printing, refitted
        {11400, 8310, 1, 0, 1}, {6481, 661, 1, 0, 1}, {6480, 8310, 1, 0, 0}, {11400, 660, 1, 0, 0},
        {11400, 8310, 0, 0, 0}, {11400, 8310, 1, 1, 0}};
    for (const auto& c : cases) {
        Puzzle p;
        WindowState window;
        window.gridFrame.width = 1;
        p.shown = c[2], window.printing = c[3], window.width = c[0], window.height = c[1];
        refitGrid(p, window);
        EXPECT_EQ((window.gridFrame.width != 1) * 10 + p.shown, c[4] * 10 + c[2]) << c[0] << "x" << c[1];
    }
}

TEST(WindowRules, menusEnableWhatThePuzzleHolds) {
    Puzzle p;
    WindowState window;
    lettermaze::testing::FakeHost host;
    const auto menus = [&] {
        const EditMenuState e = editMenuState(p, window, host);
        const FileMenuState f = fileMenuState(p);
        return std::vector<bool>{e.paste, e.copyWords, e.copyGrid, e.copyLists, e.copyHtml, f.print, f.save, f.reset, f.html};
    };
    EXPECT_EQ(menus(), std::vector<bool>(9, false));
    p.foundWords.add("CAT");  // one word in either list is enough to copy the lists
    window.wordText = "CAT";
    p.shown = true;
    host.setClipboardText("x");
    EXPECT_EQ(menus(), std::vector<bool>(9, true));
}
