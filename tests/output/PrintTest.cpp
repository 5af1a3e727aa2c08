#include <gtest/gtest.h>

#include <cstdlib>

#include "config/Publisher.h"
#include "fakes/FakeHost.h"
#include "output/OutputFixtures.h"
#include "output/Page.h"
#include "output/Print.h"
#include "model/Puzzle.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

const std::string kCredit = std::string("<!--Created by Lettermaze v1.1 - download from ") +
                            publisher::kDownloadAddress + "-->";

PrintSettings choices(int what, const std::string& title = "Lettermaze",
                      const std::string& font = "arial") {
    PrintSettings s;
    s.cancelled = false;
    s.what = static_cast<std::int16_t>(what);
    s.title = title;
    s.font = font;
    return s;
}

// Records the state of the puzzle when the page is handed to the desktop.
struct WatchingHost : FakeHost {
    const WindowState* window = nullptr;
    bool printingWhenOpened = false;
    int eventsBeforeOpen = -1;
    bool openWithDesktop(const std::string& path) override {
        printingWhenOpened = window->printing;
        eventsBeforeOpen = processEventsCalls;
        return FakeHost::openWithDesktop(path);
    }
};

// Points XDG_CACHE_HOME somewhere for one test and puts it back afterwards.
class CacheHome {
  public:
    explicit CacheHome(const std::string& value) {
        if (const char* old = std::getenv("XDG_CACHE_HOME")) old_ = old, had_ = true;
        setenv("XDG_CACHE_HOME", value.c_str(), 1);
    }
    ~CacheHome() {
        if (had_)
            setenv("XDG_CACHE_HOME", old_.c_str(), 1);
        else
            unsetenv("XDG_CACHE_HOME");
    }

  private:
    std::string old_;
    bool had_ = false;
};

Puzzle smallPuzzle() {
    Puzzle p = puzzleOf({"AB", "CD"}, {"CAT"}, {"DOG"});
    p.grid.setColourAt(1, 0, 255);
    return p;
}

}  // namespace

TEST(PrintPage, puzzleAndWordsMatchTheHandWrittenPage) {
    const Puzzle p = smallPuzzle();
    const std::string expected =
        kCredit +
        "\r\n"
        "<html>\r\n"
        "<head>\r\n"
        "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>\r\n"
        "<meta name='generator' content='Lettermaze v1.1 from " +
        std::string(publisher::kSiteName) +
        "'>\r\n"
        "<title>Print me</title>\r\n"
        "</head>\r\n"
        "<body>\r\n"
        "<font face='dejavu serif' size=3>\r\n"
        "<table border=1 cellspacing=0 cellpadding=0 bordercolor=000000 height=38>\r\n"
        "<tr>\r\n"
        "<td width=21 align=center height=19><b>A</b></td>\r\n"
        "<td width=21 align=center height=19><b>B</b></td>\r\n"
        "</tr>\r\n"
        "<tr>\r\n"
        "<td width=21 align=center bgcolor=FF0000 height=19><b>C</b></td>\r\n"
        "<td width=21 align=center height=19><b>D</b></td>\r\n"
        "</tr>\r\n"
        "</table>\r\n"
        "</font><br>\r\n"
        "<table border=0 width=100% cellspacing=0 cellpadding=0><tr><td width=100%><font "
        "face='dejavu serif' size=5 color=000000>\r\n"
        "Find these words</p></font>\r\n"
        "<font face='dejavu serif' size=4 color=000000>\r\n"
        "<p>CAT<br>\r\n"
        "DOG<br>\r\n"
        "</td></tr></table>\r\n"
        "</body>\r\n"
        "</html>\r\n" +
        kCredit;
    EXPECT_EQ(buildPrintPage(p, choices(0, "Print me", "dejavu serif"), true), expected);
}

TEST(PrintPage, usesTheChosenFontEverywhereAndHasNoDownloadLine) {
    const std::string html =
        buildPrintPage(smallPuzzle(), choices(0, "T", "liberation sans"), false);
    EXPECT_EQ(html.find("face=arial"), std::string::npos);
    EXPECT_EQ(countOf(html, "face='liberation sans'"), 3);
    EXPECT_EQ(html.find("Download"), std::string::npos);
    EXPECT_EQ(countOf(html, "bgcolor="), 0);
}

