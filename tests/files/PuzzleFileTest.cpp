// Reading puzzle files: the field reader, every section of a load, what a failed load leaves,
// and the Open command.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "fakes/Builders.h"
#include "files/PuzzleFile.h"
#include "files/PuzzleLoader.h"
#include "model/Text1252.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

// The puzzle in one line: rows of letters ('.' for an empty cell), colours (w for white),
// hidden words, found words and records, each section after a '|'.
std::string summary(const Puzzle& p) {
    std::string s, colours;
    for (int r = 0; r < p.grid.rowCount(); ++r) {
        for (int c = 0; c < p.grid.columnCount(); ++c) {
            s += p.grid.letterAt(r, c).empty() ? "." : p.grid.letterAt(r, c);
            const std::int32_t v = p.grid.colourAt(r, c);
            colours += (v == kWhite ? "w" : std::to_string(v)) + ",";
        }
        s += "/";
    }
    s += "|" + colours + "|";
    for (const auto& w : p.hiddenWords.items()) s += w + ",";
    s += "|";
    for (const auto& w : p.foundWords.items()) s += w + ",";
    s += "|";
    for (const PlacementRecord& r : p.placements) {
        s += r.word.value_or("-");
        for (const auto* v : {&r.x1, &r.y1, &r.x2, &r.y2}) {
            std::ostringstream n;
            if (*v) n << **v;
            s += " " + (*v ? n.str() : "-");
        }
        s += ";";
    }
    return s;
}

// A 2 x 3 file: letters, six colours, then whatever sections follow.
std::string file2x3(const Words& rest) {
    Words lines = {" 2 ", " 3 ", "ABC", "DEF", " 1 ", " 2 ", " 3 ", " 4 ", " 5 ", " 6 "};
    lines.insert(lines.end(), rest.begin(), rest.end());
    return crlf(lines);
}

const std::string kSample = summary(samplePuzzle());
constexpr const char* k2x3 = "ABC/DEF/|1,2,3,4,5,6,|";

}  // namespace

// What a file makes of the sample puzzle it is loaded over: sections are replaced in order and
// nothing is rolled back, so a failure keeps what was read before it, with the grid hidden and
// a reason that names the section. Counts must be 1 to the limit (here tightened to 3); a
// colour that starts with an upper-case W or Y and has three characters or more is a colour
// name of the first version, which gets the old-format message.
TEST(PuzzleFileLoad, eachSectionReplacesItsPartAndAFailureKeepsWhatWasRead) {
    const std::string records = kSample.substr(kSample.find("|CAT") + 1);
    const struct {
        std::string file, why, expected;
    } cases[] = {
        {file2x3({"BE", "AD", "E", "CF", "E", "AD", "1", "1", "1", "2", "BE", "2", "1", "2", "2", "E"}), "",
         std::string(k2x3) + "AD,BE,|CF,|AD 1 1 1 2;BE 2 1 2 2;"},
        // Sizes round half to even; short letter lines leave cells empty, long ones are cut;
        // colours are numbers rounded to whole ones, and short or lower-case words are black.
        {crlf({" 2.5 ", "3", "A", " DEFGH ", " 16777215 ", "-5 ", "&HFF", "2.5", "Wx", "white", "E", "E"}), "",
         "A../DEF/|w,-5,255,2,0,0,|||" + kSample.substr(kSample.rfind('|') + 1)},
        // Words are trimmed and sorted, empty lines skipped; records keep fractions.
        {file2x3({"", "  ZEBRA  ", "apple", "APPLE", "   ", "E", "", "MOLE", "E", "  AD  ", " 2.5 ", "-1", "1E2", "x", "E"}),
         "", std::string(k2x3) + "apple,APPLE,ZEBRA,|MOLE,|AD 2.5 -1 100 0;- - - - -;"},
        // An empty record reads as an empty word and zeros; E among the records ends them after
        // the next is made; only as many records as words are read.
        {file2x3({"AD", "BE", "CF", "E", "E", "", "", "", "", "", "E", "XX", "9", "9", "9", "9"}), "",
         std::string(k2x3) + "AD,BE,CF,|| 0 0 0 0;- - - - -;"},
        {file2x3({"AD", "E", "E", "AD", "1", "1", "1", "2", "XX", "9", "9", "9", "9", "E"}), "",
         std::string(k2x3) + "AD,||AD 1 1 1 2;"},
        // A lone E in the hidden section ends it early; a record read over an earlier one keeps
        // what the file did not replace.
        {file2x3({"BE", "E", "CF", "E", "AD", "E", "BE", "2", "1", "2", "2", "E"}), "",
         std::string(k2x3) + "BE,|CF,|AD 1 1 3 1;"},
        {crlf({"3", "3", "ABC", "D", "", "1", "1", "1", "1", "1", "1", "1", "1", "1", "E", "E"}), "", "ABC/D../.../"},
        // Fields end at a comma or a line end (CR LF, lone LF or lone CR); a quoted field keeps
        // its commas and drops the rest of its field.
        {" 1 , 2 \r\n\"A,\" x\n1,\"2\"\rE,E\r\n", "", "A,/|1,2,|||"},
        {file2x3({"AD", "BE", "E", "E", "AD", " 1 ", " 1 ", " 1 ", " 2 "}), "records",
         std::string(k2x3) + "AD,BE,||AD 1 1 1 2;- - - - -;"},
        {file2x3({"ZED", "AD", "E", "CF"}), "found words", std::string(k2x3) + "AD,ZED,|CF,|" + records.substr(records.find("CAT 1"))},
        {file2x3({"ZED"}), "hidden words", std::string(k2x3) + "ZED,||"},
        {crlf({" 1 ", " 2 ", "AB", " 7 ", " 2147483648 ", "E", "E"}), "colour", "AB/|7,w,|" + records},
        {crlf({" 1 ", " 2 ", "AB", " 7 ", "  Wxy", "E", "E"}), kOldFormatMessage, "AB/|7,w,|" + records},
        {crlf({" 1 ", " 2 ", "AB", " 7 ", "Yes", "E", "E"}), kOldFormatMessage, "AB/|7,w,|" + records},
        {crlf({" 2 ", " 2 ", "QR"}), "letters", "QR/DO/|w,w,8454143,8454143,|" + records},
        {crlf({" 3 ", " 4 "}), "column count", "CATX/DOGY/OWL\xC9/|"},
        {crlf({" 3 ", " 0 "}), "column count", "CATX/DOGY/OWL\xC9/|"},
        {crlf({" 2 ", " 1 ", "A"}), "letters", "A/D/|"},
        {crlf({" 2 ", " 1 ", "A", "B", "1"}), "colours", "A/B/|1,8454143,|"},
    };
    for (const std::string count : {" 0 ", "-3", "", "X", "0.4", "1E300", "4"}) {
        for (bool active : {true, false}) {
            Puzzle p = samplePuzzle();
            p.inPlay = active;
            FakeHost host;
            const LoadResult r = loadPuzzle(p, host, count + "\r\n 3 \r\n", LoadLimits{3});
            EXPECT_NE(r.reason.find("row count must be 1 to 3"), std::string::npos) << count << r.reason;
            EXPECT_EQ(summary(p), kSample);
            EXPECT_EQ(p.inPlay, active);
        }
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Puzzle p = samplePuzzle();
        p.shown = false;
        FakeHost host;
        const LoadResult r = loadPuzzle(p, host, c.file, LoadLimits{3});
        EXPECT_EQ(r.loaded(), c.why.empty()) << r.reason;
        EXPECT_NE(r.reason.find(c.why), std::string::npos) << r.reason;
        EXPECT_EQ(summary(p).substr(0, c.expected.size()), c.expected);  // a prefix: the rest is kept
        EXPECT_EQ(p.shown, c.why.empty());
        EXPECT_EQ(host.busyOn * 10 + host.busyOff + host.busy, 11);
        EXPECT_EQ(host.messages.size(), c.why == kOldFormatMessage);
        if (host.messages.size()) { EXPECT_EQ(host.messages[0].text + host.messages[0].caption, c.why + "Lettermaze"); }
    }
}

