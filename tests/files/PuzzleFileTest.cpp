// Puzzle files: what a load makes of every section and what a failed one leaves, the bytes a
// save writes, the Save and Open commands, and the safe replace every save goes through.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "fakes/Builders.h"
#include "files/FileReplace.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleLoader.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

// The puzzle in one line: rows of letters ('.' for an empty cell), colours (w for white),
// hidden words, found words and records, each section after a '|'.
std::string summary(const Puzzle& p) {
    std::ostringstream s, colours;
    for (int r = 0; r < p.grid.rowCount(); ++r, s << "/")
        for (int c = 0; c < p.grid.columnCount(); ++c) {
            s << (p.grid.letterAt(r, c).empty() ? "." : p.grid.letterAt(r, c));
            const std::int32_t v = p.grid.colourAt(r, c);
            (v == kWhite ? colours << "w" : colours << v) << ",";
        }
    s << "|" << colours.str();
    for (const auto* list : {&p.hiddenWords, &p.foundWords})
        for (s << "|"; const auto& w : list->items()) s << w << ",";
    for (s << "|"; const PlacementRecord& r : p.placements) {
        s << r.word.value_or("-");
        for (const auto* v : {&r.x1, &r.y1, &r.x2, &r.y2}) (*v ? s << " " << **v : s << " -");
        s << ";";
    }
    return s.str();
}

const std::string kSample = summary(samplePuzzle());
const std::string kRecords = kSample.substr(kSample.find("|CAT") + 1);
const std::string k2x3File = " 2 / 3 /ABC/DEF/ 1 / 2 / 3 / 4 / 5 / 6 /";  // then the words
const std::string k2x3 = "ABC/DEF/|1,2,3,4,5,6,|";

}  // namespace

// What a file makes of the sample puzzle it is loaded over: sections are replaced in order and
// nothing is rolled back, so a failure keeps what was read before it, with the grid hidden and
// a reason that names the line and the section. Counts must be 1 to the limit (here 3); a
// colour that starts with an upper-case W or Y and has three characters or more is a colour
// name of the first version, which gets the old-format message.
TEST(loadPuzzle, eachSectionReplacesItsPartAndAFailureKeepsWhatWasRead) {
    const std::string row = "line 1: the row count must be 1 to 3", old = kOldFormatMessage,
                      ab7 = "AB/|7,w,|" + kRecords;
    // clang-format off
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {k2x3File + "BE/AD/E/CF/E/AD/1/1/1/2/BE/2/1/2/2/E/", "",
         k2x3 + "AD,BE,|CF,|AD 1 1 1 2;BE 2 1 2 2;"},
        // Sizes round half to even; short letter lines leave cells empty, long ones are cut;
        // colours are numbers rounded to whole ones, and short or lower-case words are black.
        {" 2.5 /3/A/ DEFGH / 16777215 /-5 /&HFF/2.5/Wx/white/E/E/", "",
         "A../DEF/|w,-5,255,2,0,0,|||" + kSample.substr(kSample.rfind('|') + 1)},
        // Words are trimmed and sorted, empty lines skipped; records keep fractions.
        {k2x3File + "/  ZEBRA  /apple/APPLE/   /E//MOLE/E/  AD  / 2.5 /-1/1E2/x/E/", "",
         k2x3 + "apple,APPLE,ZEBRA,|MOLE,|AD 2.5 -1 100 0;- - - - -;"},
        // An empty record reads as an empty word and zeros; E among the records ends them after
        // the next is made; only as many records as words are read.
        {k2x3File + "AD/BE/CF/E/E//////E/XX/9/9/9/9/", "", k2x3 + "AD,BE,CF,|| 0 0 0 0;- - - - -;"},
        {k2x3File + "AD/E/E/AD/1/1/1/2/XX/9/9/9/9/E/", "", k2x3 + "AD,||AD 1 1 1 2;"},
        // A lone E in the hidden section ends it early; a record read over an earlier one keeps
        // what the file did not replace.
        {k2x3File + "BE/E/CF/E/AD/E/BE/2/1/2/2/E/", "", k2x3 + "BE,|CF,|AD 1 1 3 1;"},
        // Fields end at a comma or a line end (CR LF, lone LF or lone CR); a quoted field keeps
        // its commas and line ends (each still counted) and drops the rest of its field.
        {" 1 , 1 /\",A\nB\rC/\" x\n1\rE", "line 7: the file ends in the found words", ",/|1,|||"},
        {k2x3File + "ZED/", "line 12: the file ends in the hidden words", k2x3 + "ZED,||"},
        {"1/2/AB/7/2147483648/E/E/", "line 5: the colour \"2147483648\" is out of range", ab7},
        {" 1 / 2 /AB/ 7 /  Wxy/E/E/", old, ab7}, {" 1 / 2 /AB/ 7 /Yes/E/E/", old, ab7},
        {" 2 / 2 /QR/", "line 4: the file ends in the letters",
         "QR/DO/|w,w,8454143,8454143,|" + kRecords},
        {" 3 / 4 /", "line 2: the column count must be 1 to 3", "CATX/DOGY/OWL\xC9/|"},
        // A bad row count stops the load before anything is replaced.
        {"3E9/", row, kSample}, {"X/", row, kSample}, {"0.4/", row, kSample}, {"4/", row, kSample},
    };
    // clang-format on
    for (const auto& [file, why, expected] : cases)
        for (const bool was : {false, true}) {  // in play before the load
            SCOPED_TRACE(file);
            Puzzle p = samplePuzzle();
            p.inPlay = was;
            FakeHost host;
            const LoadResult r = loadPuzzle(p, host, lines(file), LoadLimits{3});
            const bool loaded = why.empty();
            EXPECT_EQ(r.reason.substr(0, why.size()), why);
            EXPECT_EQ(summary(p).substr(0, expected.size()), expected);  // the rest is kept
            // Shown when loaded, and in play when it has hidden words; else as it was.
            EXPECT_EQ(std::tuple(r.loaded(), p.shown, p.inPlay),
                      std::tuple(loaded, loaded, loaded ? p.hiddenWords.count() > 0 : was));
            // The old format alone gets a message.
            EXPECT_EQ(host.log.at(1), why == old ? "message " + old + "|Lettermaze" : "idle");
        }
}

