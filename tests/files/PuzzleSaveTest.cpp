#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include "fakes/FakeHost.h"
#include "files/FileReplace.h"
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
using lettermaze::testing::splitCrlf;
using lettermaze::testing::TempDir;
using lettermaze::testing::writeFile;

namespace fs = std::filesystem;

TEST(PuzzleFileSave, writesEverySectionInOrder) {
    EXPECT_EQ(
        puzzleFileText(samplePuzzle()),
        crlf({" 3 ",        " 4 ",        "CATX",       "DOGY",       "OWL\xC9",   " 16777215 ",
              " 16777215 ", " 16777215 ", " 16777215 ", " 8454143 ",  " 8454143 ", " 8454143 ",
              " 16777215 ", " 16777215 ", " 16777215 ", " 16777215 ", "-5 ",       "CAT",
              "OWL",        "E",          "DOG",        "E",          "CAT",       " 1 ",
              " 1 ",        " 3 ",        " 1 ",        "DOG",        " 1 ",       " 2 ",
              " 3 ",        " 2 ",        "OWL",        " 1 ",        " 3 ",       " 3 ",
              " 3 ",        "",           "",           "",           "",          "",
              "E"}));
}

TEST(PuzzleFileSave, twentyByTwentyLayout) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    p.grid.setRowCount(20);
    p.grid.setColumnCount(20);
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 20; ++c) p.grid.setLetterAt(r, c, std::string(1, char('A' + c)));
    const std::string text = puzzleFileText(p);
    // Every line ends in CR LF and there is no other line break.
    const std::vector<std::string> lines = splitCrlf(text);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), static_cast<long>(lines.size()));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(lines.size()));
    EXPECT_EQ(text.substr(text.size() - 3), "E\r\n");
    ASSERT_EQ(lines.size(), 2u + 20u + 400u + 3u);
    EXPECT_EQ(lines[0], " 20 ");
    EXPECT_EQ(lines[1], " 20 ");
    for (int r = 0; r < 20; ++r) EXPECT_EQ(lines[2 + r], "ABCDEFGHIJKLMNOPQRST");
    for (int i = 0; i < 400; ++i) EXPECT_EQ(lines[22 + i], " 16777215 ");
    EXPECT_EQ(lines[422], "E");
    EXPECT_EQ(lines[423], "E");
    EXPECT_EQ(lines[424], "E");
}

TEST(PuzzleFileSave, numbersHaveASignPlaceAndATrailingSpace) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    p.grid.setRowCount(1);
    p.grid.setColumnCount(3);
    p.grid.setColourAt(0, 0, -5);
    p.grid.setColourAt(0, 1, 0);
    p.grid.setColourAt(0, 2, -2147483647 - 1);
    p.placements = {PlacementRecord{std::string("AB"), 2.5, -0.25, 0.0, -7.0},
                    PlacementRecord{std::string("CD"), 1e20, 123456789012.0, -0.0, 0.5}};
    const auto lines = splitCrlf(puzzleFileText(p));
    EXPECT_EQ(lines[3], "-5 ");
    EXPECT_EQ(lines[4], " 0 ");
    EXPECT_EQ(lines[5], "-2147483648 ");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.end() - 1),
              (std::vector<std::string>{"AB", " 2.5 ", "-.25 ", " 0 ", "-7 ", "CD", " 1E+20 ",
                                        " 123456789012 ", " 0 ", " .5 "}));
}

TEST(PuzzleFileSave, partlyFilledRecordWritesEmptyLinesForMissingFields) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    p.placements = {
        PlacementRecord{std::string("AB"), 3.0, std::nullopt, std::nullopt, std::nullopt}};
    const auto lines = splitCrlf(puzzleFileText(p));
    EXPECT_EQ(std::vector<std::string>(lines.end() - 6, lines.end()),
              (std::vector<std::string>{"AB", " 3 ", "", "", "", "E"}));
}

TEST(PuzzleFileSave, cancelledDialogWritesNothing) {
    WindowState window;
    TempDir dir;
    Puzzle p = samplePuzzle();
    window.dialogFileName = dir.file("old.lm");
    FakeHost host;  // no file name scripted: the dialog is cancelled
    savePuzzle(p, window, host);
    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_TRUE(host.dialogs[0].save);
    EXPECT_EQ(host.dialogs[0].filter, "Lettermaze|*.lm");
    EXPECT_EQ(host.dialogs[0].fileName, dir.file("old.lm"));
    EXPECT_TRUE(dir.names().empty());
    EXPECT_EQ(host.busyOn, 0);
    EXPECT_TRUE(p.shown);
}

TEST(PuzzleFileSave, savesUnderTheChosenNameAndRemembersIt) {
    WindowState window;
    TempDir dir;
    Puzzle p = samplePuzzle();
    FakeHost host;
    host.fileNames = {dir.file("first.lm"), dir.file("second.lm")};
    savePuzzle(p, window, host);
    EXPECT_EQ(window.dialogFileName, dir.file("first.lm"));
    EXPECT_EQ(readFile(dir.file("first.lm")), puzzleFileText(p));
    EXPECT_EQ(host.busyOn, 1);
    EXPECT_EQ(host.busyOff, 1);
    EXPECT_TRUE(p.shown);
    EXPECT_TRUE(host.messages.empty());
    savePuzzle(p, window, host);
    EXPECT_EQ(host.dialogs[1].fileName, dir.file("first.lm"));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"first.lm", "second.lm"}));
}