TEST(PrintPage, puzzleOnlyEndsTheGridSectionDirectlyBeforeTheBodyEnd) {
    const std::string html = buildPrintPage(smallPuzzle(), choices(1), true);
    EXPECT_TRUE(endsWith(html, "</table>\r\n</font></body>\r\n</html>\r\n" + kCredit));
    EXPECT_EQ(html.find("Find these words"), std::string::npos);
    EXPECT_EQ(html.find("<br>"), std::string::npos);
    EXPECT_NE(html.find("bgcolor=FF0000"), std::string::npos);
}

TEST(PrintPage, wordListOnlyGoesFromTheBodyStraightToTheWordTable) {
    const std::string html = buildPrintPage(smallPuzzle(), choices(2), false);
    EXPECT_NE(html.find("<body>\r\n<table border=0 width=100%"), std::string::npos);
    EXPECT_EQ(html.find("<table border=1"), std::string::npos);
    EXPECT_TRUE(
        endsWith(html, "DOG<br>\r\n</td></tr></table>\r\n</body>\r\n</html>\r\n" + kCredit));
}

TEST(PrintPage, bothSectionsAreSeparatedByOneBreakAndAnEmptyTitleIsKept) {
    const std::string html = buildPrintPage(smallPuzzle(), choices(0, ""), false);
    EXPECT_NE(html.find("</table>\r\n</font><br>\r\n<table border=0"), std::string::npos);
    EXPECT_NE(html.find("<title></title>\r\n"), std::string::npos);
}

TEST(PrintDialogRules, theFirstFontNamingArialIsChosenElseTheFirstFont) {
    EXPECT_EQ(defaultPrintFont({"DejaVu Sans", "Arial Narrow", "Arial"}), "Arial Narrow");
    EXPECT_EQ(defaultPrintFont({"Liberation Serif", "aRiAl"}), "aRiAl");
    EXPECT_EQ(defaultPrintFont({"Noto Sans", "DejaVu Sans"}), "Noto Sans");
    EXPECT_EQ(defaultPrintFont({"DejaVu Math TeX Gyre", "Liberation Sans"}, "liberation sans"),
              "Liberation Sans");
    EXPECT_EQ(defaultPrintFont({"Noto Sans", "Arial Black"}, "Liberation Sans"), "Arial Black");
    EXPECT_EQ(defaultPrintFont({"Noto Sans"}, "Liberation Sans"), "Noto Sans");
    EXPECT_EQ(defaultPrintFont({}), "");
    EXPECT_EQ(arialFont({"Noto Sans"}), "");
}

TEST(PrintDialogRules, printTrimsSpacesFromTheTitleAndLowerCasesTheFont) {
    PrintSettings s;
    s.cancelled = true;
    acceptPrintChoices(s, "  My Puzzle  ", 2, " Arial Black ");
    EXPECT_FALSE(s.cancelled);
    EXPECT_EQ(s.title, "My Puzzle");
    EXPECT_EQ(s.what, 2);
    EXPECT_EQ(s.font, "arial black");
    acceptPrintChoices(s, "\tTab\t", 0, "\xC9l\xE9gante \x8A");
    EXPECT_EQ(s.title, "\tTab\t");  // only spaces are trimmed
    EXPECT_EQ(s.font, "\xE9l\xE9gante \x9A");
}

