#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include "fakes/Builders.h"
#include "files/FileReplace.h"
#include "files/PuzzleFile.h"

using namespace lettermaze;
using namespace lettermaze::testing;

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

TEST(PuzzleFileSave, numbersHaveASignPlaceAndATrailingSpace) {
    Puzzle p;
    p.grid.setRowCount(1);
    p.grid.setColumnCount(3);
    p.grid.setColourAt(0, 0, -5);
    p.grid.setColourAt(0, 1, 0);
    p.grid.setColourAt(0, 2, -2147483647 - 1);
    p.placements = {PlacementRecord{std::string("AB"), 2.5, -0.25, 0.0, -7.0},
                    PlacementRecord{std::string("CD"), 1e20, 123456789012.0, -0.0, 0.5},
                    PlacementRecord{std::string("EF"), 3.0, std::nullopt, std::nullopt, std::nullopt}};
    const auto lines = splitCrlf(puzzleFileText(p));
    EXPECT_EQ(lines[3], "-5 ");
    EXPECT_EQ(lines[4], " 0 ");
    EXPECT_EQ(lines[5], "-2147483648 ");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.end() - 1),
              (std::vector<std::string>{"AB", " 2.5 ", "-.25 ", " 0 ", "-7 ", "CD", " 1E+20 ",
                                        " 123456789012 ", " 0 ", " .5 ", "EF", " 3 ", "", "", ""}));
}

TEST(PuzzleFileSave, savesUnderTheChosenNameAndRemembersItAndACancelWritesNothing) {
    WindowState window;
    TempDir dir;
    Puzzle p = samplePuzzle();
    FakeHost host;
    window.dialogFileName = "old.lm";
    host.fileNames = {"", dir.file("first.lm"), dir.file("second.lm")};
    savePuzzle(p, window, host);
    EXPECT_TRUE(dir.names().empty());
    EXPECT_EQ(host.busyOn, 0);
    EXPECT_EQ(host.dialogs[0].filter, "Lettermaze|*.lm");
    EXPECT_EQ(host.dialogs[0].fileName, "old.lm");
    savePuzzle(p, window, host);
    EXPECT_EQ(window.dialogFileName, dir.file("first.lm"));
    EXPECT_EQ(readFile(dir.file("first.lm")), puzzleFileText(p));
    EXPECT_EQ(host.busyOn, 1);
    EXPECT_EQ(host.busyOff, 1);
    EXPECT_TRUE(p.shown);
    EXPECT_TRUE(host.messages.empty());
    savePuzzle(p, window, host);
    EXPECT_EQ(host.dialogs[2].fileName, dir.file("first.lm"));
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"first.lm", "second.lm"}));
}

// A name is the file system's bytes: non-Latin folders and files are saved and opened as named.
TEST(PuzzleFileSave, nonLatinFolderAndFileNamesPassUnchangedThroughSaveAndOpen) {
    WindowState window;
    for (const std::string name : {"\xD0\x97\xD0\xB0\xD0\xB3\xD1\x80\xD1\x83\xD0\xB7\xD0\xBA\xD0\xB8/"
                                   "\xD0\xBA\xD0\xBE\xD1\x82.lm",             // Загрузки/кот.lm
                                   "\xE4\xB8\x8B\xE8\xBD\xBD/\xE7\x8C\xAB.lm",  // 下载/猫.lm
                                   "\xF0\x9F\x90\x88 cats/caf\xC3\xA9 \xF0\x9F\x90\x88.lm"}) {
        TempDir dir;
        fs::create_directory(fs::path(dir.file(name)).parent_path());
        Puzzle p = samplePuzzle(), opened;
        FakeHost host;
        host.fileNames = {dir.file(name), dir.file(name)};
        savePuzzle(p, window, host);
        EXPECT_EQ(readFile(dir.file(name)), puzzleFileText(p)) << name;
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

TEST(PuzzleFileSave, aSaveThroughALinkWritesItsTargetAndKeepsTheEarlierOwner) {
    TempDir dir;
    const std::string target = dir.file("real.lm"), link = dir.file("link.lm");
    writeFile(target, "earlier");
    fs::create_symlink("real.lm", link);
    // Another owner in the same group: the owner alone must be handed over.
    const uid_t owner = ::geteuid() == 0 ? 65534 : ::geteuid();
    if (::geteuid() == 0) ASSERT_EQ(::chown(target.c_str(), owner, ::getegid()), 0);
    ASSERT_TRUE(replaceFile(link, "x"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(target), "x");
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, owner);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"link.lm", "real.lm"}));
}

TEST(PuzzleFileSave, failedWriteLeavesTheEarlierFileExactlyAsItWas) {
    TempDir dir;
    const std::string target = dir.file("p.lm");
    writeFile(target, "earlier puzzle");
    Puzzle p;
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

