#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "fakes/FakeHost.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleFileSupport.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"
#include "model/GenerationScratch.h"

using namespace lettermaze;
using lettermaze::testing::crlf;
using lettermaze::testing::FakeHost;

namespace {

using Lines = std::vector<std::string>;
using Words = std::vector<std::string>;

// A 2 x 3 file: letters, six colours, then whatever sections follow.
std::string file2x3(const Lines& rest) {
    Lines lines = {" 2 ", " 3 ", "ABC", "DEF", " 1 ", " 2 ", " 3 ", " 4 ", " 5 ", " 6 "};
    lines.insert(lines.end(), rest.begin(), rest.end());
    return crlf(lines);
}

// A puzzle that already shows something, so that what a load changes can be seen.
Puzzle shownPuzzle() {
    Puzzle p = lettermaze::testing::samplePuzzle();
    p.inPlay = true;
    p.shown = true;
    return p;
}

std::vector<std::int32_t> colours(const Grid& g) {
    std::vector<std::int32_t> out;
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.columnCount(); ++c) out.push_back(g.colourAt(r, c));
    return out;
}

std::string row(const Grid& g, int r) {
    std::string out;
    for (int c = 0; c < g.columnCount(); ++c) out += g.letterAt(r, c).empty() ? "." : g.letterAt(r, c);
    return out;
}

}  // namespace

TEST(PuzzleFileLoad, completeFileReplacesGridListsAndRecordsAndShowsTheGrid) {
    Puzzle p = shownPuzzle();
    p.shown = false;
    FakeHost host;
    const auto r = loadPuzzle(
        p, host, file2x3({"BE",  "AD",  "E",   "CF",  "E",  "AD",  " 1 ", " 1 ", " 1 ", " 2 ", "BE",
                          " 2 ", " 1 ", " 2 ", " 2 ", "CF", " 3 ", " 1 ", " 3 ", " 2 ", "E"}));
    ASSERT_EQ(r.outcome, LoadOutcome::Loaded) << r.reason;
    EXPECT_EQ(p.grid.rowCount(), 2);
    EXPECT_EQ(p.grid.columnCount(), 3);
    EXPECT_EQ(row(p.grid, 0), "ABC");
    EXPECT_EQ(row(p.grid, 1), "DEF");
    EXPECT_EQ(colours(p.grid), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(p.hiddenWords.items(), (Words{"AD", "BE"}));
    EXPECT_EQ(p.foundWords.items(), (Words{"CF"}));
    ASSERT_EQ(p.placements.size(), 3u);
    EXPECT_EQ(p.placements[1], PlacementRecord::placed("BE", 2, 1, 2, 2));
    EXPECT_TRUE(p.inPlay);
    EXPECT_TRUE(p.shown);
    EXPECT_EQ(host.busyOn, 1);
    EXPECT_EQ(host.busyOff, 1);
    EXPECT_FALSE(host.busy);
    EXPECT_TRUE(host.messages.empty());
}

TEST(PuzzleFileLoad, leavesInputsCaptionsAndGenerationSizeAlone) {
    WindowState window;
    GenerationScratch scratch;
    Puzzle p = shownPuzzle();
    window.wordText = "CAT\r\nDOG\r\n";
    window.columnsText = "7";
    window.rowsText = "9";
    window.level = 8;
    scratch.rows = 9;
    scratch.columns = 7;
    p.countsShown = WordCounts{99, 98};
    FakeHost host;
    ASSERT_TRUE(
        loadPuzzle(p, host, file2x3({"AD", "E", "E", "AD", " 1 ", " 1 ", " 1 ", " 2 "})).loaded());
    EXPECT_EQ(window.wordText, "CAT\r\nDOG\r\n");
    EXPECT_EQ(window.columnsText, "7");
    EXPECT_EQ(window.rowsText, "9");
    EXPECT_EQ(window.level, 8);
    EXPECT_EQ(scratch.rows, 9);
    EXPECT_EQ(scratch.columns, 7);
    EXPECT_EQ(hiddenCaption(p), "Hidden (99)");
    EXPECT_EQ(foundCaption(p), "Found (98)");
}

TEST(PuzzleFileOpen, fitsTheOpenedGridToTheWindow) {
    lettermaze::testing::TempDir dir;
    const std::string path = dir.file("fit.lm");
    std::ofstream(path, std::ios::binary) << file2x3({"E", "E"});
    Puzzle p;
    WindowState window;
    window.gridFrame.scrollBars = 3;
    FakeHost host;
    openPuzzleFile(p, window, host, path);
    ASSERT_TRUE(p.shown);
    EXPECT_EQ(window.gridFrame.scrollBars, 0);
    EXPECT_EQ(window.gridFrame.width, 3 * 300);
    EXPECT_EQ(window.gridFrame.height, 2 * window.gridFrame.rowHeight);
}

TEST(PuzzleFileLoad, sizesAreRoundedHalfToEven) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    // 2.5 rows is 2; 3.5 columns is 4.
    const auto r = loadPuzzle(
        p, host,
        crlf({" 2.5 ", "3.5", "ABCD", "EFGH", "1", "1", "1", "1", "1", "1", "1", "1", "E", "E"}));
    ASSERT_TRUE(r.loaded()) << r.reason;
    EXPECT_EQ(p.grid.rowCount(), 2);
    EXPECT_EQ(p.grid.columnCount(), 4);
}

