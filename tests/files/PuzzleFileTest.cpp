#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fakes/FakeHost.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleFileSupport.h"

using namespace lettermaze;
using lettermaze::testing::crlf;
using lettermaze::testing::FakeHost;
using lettermaze::testing::readFile;
using lettermaze::testing::samplePuzzle;
using lettermaze::testing::TempDir;
using lettermaze::testing::writeFile;

namespace {

void expectSameCells(const Grid& a, const Grid& b) {
    ASSERT_EQ(a.Rows(), b.Rows());
    ASSERT_EQ(a.Cols(), b.Cols());
    for (int r = 0; r < a.Rows(); ++r)
        for (int c = 0; c < a.Cols(); ++c) {
            EXPECT_EQ(a.TextMatrix(r, c), b.TextMatrix(r, c)) << r << "," << c;
            EXPECT_EQ(a.backColor(r, c), b.backColor(r, c)) << r << "," << c;
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
    TempDir dir;
    Puzzle saved = samplePuzzle();
    saved.Placements.pop_back();  // one record per listed word
    FakeHost host;
    host.fileNames = {dir.file("round.lm"), dir.file("round.lm")};
    mnuSW_Click(saved, host);

    Puzzle opened;
    opened.CDFileName = "elsewhere.lm";
    mnuOpen_Click(opened, host);
    ASSERT_EQ(host.dialogs.size(), 2u);
    EXPECT_FALSE(host.dialogs[1].save);
    EXPECT_EQ(host.dialogs[1].filter, "Lettermaze|*.lm");
    EXPECT_EQ(host.dialogs[1].fileName, "elsewhere.lm");
    EXPECT_EQ(opened.CDFileName, dir.file("round.lm"));

    expectSameCells(opened.FG, saved.FG);
    EXPECT_EQ(opened.ListW.items(), saved.ListW.items());
    EXPECT_EQ(opened.ListF.items(), saved.ListF.items());
    EXPECT_EQ(opened.Placements, saved.Placements);
    EXPECT_TRUE(opened.FG.Visible);
    EXPECT_TRUE(opened.GridActive);
    EXPECT_FALSE(host.busy);
    EXPECT_TRUE(host.messages.empty());
}

TEST(PuzzleFileRoundTrip, unplacedWordAmongTheRecordsReadComesBackAsEmptyWordAndZeros) {
    TempDir dir;
    Puzzle saved = samplePuzzle();
    // The unplaced word's record comes before the last listed word's.
    saved.Placements = {saved.Placements[0], PlacementRecord{}, saved.Placements[1],
                        saved.Placements[2]};
    ASSERT_TRUE(savePuzzleFile(saved, dir.file("p.lm")));
    Puzzle opened;
    FakeHost host;
    OpenLM(opened, host, dir.file("p.lm"));
    ASSERT_TRUE(opened.FG.Visible);
    EXPECT_EQ(opened.Placements, (PlacementList{saved.Placements[0],
                                                PlacementRecord{std::string(), 0.0, 0.0, 0.0, 0.0},
                                                saved.Placements[2]}));
}

TEST(PuzzleFileRoundTrip, savingWhatWasOpenedWritesTheSameBytes) {
    TempDir dir;
    Puzzle saved = samplePuzzle();
    saved.Placements.pop_back();
    ASSERT_TRUE(savePuzzleFile(saved, dir.file("a.lm")));
    Puzzle opened;
    FakeHost host;
    OpenLM(opened, host, dir.file("a.lm"));
    ASSERT_TRUE(savePuzzleFile(opened, dir.file("b.lm")));
    EXPECT_EQ(readFile(dir.file("a.lm")), readFile(dir.file("b.lm")));
}

TEST(PuzzleFileOpen, cancelledDialogChangesNothingButTheDefaultPointer) {
    Puzzle p = samplePuzzle();
    p.CDFileName = "last.lm";
    FakeHost host;
    mnuOpen_Click(p, host);
    EXPECT_EQ(p.CDFileName, "");
    EXPECT_TRUE(p.FG.Visible);
    EXPECT_EQ(p.FG.Rows(), 3);
    EXPECT_EQ(host.busyOn, 0);
    EXPECT_EQ(host.busyOff, 1);
}

TEST(PuzzleFileOpen, namesOfOneToThreeCharactersDoNothing) {
    TempDir dir;
    Puzzle source = samplePuzzle();
    source.FG.setRows(5);
    for (const char* name : {"p.l", "ab", "x", "p.lm"})
        ASSERT_TRUE(savePuzzleFile(source, dir.file(name)));
    InFolder here(dir.path());
    for (const std::string name : {"p.l", "  p.l  ", "ab", " x ", "", "    "}) {
        Puzzle p = samplePuzzle();
        FakeHost host;
        OpenLM(p, host, name);
        EXPECT_EQ(p.FG.Rows(), 3) << name;
        EXPECT_TRUE(p.FG.Visible);
        EXPECT_EQ(host.busyOn, 0);
        EXPECT_TRUE(host.messages.empty());
    }
    // Four characters are enough.
    Puzzle p = samplePuzzle();
    FakeHost host;
    OpenLM(p, host, " p.lm ");
    EXPECT_EQ(p.FG.Rows(), 5);
}

TEST(PuzzleFileOpen, nameIsTrimmedOfSpaces) {
    TempDir dir;
    ASSERT_TRUE(savePuzzleFile(samplePuzzle(), dir.file("p.lm")));
    Puzzle p;
    FakeHost host;
    OpenLM(p, host, "   " + dir.file("p.lm") + "  ");
    EXPECT_TRUE(p.FG.Visible);
    EXPECT_EQ(p.FG.Cols(), 4);
}

TEST(PuzzleFileOpen, missingFileFailsQuietlyKeepingGridActiveAndTheGridHidden) {
    TempDir dir;
    for (bool active : {true, false}) {
        Puzzle p = samplePuzzle();
        p.GridActive = active;
        FakeHost host;
        OpenLM(p, host, dir.file("missing.lm"));
        EXPECT_FALSE(p.FG.Visible);
        EXPECT_EQ(p.GridActive, active);
        EXPECT_EQ(host.busyOn, 1);
        EXPECT_EQ(host.busyOff, 1);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(p.FG.Rows(), 3);
        EXPECT_EQ(p.ListW.ListCount(), 2);
    }
}

TEST(PuzzleFileOpen, folderFailsQuietly) {
    TempDir dir;
    Puzzle p = samplePuzzle();
    FakeHost host;
    OpenLM(p, host, dir.path().string());
    EXPECT_FALSE(p.FG.Visible);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(host.busy);
}

TEST(PuzzleFileOpen, oldFormatFileGetsItsMessageThenFailsLikeAnyOther) {
    TempDir dir;
    writeFile(dir.file("old.lm"), crlf({" 1 ", " 1 ", "A", "White", "E", "E", "E"}));
    Puzzle p = samplePuzzle();
    p.GridActive = false;
    FakeHost host;
    OpenLM(p, host, dir.file("old.lm"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Sorry! Lettermazes saved by Lettermaze v1.0 are no longer supported.");
    EXPECT_FALSE(p.FG.Visible);
    EXPECT_FALSE(p.GridActive);
    EXPECT_FALSE(host.busy);
}

TEST(PuzzleFileOpen, aNameIsTheFileSystemsBytesNotWindows1252) {
    TempDir dir;
    writeFile(dir.path() / "caf\xC3\xA9.lm", crlf({" 1 ", " 1 ", "A", "1", "E", "E", "E"}));
    Puzzle p;
    FakeHost host;
    OpenLM(p, host, dir.file("caf\xC3\xA9.lm"));
    EXPECT_TRUE(p.FG.Visible);
}

TEST(PuzzleFileOpen, fileNameWithoutExtensionOpens) {
    TempDir dir;
    ASSERT_TRUE(savePuzzleFile(samplePuzzle(), dir.file("noext")));
    Puzzle p;
    FakeHost host;
    host.fileNames = {dir.file("noext")};
    mnuOpen_Click(p, host);
    EXPECT_TRUE(p.FG.Visible);
    EXPECT_EQ(p.ListF.items(), std::vector<std::string>{"DOG"});
}

TEST(PuzzleFileOpen, loadFromFileMarksTheGridChanged) {
    TempDir dir;
    Puzzle p = samplePuzzle();
    ASSERT_TRUE(savePuzzleFile(p, dir.file("p.lm")));
    const auto before = p.FG.revision();
    FakeHost host;
    OpenLM(p, host, dir.file("p.lm"));
    EXPECT_GT(p.FG.revision(), before);
}
