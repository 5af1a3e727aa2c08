// Renders the pages the program writes in a real headless browser: each page is printed to PDF
// and read back as text, and the highlighted pages are photographed to check the found cells'
// colours on screen. All browser runs start together to keep the test short.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "fakes/FakeHost.h"
#include "model/Text1252.h"
#include "output/OutputFixtures.h"
#include "output/Page.h"
#include "output/Print.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

constexpr const char* kChromium = "/usr/bin/chromium";
constexpr std::int32_t kRed = 255;       // FF0000
constexpr std::int32_t kSky = 16744512;  // 4080FF
const std::vector<std::string> kRows = {"CATXQ", "ZDOGW", "CAF\xC9R", "PLVRY"};

Puzzle browserPuzzle() {
    Puzzle p = puzzleOf(kRows, {"CAF\xC9", "EMU"}, {"CAT", "DOG"});
    for (int c = 0; c < 3; ++c) p.FG.setBackColor(0, c, kRed);  // CAT
    for (int c = 1; c < 4; ++c) p.FG.setBackColor(1, c, kSky);  // DOG
    return p;
}

// The PDF's text, one string per line, with all white space removed (the browser spaces the
// letters of a table row as it likes).
std::vector<std::string> pdfLines(const std::string& pdf) {
    std::vector<std::string> lines;
    FILE* in = popen(("pdftotext -layout '" + pdf + "' - 2>/dev/null").c_str(), "r");
    if (!in) return lines;
    std::string all;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, in)) > 0;) all.append(buf, n);
    pclose(in);
    std::istringstream text(all);
    for (std::string line; std::getline(text, line);) {
        line.erase(std::remove_if(line.begin(), line.end(),
                                  [](unsigned char c) { return std::isspace(c) != 0; }),
                   line.end());
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

bool hasLine(const std::vector<std::string>& lines, const std::string& cp1252) {
    return std::find(lines.begin(), lines.end(), utf8From1252(cp1252)) != lines.end();
}

// How many pixels of each colour a PNG holds, read through a binary PPM.
std::map<std::int32_t, int> colourCounts(const std::string& png) {
    std::map<std::int32_t, int> counts;
    const std::string ppm = png + ".ppm";
    if (std::system(("convert '" + png + "' -depth 8 'ppm:" + ppm + "' 2>/dev/null").c_str()) != 0)
        return counts;
    std::ifstream in(ppm, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    if (magic != "P6" || maxValue != 255) return counts;
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
        ++counts[rgb[i] + 256 * rgb[i + 1] + 65536 * rgb[i + 2]];
    return counts;
}

class BrowserPages : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (access(kChromium, X_OK) != 0) return;
        dir_ = new ScratchFolder;
        Puzzle p = browserPuzzle();

        // The web page, plain and highlighted, written by the web page command.
        for (const bool highlight : {false, true}) {
            FakeHost host;
            host.inputs = {"Browser test"};
            host.answers = {highlight ? Answer::Yes : Answer::No};
            host.fileNames = {dir_->file(highlight ? "web_hl.htm" : "web.htm")};
            mnuHTML_Click(p, host);
        }
        // The print page for each choice, written by the print command.
        for (int what = 0; what < 3; ++what) {
            const std::string folder = dir_->file("print" + std::to_string(what));
            std::filesystem::create_directory(folder);
            FakeHost host;
            host.folder = folder;
            PrintSettings s;
            s.PrintWhat = static_cast<std::int16_t>(what);
            s.PrintTitle = "Print test";
            s.PrintFont = "dejavu sans";
            host.printChoices = {s};
            host.answers = {Answer::Yes};
            mnuPrint_Click(p, host);
        }

        const std::string common = std::string(kChromium) +
                                   " --headless --no-sandbox --disable-gpu --no-first-run"
                                   " --disable-background-networking --disable-component-update"
                                   " --disable-sync --force-color-profile=srgb --hide-scrollbars";
        std::string jobs;
        int n = 0;
        auto job = [&](const std::string& page, const std::string& output) {
            const std::string profile = dir_->file("profile" + std::to_string(n++));
            jobs += common + " --user-data-dir=" + profile + " " + output + " file://" + page +
                    " >/dev/null 2>&1\n";
        };
        const auto pdf = [&](const std::string& page, const std::string& name) {
            job(page, "--no-pdf-header-footer --print-to-pdf=" + dir_->file(name));
        };
        const auto shot = [&](const std::string& page, const std::string& name) {
            job(page, "--window-size=600,500 --screenshot=" + dir_->file(name));
        };
        pdf(dir_->file("web.htm"), "web.pdf");
        shot(dir_->file("web.htm"), "web.png");
        shot(dir_->file("web_hl.htm"), "web_hl.png");
        for (int what = 0; what < 3; ++what)
            pdf(dir_->file("print" + std::to_string(what) + "/print_lettermaze.htm"),
                "print" + std::to_string(what) + ".pdf");
        shot(dir_->file("print0/print_lettermaze.htm"), "print0.png");
        std::ofstream(dir_->file("jobs")) << jobs;
        const std::string run =
            "cd '" + dir_->path() + "' && xargs -P 4 -I{} timeout 45 sh -c '{}' < jobs";
        ranBrowser_ = std::system(run.c_str()) == 0;
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override {
        if (!dir_) GTEST_SKIP() << "no browser at " << kChromium;
        ASSERT_TRUE(ranBrowser_) << "a browser run failed";
    }

    static std::string file(const std::string& name) { return dir_->file(name); }

    static void expectGrid(const std::vector<std::string>& lines, bool wanted) {
        for (const std::string& row : kRows) EXPECT_EQ(hasLine(lines, row), wanted) << row;
    }
    static void expectWords(const std::vector<std::string>& lines, bool wanted) {
        EXPECT_EQ(hasLine(lines, "Findthesewords"), wanted);
        for (const char* word : {"CAF\xC9", "EMU", "CAT", "DOG"})
            EXPECT_EQ(hasLine(lines, word), wanted) << word;
    }

    static inline ScratchFolder* dir_ = nullptr;
    static inline bool ranBrowser_ = false;
};

}  // namespace