TEST(PuzzleFileLoad, countTheGridRefusesFailsWithGridHiddenAndGridActiveKept) {
    for (const std::string count :
         {" 0 ", "-3 ", "", "X", " 0.4 ", " 2049 ", " 200000 ", "1E300"}) {
        for (bool active : {true, false}) {
            Puzzle p = shownPuzzle();
            p.inPlay = active;
            FakeHost host;
            const auto r = loadPuzzle(p, host, crlf({count, " 3 "}));
            EXPECT_EQ(r.outcome, LoadOutcome::Failed) << count;
            EXPECT_FALSE(p.shown);
            EXPECT_EQ(p.inPlay, active);
            EXPECT_FALSE(host.busy);
            EXPECT_TRUE(host.messages.empty());
            // Nothing of the old puzzle was replaced before the refused count.
            EXPECT_EQ(p.grid.rowCount(), 3) << count;
            EXPECT_EQ(p.hiddenWords.count(), 2);
        }
    }
}

TEST(PuzzleFileLoad, refusedColumnCountKeepsTheNewRowCount) {
    Puzzle p = shownPuzzle();
    FakeHost host;
    EXPECT_FALSE(loadPuzzle(p, host, crlf({" 5 ", " 200000 "})).loaded());
    EXPECT_EQ(p.grid.rowCount(), 5);
    EXPECT_EQ(p.grid.columnCount(), 4);
}

TEST(PuzzleFileLoad, limitsCanBeTightened) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    LoadLimits small;
    small.maxCount = 10;
    EXPECT_FALSE(loadPuzzle(p, host, crlf({" 11 ", " 4 "}), small).loaded());
    EXPECT_EQ(p.grid.rowCount(), 2);
    EXPECT_TRUE(loadPuzzle(p, host, file2x3({"E", "E"}), small).loaded());
}

TEST(PuzzleFileLoad, shortLetterLineLeavesCellsEmptyLongOneIsCut) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    const std::string text = crlf({" 3 ", " 3 ", "A", "  DEFGH  ", "", "1", "1", "1", "1", "1", "1",
                                   "1", "1", "1", "E", "E"});
    ASSERT_TRUE(loadPuzzle(p, host, text).loaded());
    EXPECT_EQ(row(p.grid, 0), "A..");
    EXPECT_EQ(row(p.grid, 1), "DEF");
    EXPECT_EQ(row(p.grid, 2), "...");
}

TEST(PuzzleFileLoad, coloursAreNumericValuesRoundedToWholeNumbers) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    ASSERT_TRUE(loadPuzzle(p, host,
                           crlf({" 2 ", " 3 ", "ABC", "DEF", " 16777215 ", "-5 ", "&HFF", "2.5",
                                 "3.5", "1 2 3", "E", "E"}))
                    .loaded());
    EXPECT_EQ(colours(p.grid), (std::vector<std::int32_t>{16777215, -5, 255, 2, 4, 123}));
}

