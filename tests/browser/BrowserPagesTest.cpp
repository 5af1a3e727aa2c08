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
    const std::string chromium = "/usr/bin/chromium";
    if (access(chromium.c_str(), X_OK) != 0) GTEST_SKIP() << "no browser at " << chromium;
    const Words rows = {"CATXQ", "ZDOGW", "CAF\xC9R", "PLVRY"};
    Puzzle p = gridPuzzle(rows, {"CAF\xC9", "EMU"}, {"CAT", "DOG"});
    for (int c = 0; c < 3; ++c)
        p.grid.setColourAt(0, c, 255), p.grid.setColourAt(1, c + 1, 16744512);
    TempDir dir;
    std::string jobs;
    for (int what = -1; what < 3; ++what) {  // the web page, then each print choice
        const std::string page = dir.file("page" + std::to_string(what));
        const PrintSettings choices{false, static_cast<std::int16_t>(what), "T", "dejavu sans"};
        writeFile(page + ".htm", what < 0 ? buildPage(p, PageForm::Web, "Browser test", true)
                                          : buildPrintPage(p, choices, true));
        // clang-format off
        jobs += chromium + " --headless --no-sandbox --disable-gpu --no-first-run --disable-sync"
                " --disable-background-networking --disable-component-update --hide-scrollbars"
                " --no-pdf-header-footer --user-data-dir=" + page + ".profile --print-to-pdf=" +
                page + ".pdf file://" + page + ".htm >/dev/null 2>&1\n";
        // clang-format on
    }
    writeFile(dir.file("jobs"), jobs);
    const std::string run = "cd " + dir.path() + " && xargs -P 3 -I{} timeout 45 sh -c '{}' <jobs";
    ASSERT_EQ(std::system(run.c_str()), 0);
    Words wanted = rows;
    wanted.insert(wanted.end(), {"Findthesewords", "CAF\xC9", "EMU", "DOG"});
    std::string shown;
    for (int what = -1; what < 3; ++what) {
        const std::string pdf = dir.file("page" + std::to_string(what)) + ".pdf";
        std::string text = "\n" + commandOutput("pdftotext -layout '" + pdf + "' -");
        std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
        for (const std::string& line : wanted)
            shown += text.find("\n" + utf8From1252(line) + "\n") != std::string::npos ? "+" : "-";
        shown += text.find("\nDownload") != std::string::npos ? "D " : " ";
    }
    EXPECT_EQ(shown, "++++++++D ++++++++ ++++---- ----++++ ");
}
