#include <gtest/gtest.h>

#include "config/Publisher.h"
#include "fakes/FakeHost.h"
#include "output/OutputFixtures.h"
#include "output/Page.h"
#include "model/Puzzle.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {
const std::string kCredit = std::string("<!--Created by Lettermaze v1.1 - download from ") +
                            publisher::kDownloadAddress + "-->";
const std::string kPlainCell = "<td width=21 align=center height=19>";
}  // namespace

TEST(CHex, writesRedGreenBlueAsSixUpperCaseDigits) {
    EXPECT_EQ(htmlColour(0), "000000");
    EXPECT_EQ(htmlColour(255), "FF0000");
    EXPECT_EQ(htmlColour(16711680), "0000FF");
    EXPECT_EQ(htmlColour(16744512), "4080FF");
    EXPECT_EQ(htmlColour(16777215), "FFFFFF");
    EXPECT_EQ(htmlColour(0x0A0B0C), "0C0B0A");
    const std::int32_t colour = 16744512;
    htmlColour(colour);
    EXPECT_EQ(colour, 16744512);
}

TEST(CHex, valuesOutsideTheColourRangeFollowTheArithmeticWithoutFailing) {
    // Blue is not reduced, so a fourth byte widens the blue pair.
    EXPECT_EQ(htmlColour(16777216), "0000100");
    EXPECT_EQ(htmlColour(0x7FFFFFFF),
              "FFFF7FF"
              "F");
    // A negative digit is written as its 16-bit two's complement.
    EXPECT_EQ(htmlColour(-1), "0FFFF0000");
    EXPECT_FALSE(htmlColour(INT32_MIN).empty());
}

TEST(WebPage, aSmallPageMatchesTheHandWrittenOneByteForByte) {
    Puzzle p = puzzleOf({"AB", "CD"}, {"CAT"}, {"DOG"});
    p.grid.setColourAt(0, 1, 255);
    const std::string expected =
        kCredit +
        "\r\n"
        "<html>\r\n"
        "<head>\r\n"
        "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>\r\n"
        "<meta name='generator' content='Lettermaze v1.1 from " +
        std::string(publisher::kSiteName) +
        "'>\r\n"
        "<title>Tiny</title>\r\n"
        "</head>\r\n"
        "<body>\r\n"
        "<font face=arial size=3>\r\n"
        "<table border=1 cellspacing=0 cellpadding=0 bordercolor=000000 height=38>\r\n"
        "<tr>\r\n"
        "<td width=21 align=center height=19><b>A</b></td>\r\n"
        "<td width=21 align=center bgcolor=FF0000 height=19><b>B</b></td>\r\n"
        "</tr>\r\n"
        "<tr>\r\n"
        "<td width=21 align=center height=19><b>C</b></td>\r\n"
        "<td width=21 align=center height=19><b>D</b></td>\r\n"
        "</tr>\r\n"
        "</table>\r\n"
        "</font><br>\r\n"
        "<table border=0 width=100% cellspacing=0 cellpadding=0><tr><td width=100%><font "
        "face=arial size=5 color=000000>\r\n"
        "Find these words</p></font>\r\n"
        "<font face=arial size=4 color=000000>\r\n"
        "<p>CAT<br>\r\n"
        "DOG<br>\r\n"
        "</td></tr></table>\r\n"
        "<p><font face=arial size=3 color=000000>Download <a href=" +
        std::string(publisher::kProductAddress) + " target=_blank>Lettermaze</a> from " +
        publisher::kSiteName +
        "</font></p>\r\n"
        "</body>\r\n"
        "</html>\r\n" +
        kCredit;
    EXPECT_EQ(buildPage(p, PageForm::Web, "Tiny", true), expected);
}

TEST(WebPage, tableHeightIsNineteenPerRowAndEachRowHasOneCellPerColumn) {
    Puzzle p = puzzleOf(std::vector<std::string>(20, std::string(7, 'Q')));
    const std::string html = buildPage(p, PageForm::Web, "T", false);
    EXPECT_NE(html.find("bordercolor=000000 height=380>\r\n"), std::string::npos);
    EXPECT_EQ(countOf(html, "<tr>\r\n"), 20);
    EXPECT_EQ(countOf(html, "</tr>\r\n"), 20);
    EXPECT_EQ(countOf(html, kPlainCell + "<b>Q</b></td>\r\n"), 140);
    // Every row: "<tr>", seven cells, "</tr>".
    const std::string row = "<tr>\r\n" + [] {
        std::string cells;
        for (int i = 0; i < 7; ++i) cells += kPlainCell + "<b>Q</b></td>\r\n";
        return cells;
    }() + "</tr>\r\n";
    EXPECT_EQ(countOf(html, row), 20);
}