TEST(PuzzleFileLoad, colourOutsideThirtyTwoBitsFails) {
    Puzzle p = shownPuzzle();
    FakeHost host;
    const auto r = loadPuzzle(p, host, crlf({" 1 ", " 2 ", "AB", " 7 ", " 2147483648 ", "E", "E"}));
    EXPECT_EQ(r.outcome, LoadOutcome::Failed);
    EXPECT_TRUE(host.messages.empty());
    // The colour read before the bad one stays.
    EXPECT_EQ(p.grid.colourAt(0, 0), 7);
    EXPECT_FALSE(p.shown);
    EXPECT_EQ(p.hiddenWords.count(), 2);
}

TEST(PuzzleFileLoad, colourNamesOfTheFirstVersionAreRefusedWithAMessage) {
    for (const std::string old : {"White", "Yellow", "  White", "Wxy", "YES"}) {
        Puzzle p = shownPuzzle();
        FakeHost host;
        const auto r = loadPuzzle(p, host, crlf({" 1 ", " 2 ", "AB", " 7 ", old, "E", "E"}));
        EXPECT_EQ(r.outcome, LoadOutcome::OldFormat) << old;
        ASSERT_EQ(host.messages.size(), 1u) << old;
        EXPECT_EQ(host.messages[0].text,
                  "Sorry! Lettermazes saved by Lettermaze v1.0 are no longer supported.");
        EXPECT_EQ(host.messages[0].caption, "Lettermaze");
        EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
        EXPECT_EQ(host.messages[0].icon, MessageIcon::None);
        // Then it is an ordinary failed load.
        EXPECT_FALSE(p.shown);
        EXPECT_TRUE(p.inPlay);
        EXPECT_FALSE(host.busy);
        EXPECT_EQ(p.hiddenWords.count(), 2);
        EXPECT_EQ(p.grid.colourAt(0, 0), 7);
    }
}

TEST(PuzzleFileLoad, shortOrLowerCaseColourWordsAreBlack) {
    for (const std::string notOld : {"W", "Y", "Wx", "Yy", "white", "yellow", "W ", "Black"}) {
        Puzzle p;
        WindowState window;
        GenerationScratch scratch;
        FakeHost host;
        const auto r = loadPuzzle(p, host, crlf({" 1 ", " 1 ", "A", notOld, "E", "E"}));
        EXPECT_TRUE(r.loaded()) << notOld << ": " << r.reason;
        EXPECT_TRUE(host.messages.empty()) << notOld;
        EXPECT_EQ(p.grid.colourAt(0, 0), 0) << notOld;
    }
}

TEST(PuzzleFileLoad, listsAreEmptiedBeforeTheWordsAreRead) {
    Puzzle p = shownPuzzle();
    FakeHost host;
    ASSERT_TRUE(loadPuzzle(p, host, file2x3({"E", "E"})).loaded());
    EXPECT_EQ(p.hiddenWords.count(), 0);
    EXPECT_EQ(p.foundWords.count(), 0);
}

TEST(PuzzleFileLoad, wordsAreTrimmedSortedAndEmptyLinesSkipped) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    ASSERT_TRUE(loadPuzzle(p, host,
                           file2x3({"", "  ZEBRA  ", "", "apple", "APPLE", "   ", "E", "", "MOLE",
                                    "", "E", "E"}))
                    .loaded());
    EXPECT_EQ(p.hiddenWords.items(), (Words{"apple", "APPLE", "ZEBRA"}));
    EXPECT_EQ(p.foundWords.items(), (Words{"MOLE"}));
}

TEST(PuzzleFileLoad, lettersAndWordsKeepWindows1252Bytes) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    ASSERT_TRUE(
        loadPuzzle(p, host, crlf({" 1 ", " 2 ", "\xC9\x8A", "1", "1", "\xC9T\xC9", "E", "E", "E"}))
            .loaded());
    EXPECT_EQ(p.grid.letterAt(0, 0), "\xC9");
    EXPECT_EQ(p.grid.letterAt(0, 1), "\x8A");
    EXPECT_EQ(p.hiddenWords.items(), (Words{"\xC9T\xC9"}));
}

