// The puzzle as a web page, a clipboard copy, a print page and plain text.
#include <gtest/gtest.h>

#include <regex>

#include "config/Publisher.h"
#include "fakes/Builders.h"
#include "output/Page.h"
#include "output/Print.h"
#include "output/TextCopies.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

const std::string kCredit = std::string("<!--Created by Lettermaze v1.1 - download from ") +
                            publisher::kDownloadAddress + "-->";

// The print dialog's choices: 0 prints the grid and the words, 1 the grid, 2 the words; the font
// has a space, so the page must quote it.
PrintSettings choices(int what) {
    return {false, static_cast<std::int16_t>(what), "<b>Tom's</b>", "a b"};
}

// A 2 x 2 puzzle of A B C & (letters go into pages unescaped) with CAT hidden, DOG found and the
// cell B coloured red, in its window; the scripted desktop, and the first word of each request
// made, marked when the grid was hidden or Printing on at that moment.
struct Desk {
    Puzzle p = gridPuzzle({"AB", "C&"}, {"CAT"}, {"DOG"});
    WindowState window;
    FakeHost host;
    std::string requests;
    Desk() {
        host.answers = {Answer::Yes};  // to the highlight question
        p.grid.setColourAt(0, 1, 255);
        host.watch = [this](const std::string& what) {
            requests += what + (p.shown ? "" : "(hidden)") + (window.printing ? "+ " : " ");
        };
    }
};

}  // namespace

TEST(htmlColour, writesRedGreenBlueAsUpperCaseHexAndOutOfRangeValuesByTheSameArithmetic) {
    const std::pair<std::int32_t, std::string> cases[] = {
        {0, "000000"},        {255, "FF0000"},       {16711680, "0000FF"},     {16744512, "4080FF"},
        {0x0A0B0C, "0C0B0A"}, {16777216, "0000100"}, {0x7FFFFFFF, "FFFF7FFF"}, {-1, "0FFFF0000"}};
    for (const auto& [colour, hex] : cases) EXPECT_EQ(htmlColour(colour), hex) << colour;
}

// The web page byte for byte: credit, head, the grid table (a found cell coloured when
// highlighting), the words hidden then found, the download line, credit. Title, letters and
// words go in unescaped. The clipboard form is the body's content between the two credits; the
// print page is the web page in the chosen font without the download line, with the grid
// (choices 0 and 1) and the word list (0 and 2).
TEST(buildPage, matchesTheHandWrittenPagesInEveryForm) {
    const Puzzle p = Desk().p;
    const std::string site = publisher::kSiteName, cell = "<td width=21 align=center height=19><b>";
    // clang-format off
    const std::string head = kCredit + "\n<html>\n<head>\n"
        "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>\n"
        "<meta name='generator' content='Lettermaze v1.1 from " + site + "'>\n"
        "<title><b>Tom's</b></title>\n</head>\n<body>\n";
    const std::string grid = "<font face=arial size=3>\n"
        "<table border=1 cellspacing=0 cellpadding=0 bordercolor=000000 height=38>\n<tr>\n" +
        cell + "A</b></td>\n<td width=21 align=center bgcolor=FF0000 height=19><b>B</b></td>\n"
        "</tr>\n<tr>\n" + cell + "C</b></td>\n" + cell + "&</b></td>\n</tr>\n</table>\n</font>";
    const std::string words = "<table border=0 width=100% cellspacing=0 cellpadding=0><tr>"
        "<td width=100%><font face=arial size=5 color=000000>\nFind these words</p></font>\n"
        "<font face=arial size=4 color=000000>\n<p>CAT<br>\nDOG<br>\n</td></tr></table>\n";
    const std::string body = grid + "<br>\n" + words +
        "<p><font face=arial size=3 color=000000>Download <a href=" + publisher::kProductAddress +
        " target=_blank>Lettermaze</a> from " + site + "</font></p>\n";
    // clang-format on
    const std::string end = "</body>\n</html>\n" + kCredit;
    // Every line end a CR LF, as the pages are written.
    const auto crlf = [](auto s) { return std::regex_replace(s, std::regex("\n"), "\r\n"); };
    EXPECT_EQ(buildPage(p, PageForm::Web, "<b>Tom's</b>", true), crlf(head + body + end));
    EXPECT_EQ(buildPage(p, PageForm::Clipboard, "T", true), crlf(kCredit + "\n" + body + kCredit));
    EXPECT_EQ(buildPage(p, PageForm::Web, "T", false).find("bgcolor"), std::string::npos);
    // The print page's font is the chosen one, quoted.
    const auto ab = [](auto s) { return std::regex_replace(s, std::regex("=arial"), "='a b'"); };
    EXPECT_EQ(buildPrintPage(p, choices(0), true), crlf(head + ab(grid + "<br>\n" + words) + end));
    EXPECT_EQ(buildPrintPage(p, choices(1), true), crlf(head + ab(grid) + end));
    EXPECT_EQ(buildPrintPage(p, choices(2), false), crlf(head + ab(words) + end));
}

