#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
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
using lettermaze::testing::readFile;
using lettermaze::testing::samplePuzzle;
using lettermaze::testing::TempDir;
using lettermaze::testing::writeFile;

namespace {

void expectSameCells(const Grid& a, const Grid& b) {
    ASSERT_EQ(a.rowCount(), b.rowCount());
    ASSERT_EQ(a.columnCount(), b.columnCount());
    for (int r = 0; r < a.rowCount(); ++r)
        for (int c = 0; c < a.columnCount(); ++c) {
            EXPECT_EQ(a.letterAt(r, c), b.letterAt(r, c)) << r << "," << c;
            EXPECT_EQ(a.colourAt(r, c), b.colourAt(r, c)) << r << "," << c;
        }
}

// Runs a test body in dir, returning to where it was afterwards.
class InFolder {
  public:
    explicit InFolder(const std::filesystem::path& dir) : old_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~InFolder() { std::filesystem::current_path(old_); }

  private:
    std::filesystem::path old_;
};

}  // namespace

TEST(PuzzleFileRoundTrip, saveThenOpenRestoresLettersColoursListsAndRecords) {
    WindowState window;
    TempDir dir;
    Puzzle saved = samplePuzzle();
    saved.placements.pop_back();  // one record per listed word
    FakeHost host;
    host.fileNames = {dir.file("round.lm"), dir.file("round.lm")};
    savePuzzle(saved, window, host);

    Puzzle opened;
    window.dialogFileName = "elsewhere.lm";
    openPuzzle(opened, window, host);
    ASSERT_EQ(host.dialogs.size(), 2u);
    EXPECT_FALSE(host.dialogs[1].save);
    EXPECT_EQ(host.dialogs[1].filter, "Lettermaze|*.lm");
    EXPECT_EQ(host.dialogs[1].fileName, "elsewhere.lm");
    EXPECT_EQ(window.dialogFileName, dir.file("round.lm"));

    expectSameCells(opened.grid, saved.grid);
    EXPECT_EQ(opened.hiddenWords.items(), saved.hiddenWords.items());
    EXPECT_EQ(opened.foundWords.items(), saved.foundWords.items());
    EXPECT_EQ(opened.placements, saved.placements);
    EXPECT_TRUE(opened.shown);
    EXPECT_TRUE(opened.inPlay);
    EXPECT_FALSE(host.busy);
    EXPECT_TRUE(host.messages.empty());
}

TEST(PuzzleFileRoundTrip, unplacedWordAmongTheRecordsReadComesBackAsEmptyWordAndZeros) {
    WindowState window;
    TempDir dir;
    Puzzle saved = samplePuzzle();
    // The unplaced word's record comes before the last listed word's.
    saved.placements = {saved.placements[0], PlacementRecord{}, saved.placements[1],
                        saved.placements[2]};
    ASSERT_TRUE(savePuzzleFile(saved, dir.file("p.lm")));
    Puzzle opened;
    FakeHost host;
    openPuzzleFile(opened, window, host, dir.file("p.lm"));
    ASSERT_TRUE(opened.shown);
    EXPECT_EQ(opened.placements, (PlacementList{saved.placements[0],
                                                PlacementRecord{std::string(), 0.0, 0.0, 0.0, 0.0},
                                                saved.placements[2]}));
}

TEST(PuzzleFileRoundTrip, savingWhatWasOpenedWritesTheSameBytes) {
    WindowState window;
    TempDir dir;
    Puzzle saved = samplePuzzle();
    saved.placements.pop_back();
    ASSERT_TRUE(savePuzzleFile(saved, dir.file("a.lm")));
    Puzzle opened;
    FakeHost host;
    openPuzzleFile(opened, window, host, dir.file("a.lm"));
    ASSERT_TRUE(savePuzzleFile(opened, dir.file("b.lm")));
    EXPECT_EQ(readFile(dir.file("a.lm")), readFile(dir.file("b.lm")));
}

TEST(PuzzleFileOpen, cancelledDialogChangesNothingButTheDefaultPointer) {
    WindowState window;
    Puzzle p = samplePuzzle();
    window.dialogFileName = "last.lm";
    FakeHost host;
    openPuzzle(p, window, host);
    EXPECT_EQ(window.dialogFileName, "");
    EXPECT_TRUE(p.shown);
    EXPECT_EQ(p.grid.rowCount(), 3);
    EXPECT_EQ(host.busyOn, 0);
    EXPECT_EQ(host.busyOff, 1);
}