TEST(PuzzleFileLoad, aLoneEInTheHiddenSectionEndsItEarly) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    // Meant as hidden BE, E (a hand-made mistake) and CF, found AD, then the records.
    const auto r = loadPuzzle(
        p, host, file2x3({"BE", "E", "CF", "E", "AD", "E", "BE", " 2 ", " 1 ", " 2 ", " 2 ", "E"}));
    // CF is taken as found, AD as the first record's word, and the E after it ends the records.
    ASSERT_TRUE(r.loaded()) << r.reason;
    EXPECT_EQ(p.hiddenWords.items(), (Words{"BE"}));
    EXPECT_EQ(p.foundWords.items(), (Words{"CF"}));
    ASSERT_EQ(p.placements.size(), 1u);
    EXPECT_EQ(p.placements[0].word, "AD");
    EXPECT_FALSE(p.placements[0].x1.has_value());
}

TEST(PuzzleFileLoad, recordsKeepFractionsAndTrimOnlyTheWord) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    ASSERT_TRUE(
        loadPuzzle(p, host, file2x3({"AD", "E", "E", "  AD  ", " 2.5 ", "-1", "1E2", "x", "E"}))
            .loaded());
    ASSERT_EQ(p.placements.size(), 1u);
    EXPECT_EQ(p.placements[0].word, "AD");
    EXPECT_EQ(p.placements[0].x1, 2.5);
    EXPECT_EQ(p.placements[0].y1, -1.0);
    EXPECT_EQ(p.placements[0].x2, 100.0);
    EXPECT_EQ(p.placements[0].y2, 0.0);
}

TEST(PuzzleFileLoad, emptyRecordComesBackAsEmptyWordAndZeros) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    ASSERT_TRUE(loadPuzzle(p, host,
                           file2x3({"AD", "BE", "E", "E", "", "", "", "", "", "BE", " 2 ", " 1 ",
                                    " 2 ", " 2 ", "E"}))
                    .loaded());
    ASSERT_EQ(p.placements.size(), 2u);
    EXPECT_EQ(p.placements[0], (PlacementRecord{std::string(), 0.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(p.placements[1], PlacementRecord::placed("BE", 2, 1, 2, 2));
}

TEST(PuzzleFileLoad, onlyAsManyRecordsAsListedWordsAreRead) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    ASSERT_TRUE(loadPuzzle(p, host,
                           file2x3({"AD", "E", "E", "AD", " 1 ", " 1 ", " 1 ", " 2 ", "XX", " 9 ",
                                    " 9 ", " 9 ", " 9 ", "E"}))
                    .loaded());
    EXPECT_EQ(p.placements, (PlacementList{PlacementRecord::placed("AD", 1, 1, 1, 2)}));
}

TEST(PuzzleFileLoad, eAmongRecordsStopsThemAfterTheNextIsMade) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    ASSERT_TRUE(
        loadPuzzle(p, host,
                   file2x3({"AD", "BE", "CF", "E", "E", "AD", " 1 ", " 1 ", " 1 ", " 2 ", "E"}))
            .loaded());
    ASSERT_EQ(p.placements.size(), 2u);
    EXPECT_TRUE(p.placements[1].empty());
}

TEST(PuzzleFileLoad, resizingRecordsKeepsTheEarlierOnes) {
    Puzzle p = shownPuzzle();  // four records
    const PlacementRecord first = p.placements[0];
    FakeHost host;
    // One word, and the records section ends at once: the list shrinks to one record, and
    // that record is the one that was there.
    ASSERT_TRUE(loadPuzzle(p, host, file2x3({"AD", "E", "E", "E"})).loaded());
    EXPECT_EQ(p.placements, (PlacementList{first}));
}

TEST(PuzzleFileLoad, noWordsLeavesTheRecordsAsTheyWere) {
    Puzzle p = shownPuzzle();
    const PlacementList before = p.placements;
    FakeHost host;
    ASSERT_TRUE(loadPuzzle(p, host, file2x3({"E", "E"})).loaded());
    EXPECT_EQ(p.placements, before);
    EXPECT_FALSE(p.inPlay);
}

TEST(PuzzleFileLoad, allWordsFoundIsShownButNotPlayable) {
    Puzzle p = shownPuzzle();
    FakeHost host;
    ASSERT_TRUE(
        loadPuzzle(p, host, file2x3({"E", "AD", "E", "AD", " 1 ", " 1 ", " 1 ", " 2 ", "E"}))
            .loaded());
    EXPECT_TRUE(p.shown);
    EXPECT_FALSE(p.inPlay);
    EXPECT_EQ(p.grid.colourAt(0, 0), 1);
}