TEST(PuzzleFileSave, nameWithoutExtensionIsUsedAsTyped) {
    WindowState window;
    TempDir dir;
    Puzzle p = samplePuzzle();
    FakeHost host;
    host.fileNames = {dir.file("puzzle")};
    savePuzzle(p, window, host);
    EXPECT_EQ(dir.names(), std::vector<std::string>{"puzzle"});
}

TEST(PuzzleFileSave, nonLatinFolderAndFileNamesPassUnchangedThroughSaveAndOpen) {
    WindowState window;
    for (const std::string name : {"\xD0\x97\xD0\xB0\xD0\xB3\xD1\x80\xD1\x83\xD0\xB7\xD0\xBA\xD0\xB8/"
                                   "\xD0\xBA\xD0\xBE\xD1\x82.lm",             // Загрузки/кот.lm
                                   "\xE4\xB8\x8B\xE8\xBD\xBD/\xE7\x8C\xAB.lm",  // 下载/猫.lm
                                   "\xF0\x9F\x90\x88 cats/caf\xC3\xA9 \xF0\x9F\x90\x88.lm"}) {
        TempDir dir;
        fs::create_directory(dir.path() / fs::path(name).parent_path());
        Puzzle p = samplePuzzle();
        FakeHost host;
        host.fileNames = {dir.file(name), dir.file(name)};
        savePuzzle(p, window, host);
        EXPECT_EQ(readFile(dir.path() / name), puzzleFileText(p)) << name;
        Puzzle opened;
        openPuzzle(opened, window, host);
        EXPECT_TRUE(opened.shown) << name;
        EXPECT_EQ(opened.grid.letterAt(2, 3), "\xC9") << name;
    }
}

TEST(PuzzleFileSave, replacesAnEarlierFileWholeAndLeavesNoTemporaryFile) {
    WindowState window;
    TempDir dir;
    const std::string target = dir.file("p.lm");
    writeFile(target, std::string(100000, 'x'));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    Puzzle p = samplePuzzle();
    FakeHost host;
    host.fileNames = {target};
    savePuzzle(p, window, host);
    EXPECT_EQ(readFile(target), puzzleFileText(p));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"p.lm"});
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(PuzzleFileSave, symbolicLinkKeepsPointingAtTheSavedFile) {
    TempDir dir;
    writeFile(dir.file("real.lm"), "old");
    fs::create_symlink("real.lm", dir.path() / "link.lm");
    Puzzle p = samplePuzzle();
    EXPECT_TRUE(savePuzzleFile(p, dir.file("link.lm")));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.lm"));
    EXPECT_EQ(readFile(dir.file("real.lm")), puzzleFileText(p));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"link.lm", "real.lm"}));
}

TEST(PuzzleFileSave, missingFolderFailsQuietly) {
    WindowState window;
    TempDir dir;
    Puzzle p = samplePuzzle();
    FakeHost host;
    host.fileNames = {dir.file("nowhere/p.lm")};
    savePuzzle(p, window, host);
    EXPECT_TRUE(dir.names().empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(p.shown);
    EXPECT_FALSE(host.busy);
}

TEST(PuzzleFileSave, folderAsTargetIsLeftAlone) {
    WindowState window;
    TempDir dir;
    fs::create_directory(dir.path() / "sub.lm");
    writeFile(dir.path() / "sub.lm" / "inside", "keep");
    Puzzle p = samplePuzzle();
    FakeHost host;
    host.fileNames = {dir.file("sub.lm")};
    savePuzzle(p, window, host);
    EXPECT_TRUE(fs::is_directory(dir.path() / "sub.lm"));
    EXPECT_EQ(readFile(dir.path() / "sub.lm" / "inside"), "keep");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"sub.lm"});
    EXPECT_TRUE(p.shown);
}

TEST(PuzzleFileSave, failedWriteLeavesTheEarlierFileExactlyAsItWas) {
    TempDir dir;
    const std::string target = dir.file("p.lm");
    writeFile(target, "earlier puzzle");
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    p.grid.setRowCount(40);
    p.grid.setColumnCount(40);
    // A file-size limit makes the write fail part-way, as a full disk would, even for root.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = savePuzzleFile(p, target);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(target), "earlier puzzle");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"p.lm"});
}

// Saving as an unprivileged user into a folder that takes no new file is checked through the
// command-line tool (tests/cli/cli_file_names_and_rights.sh), which can drop root's privileges.

TEST(PuzzleFileSave, specialFileIsNotATargetToReplace) {
    TempDir dir;
    const fs::path fifo = dir.path() / "pipe.lm";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(replaceFile(fifo, "bytes"));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(dir.names(), std::vector<std::string>{"pipe.lm"});
}
