// The puzzle's parts and the rules the whole program shares: sorted lists, the grid and its
// fitting into the window, menus, windows-1252 text, the one number reader and its rounding,
// the word box's filter and word preparation.
#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <functional>

#include "config/Publisher.h"
#include "fakes/Builders.h"
#include "model/NumericValue.h"
#include "model/Text1252.h"
#include "model/WindowRules.h"
#include "model/WordEntry.h"
#include "model/WordPrep.h"

using namespace lettermaze;
using namespace lettermaze::testing;

// Case does not count and indices are 0-based; a word that differs from one listed only in
// case goes after it. Accented letters sort as their base letters (ligatures as two), and
// only where that ties does the accent count, after the plain letter.
TEST(SortedList, sortsCaseInsensitivelyAndAccentedLettersWithTheirBaseLetter) {
    SortedList l;
    // The index each takes as it is added: apple and CR\xC8ME differ only in case from a word
    // already listed.
    EXPECT_EQ((std::vector{l.add("ZEBRA"), l.add("APPLE"), l.add("banana"), l.add("Cherry"),
                           l.add("APPLES"), l.add("apple"), l.add("cr\xE8me"), l.add("CR\xC8ME")}),
              (std::vector{0, 0, 1, 2, 1, 1, 5, 6}));
    // Each row is in list order; added in reverse, they must come out as written.
    // clang-format off
    const std::string accented = "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF"
                                 "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF";
    const std::string base = "AAAAAAAECEEEEIIIIDNOOOOOOUUUUYTHSS";
    const std::vector<Words> orders = {
        {"CREME", "CR\xC8ME", "CREST", "ZEBRA"}, {"AEON", "\xC6ON", "AF", "\xC5S", "AT"},
        {"MASSE", "MA\xDF" "E", "MAST"},         {"OE", "\x8C", "OF", "\xD8L", "OM"},
        {"SAD", "\x8A" "AL", "SAM", "TAB", "\xDE" "AW", "THE", "ZAP", "\x8E" "AP"},
        {"NINA", "NI\xD1" "A", "NINAS", "\xDD" "ES", "YET", "\x9FS", "\xFFT"},
        {base + "A", accented + "B", base + "C"}};
    // clang-format on
    for (const auto& order : orders) {
        SortedList list;
        for (auto it = order.rbegin(); it != order.rend(); ++it) list.add(*it);
        EXPECT_EQ(list.items(), order) << order.front();
    }
}

// The selection stays on its word as others sort in before it or go, and goes with it; reading
// past the end is refused.
TEST(SortedList, selectionFollowsItsItemAndIsDroppedWithIt) {
    SortedList l;
    for (const char* w : {"CAT", "DOG"}) l.add(w);
    l.setSelectedIndex(1);
    l.add("COW");  // sorts in where the selected DOG was
    std::string seen = l.selectedText();
    l.removeAt(0);
    seen += l.selectedText();
    l.removeAt(1);
    EXPECT_EQ(seen + std::to_string(l.selectedIndex()), "DOGDOG-1");
    for (const auto& outOfRange : {std::function([&] { l.at(l.count()); }),
                                   std::function([&] { l.removeAt(l.count()); }),
                                   std::function([&] { l.setSelectedIndex(l.count()); })})
        EXPECT_THROW(outOfRange(), std::out_of_range);
}

// Setting the cursor collapses the selection onto it; a resize keeps the cells both sizes
// share, new cells empty and white, and tells the view to repaint; anything outside the grid
// is refused.
TEST(Grid, theCursorCollapsesTheSelectionAndAResizeKeepsSharedCells) {
    Grid g = gridPuzzle({"QQQ", "QQQ", "QQQ"}).grid;
    g.setColourAt(1, 2, 7);
    const auto revision = g.revision();
    g.setColumnCount(4), g.setRowCount(2);
    EXPECT_GT(g.revision(), revision);
    EXPECT_EQ(g.letterAt(1, 2) + g.letterAt(1, 3) + std::to_string(g.colourAt(1, 2)), "Q7");
    EXPECT_EQ(g.colourAt(1, 3), kWhite);
    g.setSelectionRow(1), g.setSelectionColumn(3), g.setCursorRow(1);
    EXPECT_EQ(g.selectionRow() * 10 + g.selectionColumn(), 10);
    g.setSelectionColumn(3), g.setCursorColumn(2), g.setCursorColour(255);
    EXPECT_EQ(g.selectionColumn() * 1000 + g.colourAt(1, 2), 2255);
    EXPECT_THROW(g.setCursorRow(2), GridRangeError);
    EXPECT_THROW(g.setSelectionColumn(4), GridRangeError);
    EXPECT_THROW(g.setRowCount(0), GridRangeError);
}