// Highlighting is asked only when a word has been found; the title box, the save dialog
// proposing an earlier page name or the title in lower case with _ for spaces, the file with a
// line end after the page, and quiet ends on an empty title, a cancel or a failed write.
TEST(saveWebPage, asksTheTitleAndWhereToSaveThenWritesThePage) {
    Desk d;
    TempDir dir;
    d.window.dialogFileName = dir.file("animals.lm");
    d.host.inputs = {"", "My Puzzle", "Other", "Title"};
    d.host.fileNames = {dir.file("chosen.htm"), "", dir.file("no/such/page.htm")};
    for (int i = 0; i < 4; ++i) saveWebPage(d.p, d.window, d.host);
    const std::string title = "input Enter a title for your Web page|Lettermaze|Lettermaze";
    const std::string ask = "ask Highlight words already found?|Lettermaze";
    const std::string save = "save HTML web page|*.htm|", chosen = save + dir.file("chosen.htm");
    // An earlier page name stays, even when the dialog was cancelled.
    EXPECT_EQ(d.host.log, (Words{title, title, ask, "busy", save + "my_puzzle.htm", "idle", title,
                                 ask, "busy", chosen, "idle", title, ask, "busy", chosen, "idle"}));
    EXPECT_EQ(readFile(dir.file("chosen.htm")),
              buildPage(d.p, PageForm::Web, "My Puzzle", true) + "\r\n");
    EXPECT_EQ(dir.names(), Words{"chosen.htm"});
    // The title is windows-1252 text; the file name it proposes is UTF-8, as file names are.
    const std::string cat = "/\xD0\xBA\xD0\xBE\xD1\x82.htm";  // "/кот.htm"
    EXPECT_EQ(proposedPageName("", "\xC9T\xC9 \x8A\x8C\x8E\x9F") +
                  proposedPageName("/x/OLD.HTM", "T") + proposedPageName(cat, "T"),
              "\xC3\xA9t\xC3\xA9_\xC5\xA1\xC5\x93\xC5\xBE\xC3\xBF.htm/x/OLD.HTM" + cat);
}

TEST(PrintDialogRules, theFirstArialFontIsOfferedAndPrintTrimsTheTitleAndLowerCasesTheFont) {
    EXPECT_EQ(defaultPrintFont({"DejaVu Sans", "Arial Narrow", "Arial"}), "Arial Narrow");
    EXPECT_EQ(defaultPrintFont({"Liberation Serif", "aRiAl"}) + defaultPrintFont({}), "aRiAl");
    EXPECT_EQ(defaultPrintFont({"Noto Sans", "DejaVu"}) + arialFont({"Noto Sans"}), "Noto Sans");
    // Without an Arial, the desktop's stand-in for Arial, found whatever its case.
    EXPECT_EQ(defaultPrintFont({"DejaVu Math", "Liberation Sans"}, "liberation sans"),
              "Liberation Sans");
    EXPECT_EQ(defaultPrintFont({"Noto Sans", "Arial Black"}, "Liberation Sans"), "Arial Black");
    PrintSettings s{true, 0, "", ""};
    acceptPrintChoices(s, "  \tMy Puzzle  ", 2, " \xC9l\xE9gante \x8A ");
    EXPECT_EQ(std::to_string(s.cancelled) + s.title + "|" + std::to_string(s.what) + "|" + s.font,
              "0\tMy Puzzle|2|\xE9l\xE9gante \x9A");
}