TEST_F(BrowserPages, webPageShowsEveryRowEveryWordAndTheDownloadLine) {
    const auto lines = pdfLines(file("web.pdf"));
    expectGrid(lines, true);
    expectWords(lines, true);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l.rfind("DownloadLettermazefrom", 0) == 0;
    }));
}

TEST_F(BrowserPages, printingBothShowsTheGridAndTheWords) {
    const auto lines = pdfLines(file("print0.pdf"));
    expectGrid(lines, true);
    expectWords(lines, true);
    EXPECT_FALSE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find("Download") != std::string::npos;
    }));
}

TEST_F(BrowserPages, printingThePuzzleOnlyLeavesTheWordsOut) {
    const auto lines = pdfLines(file("print1.pdf"));
    expectGrid(lines, true);
    expectWords(lines, false);
}

TEST_F(BrowserPages, printingTheWordListOnlyLeavesTheGridOut) {
    const auto lines = pdfLines(file("print2.pdf"));
    expectGrid(lines, false);
    expectWords(lines, true);
}

TEST_F(BrowserPages, highlightedPagesShowTheFoundCellsInTheirColours) {
    // A cell is 21 by 19 pixels less its border and letter; three cells per word.
    constexpr int kThreeCells = 3 * 150;
    for (const char* shot : {"web_hl.png", "print0.png"}) {
        auto counts = colourCounts(file(shot));
        EXPECT_GE(counts[kRed], kThreeCells) << shot;
        EXPECT_GE(counts[kSky], kThreeCells) << shot;
    }
    auto plain = colourCounts(file("web.png"));
    ASSERT_FALSE(plain.empty());
    EXPECT_EQ(plain[kRed], 0);
    EXPECT_EQ(plain[kSky], 0);
}