TEST(WebPage, onlyColouredCellsGetABgcolorAndOnlyWhenHighlighting) {
    Puzzle p = puzzleOf({"ABC"}, {}, {"AB"});
    p.grid.setColourAt(0, 0, 16744512);
    p.grid.setColourAt(0, 1, 0);  // black is a colour like any other
    const std::string on = buildPage(p, PageForm::Web, "T", true);
    EXPECT_NE(on.find("<td width=21 align=center bgcolor=4080FF height=19><b>A</b>"),
              std::string::npos);
    EXPECT_NE(on.find("<td width=21 align=center bgcolor=000000 height=19><b>B</b>"),
              std::string::npos);
    EXPECT_NE(on.find(kPlainCell + "<b>C</b>"), std::string::npos);
    EXPECT_EQ(countOf(on, "bgcolor="), 2);
    const std::string off = buildPage(p, PageForm::Web, "T", false);
    EXPECT_EQ(countOf(off, "bgcolor="), 0);
}

TEST(WebPage, emptyWordListsLeaveTheParagraphMarkAlone) {
    const std::string html = buildPage(puzzleOf({"AB"}), PageForm::Web, "T", false);
    EXPECT_NE(html.find("size=4 color=000000>\r\n<p></td></tr></table>\r\n"), std::string::npos);
}

TEST(WebPage, wordsAreListedOnceHiddenFirstThenFoundUnmarked) {
    Puzzle p = puzzleOf({"AB"}, {"ZEBRA", "BEE"}, {"APE"});
    const std::string html = buildPage(p, PageForm::Web, "T", false);
    EXPECT_NE(html.find("<p>BEE<br>\r\nZEBRA<br>\r\nAPE<br>\r\n</td></tr></table>\r\n"),
              std::string::npos);
}

TEST(WebPage, titleLettersAndWordsGoInUnescaped) {
    Puzzle p = puzzleOf({"<&"}, {"A&B"});
    const std::string title = "  <b>\"Tom's\" & Jerry</b> ";
    const std::string html = buildPage(p, PageForm::Web, title, false);
    EXPECT_NE(html.find("<title>" + title + "</title>\r\n"), std::string::npos);
    EXPECT_NE(html.find("<b><</b></td>"), std::string::npos);
    EXPECT_NE(html.find("<p>A&B<br>"), std::string::npos);
}

TEST(ClipboardPage, isTheBodyContentBetweenTwoCreditsEndingWithoutALineBreak) {
    Puzzle p = puzzleOf({"AB"}, {"CAT"});
    const std::string web = buildPage(p, PageForm::Web, "Title", false);
    const std::string clip = buildPage(p, PageForm::Clipboard, "Title", false);
    const std::string bodyStart = "<body>\r\n";
    const std::string bodyEnd = "</body>\r\n</html>\r\n";
    const auto from = web.find(bodyStart) + bodyStart.size();
    const auto to = web.find(bodyEnd);
    EXPECT_EQ(clip, kCredit + "\r\n" + web.substr(from, to - from) + kCredit);
    EXPECT_EQ(clip.find("<title>"), std::string::npos);
    EXPECT_EQ(clip.find("<html>"), std::string::npos);
    EXPECT_TRUE(endsWith(clip, "-->"));
}

TEST(HighlightChoice, asksOnlyWhenAWordHasBeenFound) {
    FakeHost host;
    Puzzle none = puzzleOf({"AB"}, {"CAT"});
    EXPECT_FALSE(highlightChoice(none, host));
    EXPECT_TRUE(host.messages.empty());

    Puzzle some = puzzleOf({"AB"}, {}, {"CAT"});
    host.answers = {Answer::Yes, Answer::No};
    EXPECT_TRUE(highlightChoice(some, host));
    EXPECT_FALSE(highlightChoice(some, host));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Highlight words already found?");
    EXPECT_EQ(host.messages[0].caption, "Lettermaze");
    EXPECT_EQ(host.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::None);
}