TEST(PuzzleFileLoad, fewerRecordsThanWordsFailsAfterTheListsWereReplaced) {
    Puzzle p = shownPuzzle();
    FakeHost host;
    const auto r =
        loadPuzzle(p, host, file2x3({"AD", "BE", "E", "E", "AD", " 1 ", " 1 ", " 1 ", " 2 "}));
    EXPECT_EQ(r.outcome, LoadOutcome::Failed);
    EXPECT_EQ(p.hiddenWords.items(), (Words{"AD", "BE"}));
    EXPECT_EQ(p.foundWords.count(), 0);
    ASSERT_EQ(p.placements.size(), 2u);
    EXPECT_EQ(p.placements[0], PlacementRecord::placed("AD", 1, 1, 1, 2));
    EXPECT_TRUE(p.placements[1].empty());
    EXPECT_FALSE(p.shown);
    EXPECT_TRUE(p.inPlay);
}

TEST(PuzzleFileLoad, fileEndingInsideTheWordsKeepsTheWordsRead) {
    Puzzle p = shownPuzzle();
    p.inPlay = false;
    FakeHost host;
    EXPECT_FALSE(loadPuzzle(p, host, file2x3({"ZED", "AD", "E", "CF"})).loaded());
    EXPECT_EQ(p.hiddenWords.items(), (Words{"AD", "ZED"}));
    EXPECT_EQ(p.foundWords.items(), (Words{"CF"}));
    EXPECT_EQ(p.grid.rowCount(), 2);
    EXPECT_EQ(row(p.grid, 1), "DEF");
    EXPECT_FALSE(p.shown);
    EXPECT_FALSE(p.inPlay);
}

TEST(PuzzleFileLoad, fileEndingInsideTheLettersKeepsTheNewSizeAndRowsRead) {
    Puzzle p = shownPuzzle();
    FakeHost host;
    const auto r = loadPuzzle(p, host, crlf({" 2 ", " 2 ", "QR"}));
    EXPECT_EQ(r.outcome, LoadOutcome::Failed);
    EXPECT_NE(r.reason.find("letters"), std::string::npos);
    EXPECT_EQ(p.grid.rowCount(), 2);
    EXPECT_EQ(p.grid.columnCount(), 2);
    EXPECT_EQ(row(p.grid, 0), "QR");
    EXPECT_EQ(row(p.grid, 1), "DO");  // kept from before
    EXPECT_EQ(p.hiddenWords.count(), 2);
}

TEST(PuzzleFileLoad, quotedFieldsAndCommasInHandWrittenFiles) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    const std::string text =
        " 2 , 3 \r\n"
        "\"A,B\" ignored\r\n"
        "  DEF\r\n"
        "1,2,3\r\n"
        "4, 5 ,\"6\"\r\n"
        "CAT,\"DOG\",E\r\n"
        "\"OWL\"\r\nE\r\n"
        "CAT, 1, 1, 3, 1\r\n"
        "\"DOG\",1,2,3,2,\"OWL\",1,3,3,3\r\nE\r\n";
    const auto r = loadPuzzle(p, host, text);
    ASSERT_TRUE(r.loaded()) << r.reason;
    EXPECT_EQ(p.grid.rowCount(), 2);
    EXPECT_EQ(p.grid.columnCount(), 3);
    EXPECT_EQ(row(p.grid, 0), "A,B");
    EXPECT_EQ(row(p.grid, 1), "DEF");
    EXPECT_EQ(colours(p.grid), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(p.hiddenWords.items(), (Words{"CAT", "DOG"}));
    EXPECT_EQ(p.foundWords.items(), (Words{"OWL"}));
    EXPECT_EQ(p.placements, (PlacementList{PlacementRecord::placed("CAT", 1, 1, 3, 1),
                                           PlacementRecord::placed("DOG", 1, 2, 3, 2),
                                           PlacementRecord::placed("OWL", 1, 3, 3, 3)}));
}