// Print shows the dialog, asks about highlighting only when the grid is printed, writes the
// print page beside the program (or in the cache folder when that is not writable) and hands it
// to the desktop with Printing on; any failure, a cancel or no grid on show ends quietly with
// Printing off.
TEST(printPuzzle, writesThePrintPageWhereItCanAndOpensIt) {
    TempDir dir;
    // A folder named "кот 🖨".
    const std::string nonLatin = dir.file("\xD0\xBA\xD0\xBE\xD1\x82 \xF0\x9F\x96\xA8");
    std::filesystem::create_directory(nonLatin);
    const std::string page = "/print_lettermaze.htm", missing = dir.file("missing");
    const std::string asked = "print ask+ busy+ events+ show+ idle+ idle ";
    const struct {
        std::string folder;
        int what;  // -1: the dialog is cancelled
        std::string path, requests;
        std::optional<std::string> cache = std::nullopt;
        bool shown = true;
    } cases[] = {
        // clang-format off
        {dir.path(), 0, dir.path() + page, asked}, {nonLatin, 1, nonLatin + page, asked},
        {dir.path(), 2, dir.path() + page, "print busy+ events+ show+ idle+ idle "},
        {missing, 1, dir.file("cache/lettermaze") + page, asked, dir.file("cache")},
        {missing, 1, dir.file(".cache/lettermaze") + page, asked},
        {missing, 1, dir.file(".cache/lettermaze") + page, asked, "relative"},
        {missing, 1, "", "print ask+ busy+ idle ", "/dev/null"},  // the cache is not a folder
        {dir.path(), -1, "", "print "}, {dir.path(), 0, "", "idle(hidden) ", std::nullopt, false}};
    // clang-format on
    for (const auto& c : cases) {
        EnvVar cache("XDG_CACHE_HOME", c.cache), home("HOME", dir.path());
        Desk d;
        d.p.shown = c.shown;
        d.host.folder = c.folder;
        if (c.what >= 0) d.host.printChoices = {choices(c.what)};
        printPuzzle(d.p, d.window, d.host);
        EXPECT_EQ(d.requests, c.requests) << c.path;
        EXPECT_EQ(d.host.count("show " + c.path), c.path.empty() ? 0 : 1) << c.path;
        EXPECT_EQ(readFile(c.path),  // nothing to read where no page is written
                  c.path.empty() ? "" : buildPrintPage(d.p, choices(c.what), c.what != 2) + "\r\n");
    }
}

// Copy lettermaze: a TAB between cells, a lone CR between rows, copied with the grid hidden;
// Copy hidden words: hidden then found, each with CR LF; Copy original words: the box as it is;
// Copy HTML: the clipboard page, asking about highlighting only when a word has been found.
TEST(Copies, copyTheGridTheWordsTheWordBoxAndThePage) {
    Desk d;
    d.window.wordText = "CAT\r\n\r\nEMU";
    const auto copy = [&](auto command, auto& from) {
        command(from, d.host);
        return d.host.clipboard;
    };
    const Words copies = {copy(copyGridText, d.p), copy(copyHiddenWords, d.p),
                          copy(copyOriginalWords, d.window)};
    d.p.foundWords.clear();
    EXPECT_EQ(copy(copyPageHtml, d.p), buildPage(d.p, PageForm::Clipboard, "", false));
    EXPECT_EQ(copies, (Words{"A\tB\rC\t&", "CAT\r\nDOG\r\n", d.window.wordText}));
    EXPECT_EQ(d.requests + std::to_string(d.p.shown), "copy(hidden) copy copy busy copy idle 1");
}