TEST(PageFileName, anEarlierPageNameStaysAndAnythingElseBecomesTheTitle) {
    EXPECT_EQ(proposedPageName("", "My Puzzle"), "my_puzzle.htm");
    EXPECT_EQ(proposedPageName("/home/u/animals.lm", "Big  Cats"), "big__cats.htm");
    EXPECT_EQ(proposedPageName("old.htm", "My Puzzle"), "old.htm");
    EXPECT_EQ(proposedPageName("/x/OLD.HTM", "T"), "/x/OLD.HTM");
    EXPECT_EQ(proposedPageName("/x/page.html", "T"), "/x/page.html");
    // The title is windows-1252 text; the file name it proposes is UTF-8, as file names are.
    EXPECT_EQ(proposedPageName("", "\xC9T\xC9 \x8A"), "\xC3\xA9t\xC3\xA9_\xC5\xA1.htm");
    EXPECT_EQ(proposedPageName("/\xD0\xBA\xD0\xBE\xD1\x82.htm", "T"), "/\xD0\xBA\xD0\xBE\xD1\x82.htm");
}

TEST(WebPageCommand, anEmptyOrCancelledTitleEndsWithNoQuestionNoDialogAndNoFile) {
    WindowState window;
    ScratchFolder dir;
    Puzzle p = puzzleOf({"AB"}, {}, {"CAT"});
    FakeHost host;
    host.inputs = {""};
    host.fileNames = {dir.file("x.htm")};
    saveWebPage(p, window, host);
    ASSERT_EQ(host.inputBoxes.size(), 1u);
    EXPECT_EQ(host.inputBoxes[0].prompt, "Enter a title for your Web page");
    EXPECT_EQ(host.inputBoxes[0].caption, "Lettermaze");
    EXPECT_EQ(host.inputBoxes[0].defaultText, "Lettermaze");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_EQ(host.busyOn, 0);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.htm")));
}

TEST(WebPageCommand, writesThePageAndALineEndToTheChosenFileAndRemembersItsName) {
    WindowState window;
    ScratchFolder dir;
    Puzzle p = puzzleOf({"AB", "CD"}, {"CAT"}, {"DOG"});
    p.grid.setColourAt(1, 1, 255);
    window.dialogFileName = dir.file("animals.lm");
    FakeHost host;
    host.inputs = {"My Puzzle"};
    host.answers = {Answer::Yes};
    const std::string target = dir.file("chosen.htm");
    host.fileNames = {target};
    saveWebPage(p, window, host);

    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_TRUE(host.dialogs[0].save);
    EXPECT_EQ(host.dialogs[0].filter, "HTML web page|*.htm");
    EXPECT_EQ(host.dialogs[0].fileName, "my_puzzle.htm");
    EXPECT_EQ(window.dialogFileName, target);
    EXPECT_EQ(readBytes(target), buildPage(p, PageForm::Web, "My Puzzle", true) + "\r\n");
    EXPECT_TRUE(endsWith(readBytes(target), "-->\r\n"));
    EXPECT_TRUE(p.shown);
    EXPECT_FALSE(host.busy);
    EXPECT_EQ(host.busyOn, 1);

    // The next page proposes the same file again and overwrites it.
    host.inputs = {"Other"};
    host.fileNames = {target};
    saveWebPage(p, window, host);
    EXPECT_EQ(host.dialogs[1].fileName, target);
    EXPECT_EQ(readBytes(target), buildPage(p, PageForm::Web, "Other", false) + "\r\n");
}

TEST(WebPageCommand, aCancelledDialogWritesNothingAndAFailedWriteIsQuiet) {
    WindowState window;
    ScratchFolder dir;
    Puzzle p = puzzleOf({"AB"}, {"CAT"});
    FakeHost host;
    host.inputs = {"Title", "Title"};
    host.fileNames = {"", dir.file("no/such/folder/page.htm")};
    saveWebPage(p, window, host);
    EXPECT_EQ(window.dialogFileName, "title.htm");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    saveWebPage(p, window, host);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(host.busy);
}

TEST(HtmlCopy, putsTheClipboardFormOnTheClipboardWithoutAskingForATitle) {
    Puzzle p = puzzleOf({"AB"}, {"CAT"}, {"DOG"});
    p.grid.setColourAt(0, 0, 65280);
    FakeHost host;
    host.answers = {Answer::Yes};
    copyPageHtml(p, host);
    EXPECT_TRUE(host.inputBoxes.empty());
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.clipboard, buildPage(p, PageForm::Clipboard, "", true));
    EXPECT_NE(host.clipboard.find("bgcolor=00FF00"), std::string::npos);
    EXPECT_TRUE(endsWith(host.clipboard, "-->"));
    EXPECT_TRUE(p.shown);
    EXPECT_FALSE(host.busy);
}