// Cells that fit are shown whole; a side that does not fit is the window less its margin
// (240 right, 1000 below) with a scroll bar, and a tiny window still leaves one cell's room.
TEST(fitGrid, showsWholeCellsWhenTheyFitElseTheWindowLessItsMarginWithScrollBars) {
    // clang-format off
    const std::array<int, 7> cases[] = {  // rows, columns, window width and height; the grid's
                                          // scroll bars, width and height
        {4, 4, 11400, 8310, 0, 1200, 4 * 255},
        {4, 4, 6240 + 1200, 120 + 4 * 255 + 1000, 0, 1200, 4 * 255},  // exactly fits
        {4, 4, 6240 + 1199, 120 + 4 * 255 + 999, 3, 1199 - 240, 4 * 255 - 1},
        {20, 20, 11400, 8310, 1, 11400 - 6240 - 240, 20 * 255},
        {20, 20, 3000, 900, 3, 300, 255}};
    // clang-format on
    for (const auto& c : cases) {
        GridFrame g{.rowHeight = 255};
        fitGrid(g, c[0], c[1], c[2], c[3]);
        EXPECT_EQ((std::vector{g.scrollBars, g.width, g.height}), (std::vector{c[4], c[5], c[6]}))
            << c[0] << "x" << c[1] << " in " << c[2];
    }
}

// A resize re-fits a shown grid only when the window leaves room for its margins (540 below
// the grid's top, 240 right of its left edge), and never while a print page is prepared.
TEST(WindowRules, resizeRefitsAShownGridOnlyWhenItsMarginsFitAndNotWhilePrinting) {
    // clang-format off
    const std::array<int, 5> cases[] = {  // width, height, shown, printing, refitted
        {11400, 8310, 1, 0, 1}, {6481, 661, 1, 0, 1}, {6480, 8310, 1, 0, 0},
        {11400, 660, 1, 0, 0},  {11400, 8310, 0, 0, 0}, {11400, 8310, 1, 1, 0}};
    // clang-format on
    for (const auto& c : cases) {
        Puzzle p;
        WindowState window;
        window.gridFrame.width = 1;
        p.shown = c[2], window.printing = c[3], window.width = c[0], window.height = c[1];
        refitGrid(p, window);
        EXPECT_EQ((window.gridFrame.width != 1) * 10 + p.shown, c[4] * 10 + c[2]) << c[0] << c[1];
    }
}

TEST(WindowRules, menusEnableWhatThePuzzleHolds) {
    Puzzle p;
    WindowState window;
    FakeHost host;
    const auto menus = [&] {
        const auto [paste, words, grid, lists, html] = editMenuState(p, window, host);
        const auto [print, save, reset, htmlFile] = fileMenuState(p);
        return std::vector{paste, words, grid, lists, html, print, save, reset, htmlFile};
    };
    EXPECT_EQ(menus(), std::vector<bool>(9, false));
    p.foundWords.add("CAT");  // one word in either list is enough to copy the lists
    window.wordText = "CAT", p.shown = true, host.clipboard = "x";
    EXPECT_EQ(menus(), std::vector<bool>(9, true));
}

// About names the program, its version and its publisher in the window's caption; Online help
// opens the publisher's support page in the desktop's browser.
TEST(WindowRules, aboutAndOnlineHelpNameThePublisher) {
    FakeHost host;
    showAbout(host), openOnlineHelp(host);
    const std::string site = publisher::kSiteName;
    EXPECT_TRUE(aboutText().starts_with("Lettermaze v1.1 provided by " + site + ".  "));
    EXPECT_EQ(host.log, (Words{"message " + aboutText() + "|Lettermaze",
                               "show www.quillfern-puzzleworks.example/support/lettermazefp.htm"}));
    EXPECT_EQ(windowCaption(), "Lettermaze from " + site);
}

// A byte windows-1252 leaves undefined stands for the same code point; a lead byte without its
// continuation, or a stray continuation, is one unknown character.
TEST(Text1252, convertsToAndFromUtf8AndMarksWhatItCannotHoldWithAQuestionMark) {
    const std::string cp = "CAF\xC9 \x80 \x8C \xFF";
    EXPECT_EQ(utf8From1252(cp + "\x81"), "CAF\xC3\x89 \xE2\x82\xAC \xC5\x92 \xC3\xBF\xC2\x81");
    EXPECT_EQ(cp1252FromUtf8(utf8From1252(cp)), cp);
    // A CJK character, an emoji, a stray continuation, lead bytes cut short.
    EXPECT_EQ(cp1252FromUtf8("\xE4\xB8\xAD \x89Z\xF0\x9F\x98\x80 \xC3\x41\xC3"), "? ?Z? ?A?");
}

