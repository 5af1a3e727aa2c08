// Renders the pages the program writes in a real headless browser: each page is printed to PDF
// and read back as text. Browsers start slowly, so the runs are few and three go at once.
#include <gtest/gtest.h>
#include <unistd.h>

#include "fakes/Builders.h"
#include "model/Text1252.h"
#include "output/Page.h"
#include "output/Print.h"

using namespace lettermaze;
using namespace lettermaze::testing;

// Which of the grid rows, the heading, the words and the download line each page shows.
TEST(BrowserPages, eachPageShowsTheGridAndOrTheWordsItShould) {
    if (access("/usr/bin/chromium", X_OK) != 0) GTEST_SKIP() << "no browser at /usr/bin/chromium";
    // The grid's rows, then the lines of the word list.
    const Words wanted = {"CATXQ",          "ZDOGW",   "CAF\xC9R", "PLVRY",
                          "Findthesewords", "CAF\xC9", "EMU",      "DOG"};
    Puzzle p = gridPuzzle({wanted.begin(), wanted.begin() + 4}, {"CAF\xC9", "EMU"}, {"CAT", "DOG"});
    for (int c = 0; c < 3; ++c)
        p.grid.setColourAt(0, c, 255), p.grid.setColourAt(1, c + 1, 16744512);
    TempDir dir;
    // The web page, then each print choice.
    writeFile(dir.file("-1.htm"), buildPage(p, PageForm::Web, "Browser test", true));
    for (std::int16_t what = 0; what < 3; ++what)
        writeFile(dir.file(std::to_string(what) + ".htm"),
                  buildPrintPage(p, {false, what, "T", "dejavu sans"}, true));
    // clang-format off
    const std::string run = "cd " + dir.path() + " && printf '%s\\n' -1 0 1 2 | xargs -P 3 -I{} "
        "timeout 45 /usr/bin/chromium --headless --no-sandbox --disable-gpu --no-first-run"
        " --disable-sync --disable-background-networking --disable-component-update"
        " --hide-scrollbars --no-pdf-header-footer --user-data-dir={}.profile --print-to-pdf={}.pdf"
        " file://" + dir.path() + "/{}.htm >/dev/null 2>&1";
    // clang-format on
    ASSERT_EQ(std::system(run.c_str()), 0);
    std::string shown;
    for (int what = -1; what < 3; ++what) {
        const std::string pdf = dir.file(std::to_string(what) + ".pdf");
        const std::string text =
            "\n" + commandOutput("pdftotext -layout " + pdf + " - | tr -d ' \\t'");
        for (const std::string& line : wanted)
            shown += text.find("\n" + utf8From1252(line) + "\n") != std::string::npos ? "+" : "-";
        shown += text.find("\nDownload") != std::string::npos ? "D " : " ";
    }
    EXPECT_EQ(shown, "++++++++D ++++++++ ++++---- ----++++ ");
}