TEST(PrintCommand, aHiddenGridDoesNothing) {
    WindowState window;
    Puzzle p = smallPuzzle();
    p.shown = false;
    ScratchFolder dir;
    FakeHost host;
    host.folder = dir.path();
    host.printChoices = {choices(0)};
    printPuzzle(p, window, host);
    EXPECT_EQ(host.printDialogs, 0);
    EXPECT_TRUE(host.opened.empty());
    EXPECT_FALSE(window.printing);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(PrintCommand, cancellingTheDialogLeavesEverythingAsItWas) {
    WindowState window;
    Puzzle p = smallPuzzle();
    window.printing = true;  // to show the command does not touch it
    ScratchFolder dir;
    FakeHost host;
    host.folder = dir.path();
    printPuzzle(p, window, host);  // an empty script cancels
    EXPECT_EQ(host.printDialogs, 1);
    EXPECT_TRUE(window.print.cancelled);
    EXPECT_TRUE(window.printing);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.opened.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(PrintCommand, writesThePrintPageBesideTheProgramAndOpensIt) {
    WindowState window;
    Puzzle p = smallPuzzle();
    ScratchFolder dir;
    WatchingHost host;
    host.window = &window;
    host.folder = dir.path();
    host.printChoices = {choices(0, "Title", "arial")};
    host.answers = {Answer::Yes};
    printPuzzle(p, window, host);

    const std::string path = dir.file("print_lettermaze.htm");
    EXPECT_EQ(printFilePath(host), path);
    ASSERT_EQ(host.opened, std::vector<std::string>{path});
    EXPECT_EQ(readBytes(path), buildPrintPage(p, choices(0, "Title", "arial"), true) + "\r\n");
    EXPECT_TRUE(endsWith(readBytes(path), "-->\r\n"));
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.printingWhenOpened);
    EXPECT_EQ(host.eventsBeforeOpen, 1);
    EXPECT_FALSE(window.printing);
    EXPECT_FALSE(host.busy);
    EXPECT_TRUE(p.shown);
}

TEST(PrintCommand, aProgramFolderWithANonLatinNameTakesThePrintPage) {
    WindowState window;
    Puzzle p = smallPuzzle();
    ScratchFolder dir;
    FakeHost host;
    // "Программы 程序 🖨"
    host.folder = dir.file("\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD1\x8B "
                           "\xE7\xA8\x8B\xE5\xBA\x8F \xF0\x9F\x96\xA8");
    std::filesystem::create_directory(host.folder);
    host.printChoices = {choices(1)};
    printPuzzle(p, window, host);
    const std::string path = host.folder + "/print_lettermaze.htm";
    EXPECT_EQ(host.opened, std::vector<std::string>{path});
    EXPECT_EQ(readBytes(path), buildPrintPage(p, choices(1), false) + "\r\n");
}

TEST(PrintCommand, wordListOnlyAsksNoHighlightQuestion) {
    WindowState window;
    Puzzle p = smallPuzzle();
    ScratchFolder dir;
    FakeHost host;
    host.folder = dir.path();
    host.printChoices = {choices(2)};
    host.answers = {Answer::Yes};
    printPuzzle(p, window, host);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(readBytes(dir.file("print_lettermaze.htm")),
              buildPrintPage(p, choices(2), false) + "\r\n");
}

TEST(PrintCommand, anUnwritableProgramFolderSendsThePageToTheCacheFolder) {
    WindowState window;
    Puzzle p = smallPuzzle();
    ScratchFolder cache;
    CacheHome home(cache.path());
    FakeHost host;
    host.folder = cache.file("missing-program-folder");
    host.printChoices = {choices(1)};
    printPuzzle(p, window, host);
    const std::string path = cache.file("lettermaze/print_lettermaze.htm");
    EXPECT_EQ(printFilePath(host), path);
    EXPECT_EQ(host.opened, std::vector<std::string>{path});
    EXPECT_TRUE(endsWith(readBytes(path), "-->\r\n"));
}

TEST(PrintCommand, aPageThatCannotBeWrittenEndsQuietlyWithPrintingOff) {
    WindowState window;
    Puzzle p = smallPuzzle();
    ScratchFolder dir;
    std::ofstream(dir.file("plain-file")) << "x";
    CacheHome home(dir.file("plain-file"));  // no folder can be made below a file
    FakeHost host;
    host.folder = dir.file("missing");
    host.printChoices = {choices(0)};
    printPuzzle(p, window, host);
    EXPECT_TRUE(host.opened.empty());
    EXPECT_EQ(host.messages.size(), 1u);  // the highlight question, and no complaint
    EXPECT_FALSE(window.printing);
    EXPECT_FALSE(host.busy);
}