TEST(PuzzleFileOpen, namesOfOneToThreeCharactersDoNothing) {
    WindowState window;
    TempDir dir;
    Puzzle source = samplePuzzle();
    source.grid.setRowCount(5);
    for (const char* name : {"p.l", "ab", "x", "p.lm"})
        ASSERT_TRUE(savePuzzleFile(source, dir.file(name)));
    InFolder here(dir.path());
    for (const std::string name : {"p.l", "  p.l  ", "ab", " x ", "", "    "}) {
        Puzzle p = samplePuzzle();
        FakeHost host;
        openPuzzleFile(p, window, host, name);
        EXPECT_EQ(p.grid.rowCount(), 3) << name;
        EXPECT_TRUE(p.shown);
        EXPECT_EQ(host.busyOn, 0);
        EXPECT_TRUE(host.messages.empty());
    }
    // Four characters are enough.
    Puzzle p = samplePuzzle();
    FakeHost host;
    openPuzzleFile(p, window, host, " p.lm ");
    EXPECT_EQ(p.grid.rowCount(), 5);
}

TEST(PuzzleFileOpen, nameIsTrimmedOfSpaces) {
    TempDir dir;
    ASSERT_TRUE(savePuzzleFile(samplePuzzle(), dir.file("p.lm")));
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    openPuzzleFile(p, window, host, "   " + dir.file("p.lm") + "  ");
    EXPECT_TRUE(p.shown);
    EXPECT_EQ(p.grid.columnCount(), 4);
}

TEST(PuzzleFileOpen, missingFileFailsQuietlyKeepingGridActiveAndTheGridHidden) {
    WindowState window;
    TempDir dir;
    for (bool active : {true, false}) {
        Puzzle p = samplePuzzle();
        p.inPlay = active;
        FakeHost host;
        openPuzzleFile(p, window, host, dir.file("missing.lm"));
        EXPECT_FALSE(p.shown);
        EXPECT_EQ(p.inPlay, active);
        EXPECT_EQ(host.busyOn, 1);
        EXPECT_EQ(host.busyOff, 1);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(p.grid.rowCount(), 3);
        EXPECT_EQ(p.hiddenWords.count(), 2);
    }
}

TEST(PuzzleFileOpen, folderFailsQuietly) {
    WindowState window;
    TempDir dir;
    Puzzle p = samplePuzzle();
    FakeHost host;
    openPuzzleFile(p, window, host, dir.path().string());
    EXPECT_FALSE(p.shown);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(host.busy);
}

TEST(PuzzleFileOpen, oldFormatFileGetsItsMessageThenFailsLikeAnyOther) {
    WindowState window;
    TempDir dir;
    writeFile(dir.file("old.lm"), crlf({" 1 ", " 1 ", "A", "White", "E", "E", "E"}));
    Puzzle p = samplePuzzle();
    p.inPlay = false;
    FakeHost host;
    openPuzzleFile(p, window, host, dir.file("old.lm"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Sorry! Lettermazes saved by Lettermaze v1.0 are no longer supported.");
    EXPECT_FALSE(p.shown);
    EXPECT_FALSE(p.inPlay);
    EXPECT_FALSE(host.busy);
}

TEST(PuzzleFileOpen, aNameIsTheFileSystemsBytesNotWindows1252) {
    TempDir dir;
    writeFile(dir.path() / "caf\xC3\xA9.lm", crlf({" 1 ", " 1 ", "A", "1", "E", "E", "E"}));
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    openPuzzleFile(p, window, host, dir.file("caf\xC3\xA9.lm"));
    EXPECT_TRUE(p.shown);
}

TEST(PuzzleFileOpen, fileNameWithoutExtensionOpens) {
    TempDir dir;
    ASSERT_TRUE(savePuzzleFile(samplePuzzle(), dir.file("noext")));
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    FakeHost host;
    host.fileNames = {dir.file("noext")};
    openPuzzle(p, window, host);
    EXPECT_TRUE(p.shown);
    EXPECT_EQ(p.foundWords.items(), std::vector<std::string>{"DOG"});
}

TEST(PuzzleFileOpen, loadFromFileMarksTheGridChanged) {
    WindowState window;
    TempDir dir;
    Puzzle p = samplePuzzle();
    ASSERT_TRUE(savePuzzleFile(p, dir.file("p.lm")));
    const auto before = p.grid.revision();
    FakeHost host;
    openPuzzleFile(p, window, host, dir.file("p.lm"));
    EXPECT_GT(p.grid.revision(), before);
}