TEST(PuzzleFileRoundTrip, saveThenOpenRestoresEverythingAndSavingAgainWritesTheSameBytes) {
    WindowState window;
    TempDir dir;
    Puzzle saved = samplePuzzle();
    // The unplaced word's record comes before the last listed word's: it is read back as an
    // empty word and zeros, and the records stop at the number of words.
    saved.placements = {saved.placements[0], PlacementRecord{}, saved.placements[1], saved.placements[2]};
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
    saved.placements = {saved.placements[0], PlacementRecord{std::string(), 0.0, 0.0, 0.0, 0.0},
                        saved.placements[2]};
    EXPECT_EQ(summary(opened), summary(saved));
    EXPECT_TRUE(opened.shown && opened.inPlay && !host.busy);
    ASSERT_TRUE(savePuzzleFile(opened, dir.file("again.lm")));
    EXPECT_EQ(readFile(dir.file("again.lm")), puzzleFileText(saved));
}

// Open ignores names of fewer than four characters once trimmed of spaces; a missing file, a
// folder or a cancelled dialog fail quietly; a name is the file system's bytes.
TEST(PuzzleFileOpen, shortNamesAreIgnoredAndFailuresAreQuiet) {
    WindowState window;
    TempDir dir;
    Puzzle five = samplePuzzle();
    five.grid.setRowCount(5);
    for (const char* name : {"p.l", "ab", "x", "p.lm", "noext", "caf\xC3\xA9\xE2\x82\xAC.lm"})
        writeFile(dir.file(name), puzzleFileText(five));
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    const std::pair<std::string, int> cases[] = {
        {"p.l", -1}, {"  p.l  ", -1}, {" x ", -1}, {"", -1}, {" p.lm ", 5}, {"noext", 5},
        {dir.file("caf\xC3\xA9\xE2\x82\xAC.lm"), 5}, {dir.file("missing.lm"), 0}, {dir.path(), 0}};
    for (const auto& [name, rows] : cases) {
        Puzzle p = samplePuzzle();
        const auto revision = p.grid.revision();
        FakeHost host;
        openPuzzleFile(p, window, host, name);
        EXPECT_EQ(p.grid.rowCount(), rows == 5 ? 5 : 3) << name;
        EXPECT_EQ(p.shown, rows != 0) << name;
        EXPECT_EQ(host.busyOn, rows < 0 ? 0 : 1) << name;
        EXPECT_EQ(p.grid.revision() > revision, rows == 5) << name;
        EXPECT_FALSE(host.busy);
        EXPECT_TRUE(host.messages.empty());
    }
    std::filesystem::current_path(cwd);
    Puzzle p = samplePuzzle();
    window.dialogFileName = "last.lm";
    FakeHost host;
    openPuzzle(p, window, host);  // cancelled
    EXPECT_EQ(window.dialogFileName, "");
    EXPECT_TRUE(p.shown);
    EXPECT_EQ(host.busyOn * 10 + host.busyOff, 1);
}
