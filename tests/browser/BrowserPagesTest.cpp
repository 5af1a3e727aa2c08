// Renders the pages the program writes in a real headless browser: each page is printed to PDF
// and read back as text, and the highlighted web page is photographed to check where the found
// cells' colours land on screen. Browsers start slowly, so the test keeps their runs few and
// starts a few at once.
#include <gtest/gtest.h>
#include <unistd.h>

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
#include "model/Puzzle.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

constexpr const char* kChromium = "/usr/bin/chromium";
constexpr std::int32_t kRed = 255;       // FF0000
constexpr std::int32_t kSky = 16744512;  // 4080FF
const std::vector<std::string> kRows = {"CATXQ", "ZDOGW", "CAF\xC9R", "PLVRY"};

Puzzle browserPuzzle() {
    Puzzle p = puzzleOf(kRows, {"CAF\xC9", "EMU"}, {"CAT", "DOG"});
    for (int c = 0; c < 3; ++c) p.grid.setColourAt(0, c, kRed);  // CAT
    for (int c = 1; c < 4; ++c) p.grid.setColourAt(1, c, kSky);  // DOG
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

// Where each colour of interest lies in a PNG: its bounding box and pixel count, read through a
// binary PPM.
struct ColourBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, pixels = 0;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

std::map<std::int32_t, ColourBox> colourBoxes(const std::string& png,
                                              const std::vector<std::int32_t>& colours) {
    std::map<std::int32_t, ColourBox> boxes;
    const std::string ppm = png + ".ppm";
    if (std::system(("convert '" + png + "' -depth 8 'ppm:" + ppm + "' 2>/dev/null").c_str()) != 0)
        return boxes;
    std::ifstream in(ppm, std::ios::binary);
    std::string magic;
    int width = 0, height = 0, maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();
    if (magic != "P6" || maxValue != 255) return boxes;
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    in.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
    for (std::int32_t c : colours) boxes[c];
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
            const auto it = boxes.find(rgb[i] + 256 * rgb[i + 1] + 65536 * rgb[i + 2]);
            if (it == boxes.end()) continue;
            ColourBox& b = it->second;
            b.left = std::min(b.left, x);
            b.right = std::max(b.right, x);
            b.top = std::min(b.top, y);
            b.bottom = std::max(b.bottom, y);
            ++b.pixels;
        }
    return boxes;
}

class BrowserPages : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (access(kChromium, X_OK) != 0) return;
        dir_ = new ScratchFolder;
        Puzzle p = browserPuzzle();
        WindowState window;

        // The web page, highlighted, written by the web page command.
        {
            FakeHost host;
            host.inputs = {"Browser test"};
            host.answers = {Answer::Yes};
            host.fileNames = {dir_->file("web.htm")};
            saveWebPage(p, window, host);
        }
        // The print page for each choice, written by the print command.
        for (int what = 0; what < 3; ++what) {
            const std::string folder = dir_->file("print" + std::to_string(what));
            std::filesystem::create_directory(folder);
            FakeHost host;
            host.folder = folder;
            PrintSettings s;
            s.what = static_cast<std::int16_t>(what);
            s.title = "Print test";
            s.font = "dejavu sans";
            host.printChoices = {s};
            host.answers = {what == 0 ? Answer::Yes : Answer::No};
            printPuzzle(p, window, host);
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
        for (int what = 0; what < 3; ++what)
            pdf(dir_->file("print" + std::to_string(what) + "/print_lettermaze.htm"),
                "print" + std::to_string(what) + ".pdf");
        std::ofstream(dir_->file("jobs")) << jobs;
        const std::string run =
            "cd '" + dir_->path() + "' && xargs -P 3 -I{} timeout 45 sh -c '{}' < jobs";
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

TEST_F(BrowserPages, highlightedCellsShowTheirColoursOnScreenAndNoOthers) {
    auto boxes = colourBoxes(file("web.png"), {kRed, kSky});
    ASSERT_EQ(boxes.size(), 2u);
    const ColourBox& cat = boxes[kRed];
    const ColourBox& dog = boxes[kSky];
    // Each found word is a run of three cells (21 by 19) and nothing else carries its colour.
    for (const ColourBox* b : {&cat, &dog}) {
        EXPECT_GE(b->pixels, 3 * 150);
        EXPECT_NEAR(b->width(), 3 * 21, 8);
        EXPECT_NEAR(b->height(), 19, 4);
    }
    // DOG lies one row below CAT and one cell to its right.
    EXPECT_NEAR(dog.top - cat.top, 21, 4);
    EXPECT_NEAR(dog.left - cat.left, 22, 4);
}