TEST(NumericValue, readsTheNumberATextBeginsWith) {
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        {"20", 20},      {" 2 0 ", 20},     {"\t\n12abc", 12}, {"abc", 0},        {"", 0},
        {"-7.25x", -7.25}, {"1E3", 1000},   {"1.5D2", 150},    {"2E", 2},         {".5", 0.5},
        {"1E+2", 100},   {"1e-1", 0.1},     {"+3", 3},         {"&H10", 16},      {"&haf", 175},
        {"&o17", 15},    {"&HFFFF", -1},    {"&H8000", -32768}, {"&H7FFF", 32767}, {"&H10000", 65536},
        {"&H", 0},       {"&X1", 0},        {"&O8", 0},        {"&H1G", 1},      {"1E400", DBL_MAX},
        {"2d1", 20}};
    // clang-format on
    for (const auto& [text, value] : cases) EXPECT_EQ(numericValue(text), value) << text;
}

TEST(NumericValue, roundsHalvesToEvenAndRefusesWhatDoesNotFit) {
    for (const auto& [v, r] : std::vector<std::pair<double, double>>{
             {4.5, 4}, {5.5, 6}, {200.5, 200}, {-2.5, -2}, {-3.5, -4}, {4.6, 5}, {4.4, 4}})
        EXPECT_EQ(roundHalfEven(v), r) << v;
    // 32767.5 rounds to 32768, too big for 16 bits.
    EXPECT_EQ((std::vector{toInt16(32767.4), toInt16(32767.5), toInt16(-32768.5)}),
              (std::vector<std::optional<std::int16_t>>{32767, std::nullopt, -32768}));
    EXPECT_EQ((std::vector{toInt32(16777215), toInt32(2147483648.0)}),
              (std::vector<std::optional<std::int32_t>>{16777215, std::nullopt}));
}

// The box upper-cases, refuses codes 32-64, 91-96, 123-126, 163 and 172, keeps line breaks,
// tabs, DEL and accented letters, and keeps the caret after the same typed character. Every
// line end becomes CR LF, the caret keeping its character.
TEST(filterWordText, upperCasesDropsRefusedCharactersAndKeepsTheCaret) {
    // clang-format off
    const std::tuple<std::string, int, std::string, int> cases[] = {  // typed, caret; filtered
        {"ice cream", 9, "ICECREAM", 8}, {"ICE7CREAM", 4, "ICECREAM", 3}, {"AB-C!", 1, "ABC", 1},
        {"Apple\r\nPear", 0, "APPLE\r\nPEAR", 0}, {"\tcaf\xE9", 0, "\tCAF\xC9", 0},
        {"a[b]c^d_e`f{g|h}i~j\xA3k\xAC@ ", 0, "ABCDEFGHIJK", 0}, {"\x7F\xA2", 0, "\x7F\xA2", 0},
        {"one\ntwo\nthree\n", 8, "ONE\r\nTWO\r\nTHREE\r\n", 10},
        {"ONE\rTWO\r", 4, "ONE\r\nTWO\r\n", 5}, {"AB\n", 2, "AB\r\n", 2},
        {"ONE\r\nTWO\n\rX", 11, "ONE\r\nTWO\r\n\r\nX", 13},
        {"A \nB", 3, "A\r\nB", 3}};  // a removed space and an added CR cancel out
    // clang-format on
    for (const auto& [typed, caret, text, caretAfter] : cases) {
        const FilteredText f = filterWordText(typed, caret);
        EXPECT_EQ(std::pair(f.text, f.caret), std::pair(text, caretAfter)) << typed;
    }
}

// Lines end at CR; leading characters other than A to Z go (the LF of every line but the
// first), and what is left is a word when it has two characters or more. Only the first 201
// lines count.
TEST(prepareWords, splitsAtCrStripsLeadingNonLettersAndKeepsWordsOfTwoOrMore) {
    // clang-format off
    const std::pair<std::string, Words> cases[] = {  // no CR at all: no puzzle can be made
        {"CAT", {}}, {"CAT\r", {"CAT"}},
        {"A\r\nOX\r\n\n\tOX\r\n\t\xC9T\r\n_OX\r\n", {"OX", "OX", "OX"}},
        {"A\xC9\tB\r\nCAT\r\nCAT\r\nA\x7FZ\r\n", {"A\xC9\tB", "CAT", "CAT", "A\x7FZ"}}};
    // clang-format on
    GenerationScratch scratch;
    PreparedWords w;
    for (const auto& [box, words] : cases) {
        EXPECT_EQ(prepareWords(box, scratch, w), box != "CAT") << box;
        EXPECT_EQ(w.words, words) << box;
    }
    // The letters of the words kept, in order, are the pool filler and decoys draw from.
    EXPECT_EQ(std::string(w.letterPool.begin(), w.letterPool.end()), "A\xC9\tBCATCATA\x7FZ");
    std::string many;
    for (int i = 0; i < 250; ++i) many += {'W', char('A' + i % 26), '\r', '\n'};
    ASSERT_TRUE(prepareWords(many, scratch, w));
    EXPECT_EQ(w.words.size() * 1000 + scratch.lastLine, 201200u);
}