TEST(PuzzleFileLoad, loneLfAndLoneCrFilesLoadLikeCrLfOnes) {
    const std::string crlfText = file2x3({"AD", "E", "CF", "E", "AD", " 1 ", " 1 ", " 1 ", " 2 ",
                                          "CF", " 3 ", " 1 ", " 3 ", " 2 ", "E"});
    Puzzle expected;
    FakeHost host;
    ASSERT_TRUE(loadPuzzle(expected, host, crlfText).loaded());
    for (const char* end : {"\n", "\r"}) {
        std::string text;
        for (const std::string& l : lettermaze::testing::splitCrlf(crlfText)) text += l + end;
        Puzzle p;
        WindowState window;
        GenerationScratch scratch;
        ASSERT_TRUE(loadPuzzle(p, host, text).loaded());
        EXPECT_EQ(colours(p.grid), colours(expected.grid));
        EXPECT_EQ(row(p.grid, 1), row(expected.grid, 1));
        EXPECT_EQ(p.hiddenWords.items(), expected.hiddenWords.items());
        EXPECT_EQ(p.foundWords.items(), expected.foundWords.items());
        EXPECT_EQ(p.placements, expected.placements);
    }
}

TEST(PuzzleFileLoad, emptyFileFails) {
    Puzzle p = shownPuzzle();
    FakeHost host;
    EXPECT_EQ(loadPuzzle(p, host, "").outcome, LoadOutcome::Failed);
    EXPECT_FALSE(p.shown);
}

TEST(PuzzleFileLoad, largestGeneratedSizeLoads) {
    Puzzle big;
    big.grid.setRowCount(200);
    big.grid.setColumnCount(200);
    Lines words;
    for (int r = 0; r < 200; ++r)
        for (int c = 0; c < 200; ++c)
            big.grid.setLetterAt(r, c, std::string(1, char('A' + (r + c) % 26)));
    for (int k = 0; k < 300; ++k) {
        const std::string w = "W" + std::to_string(k);
        big.hiddenWords.add(w);
        big.placements.push_back(PlacementRecord::placed(w, 1, k % 200 + 1, 3, k % 200 + 1));
    }
    big.grid.setColourAt(199, 199, 255);
    const std::string text = puzzleFileText(big);
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    ASSERT_TRUE(loadPuzzle(p, host, text).loaded());
    EXPECT_EQ(p.grid.rowCount(), 200);
    EXPECT_EQ(p.grid.columnCount(), 200);
    EXPECT_EQ(p.grid.letterAt(199, 198), big.grid.letterAt(199, 198));
    EXPECT_EQ(p.grid.colourAt(199, 199), 255);
    EXPECT_EQ(p.hiddenWords.items(), big.hiddenWords.items());
    EXPECT_EQ(p.placements, big.placements);
    EXPECT_EQ(puzzleFileText(p), text);
}

TEST(PuzzleFileLoad, tenMegabytesOfJunkIsRefusedOrReadToTheEnd) {
    std::mt19937 rng(7);
    std::string junk(10 << 20, '\0');
    for (char& c : junk) c = static_cast<char>(rng());
    Puzzle p = shownPuzzle();
    FakeHost host;
    EXPECT_EQ(loadPuzzle(p, host, junk).outcome, LoadOutcome::Failed);
    EXPECT_FALSE(p.shown);

    // The same junk behind a sound header and grid: it is all read as words, then the file ends.
    std::string headed = file2x3({}) + junk;
    std::replace(headed.begin() + static_cast<long>(file2x3({}).size()), headed.end(), 'E', 'e');
    Puzzle q;
    EXPECT_EQ(loadPuzzle(q, host, headed).outcome, LoadOutcome::Failed);
    EXPECT_GT(q.hiddenWords.count(), 1000);
}

TEST(PuzzleFileLoad, manyWordsLoadInSortedOrder) {
    Lines rest;
    std::mt19937 rng(3);
    Words expected;
    for (int k = 0; k < 100000; ++k) {
        std::string w;
        for (int i = 0; i < 6; ++i) w += static_cast<char>('A' + rng() % 26);
        rest.push_back(w);
        expected.push_back(w);
    }
    rest.push_back("E");
    rest.push_back("E");
    rest.push_back("E");  // the first record stops at once
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    ASSERT_TRUE(loadPuzzle(p, host, file2x3(rest)).loaded());
    std::stable_sort(expected.begin(), expected.end(), listLess);
    EXPECT_EQ(p.hiddenWords.items(), expected);
}