// Every section in order, CR LF after each line; a number has a space (or its minus sign)
// before it and a space after it, up to fifteen digits and no zero before the point.
TEST(puzzleFileText, writesEverySectionInOrderWithNumbersInTheirOldForm) {
    Puzzle p = gridPuzzle({"AB", "C\xC9"}, {"OWL", "CAT"}, {"DOG"});
    p.grid.setColourAt(0, 1, 0);
    p.grid.setColourAt(1, 0, -2147483647 - 1);
    p.placements = {{"CAT", 2.5, -0.25, -0.0, -7.0},
                    {"DOG", 1e20, 123456789012.0, 0.123456789012345678, std::nullopt},
                    {}};
    EXPECT_EQ(puzzleFileText(p),
              lines(" 2 / 2 /AB/C\xC9/ 16777215 / 0 /-2147483648 / 16777215 /CAT/OWL/E/DOG/E/CAT/"
                    " 2.5 /-.25 / 0 /-7 /DOG/ 1E+20 / 123456789012 / .123456789012346 ///////E/"));
}

// Save asks where, offering the last name, and writes the puzzle's file; Open reads it back
// whole. A cancelled dialog changes nothing but the name kept for the next one.
TEST(savePuzzle, saveThenOpenRestoresEverythingAndACancelChangesNothing) {
    WindowState window;
    TempDir dir;
    Puzzle saved = samplePuzzle(), opened;
    FakeHost host;
    window.dialogFileName = "old.lm";
    const std::string dialog = " Lettermaze|*.lm|", file = dir.file("round.lm");
    host.fileNames = {"", file, file};
    savePuzzle(saved, window, host);
    savePuzzle(saved, window, host);
    EXPECT_EQ(readFile(file), puzzleFileText(saved));
    openPuzzle(opened, window, host);
    openPuzzle(opened, window, host);  // cancelled
    EXPECT_EQ(host.log, (Words{"save" + dialog + "old.lm", "save" + dialog, "busy", "idle",
                               "open" + dialog + file, "busy", "idle", "idle",
                               "open" + dialog + file, "idle"}));
    // The records stop at the number of words, before the unplaced word's.
    EXPECT_EQ(summary(opened) + "- - - - -;", summary(saved));
    EXPECT_TRUE(saved.shown && opened.shown && opened.inPlay);
}

// A save replaces the earlier file whole, with a new file renamed over it that takes its
// permissions, owner and group; through a link it writes the link's target. A write that fails
// part-way, as on a full disk, leaves the earlier file as it was. No temporary file is left.
TEST(replaceFile, replacesTheEarlierFileWholeKeepingItsRightsOrLeavesItAsItWas) {
    const uid_t me = ::geteuid(), other = me == 0 ? 65534 : me;  // root can give files away
    const gid_t g = ::getegid();
    // clang-format off
    for (const auto& [link, owner, group, limit] :
         {std::tuple<bool, uid_t, gid_t, rlim_t>{false, me, g, 0}, {true, other, g, 0},
          {false, me, other == me ? g : other, 0}, {false, me, g, 4096}}) {
        // clang-format on
        TempDir dir;
        const std::string target = dir.file("real.lm"), earlier(100000, 'x'), bytes(20000, 'n');
        writeFile(target, earlier);
        ASSERT_EQ(::chmod(target.c_str(), 0604) + ::chown(target.c_str(), owner, group), 0);
        if (link) std::filesystem::create_symlink("real.lm", dir.file("link.lm"));
        struct stat before = {}, after = {};
        ::stat(target.c_str(), &before);
        FileSizeLimit full(limit ? limit : RLIM_INFINITY);  // nothing below writes a file
        EXPECT_EQ(replaceFile(dir.file(link ? "link.lm" : "real.lm"), bytes), !limit);
        ::stat(target.c_str(), &after);
        // A new inode: replaced, not rewritten in place.
        EXPECT_EQ(std::tuple(readFile(target), after.st_ino != before.st_ino, after.st_mode & 07777,
                             after.st_uid, after.st_gid),
                  std::tuple(limit ? earlier : bytes, !limit, 0604u, owner, group));
        EXPECT_EQ(dir.names(), (link ? Words{"link.lm", "real.lm"} : Words{"real.lm"}));
    }
}
