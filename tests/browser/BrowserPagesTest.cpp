// Renders the pages the program writes in a real headless browser: each page is printed to PDF
// and read back as text. Browsers start slowly, so the runs are few and three go at once.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include "fakes/Builders.h"
#include "model/Text1252.h"
#include "output/Page.h"
#include "output/Print.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

constexpr const char* kChromium = "/usr/bin/chromium";
const Words kRows = {"CATXQ", "ZDOGW", "CAF\xC9R", "PLVRY"};

// The command's output with all white space removed, one string per non-empty line.
Words outputLines(const std::string& command) {
    Words lines(1);
    if (FILE* in = popen((command + " 2>/dev/null").c_str(), "r")) {
        for (int c; (c = fgetc(in)) != EOF;)
            if (c == '\n') lines.emplace_back();
            else if (!std::isspace(c)) lines.back() += static_cast<char>(c);
        pclose(in);
    }
    return lines;
}

class BrowserPages : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (access(kChromium, X_OK) != 0) return;
        dir_ = new TempDir;
        Puzzle p = gridPuzzle(kRows, {"CAF\xC9", "EMU"}, {"CAT", "DOG"});
        for (int c = 0; c < 3; ++c) p.grid.setColourAt(0, c, 255), p.grid.setColourAt(1, c + 1, 16744512);
        WindowState window;
        FakeHost web;
        web.inputs = {"Browser test"};
        web.answers = {Answer::Yes};
        web.fileNames = {dir_->file("web.htm")};
        saveWebPage(p, window, web);
        std::string jobs;
        const auto job = [&](const std::string& page, const std::string& output) {
            jobs += std::string(kChromium) + " --headless --no-sandbox --disable-gpu --no-first-run"
                    " --disable-background-networking --disable-component-update --disable-sync"
                    " --force-color-profile=srgb --hide-scrollbars --user-data-dir=" +
                    dir_->file("profile" + std::to_string(jobs.size())) + " " + output + " file://" + page + " >/dev/null 2>&1\n";
        };
        job(dir_->file("web.htm"), "--no-pdf-header-footer --print-to-pdf=" + dir_->file("web.pdf"));
        for (int what = 0; what < 3; ++what) {
            FakeHost host;
            host.folder = dir_->file("print" + std::to_string(what));
            std::filesystem::create_directory(host.folder);
            host.printChoices = {{false, static_cast<std::int16_t>(what), "Print test", "dejavu sans"}};
            host.answers = {Answer::Yes};
            printPuzzle(p, window, host);
            job(host.folder + "/print_lettermaze.htm", "--no-pdf-header-footer --print-to-pdf=" + host.folder + ".pdf");
        }
        writeFile(dir_->file("jobs"), jobs);
        ranBrowser_ = std::system(("cd '" + dir_->path() + "' && xargs -P 3 -I{} timeout 45 sh -c '{}' < jobs").c_str()) == 0;
    }
    static void TearDownTestSuite() { delete dir_; }
    void SetUp() override {
        if (!dir_) GTEST_SKIP() << "no browser at " << kChromium;
        ASSERT_TRUE(ranBrowser_) << "a browser run failed";
    }
    // Which of the grid rows, the heading and the words, and the download line the PDF shows.
    static std::string shown(const std::string& pdf) {
        const Words lines = outputLines("pdftotext -layout '" + dir_->file(pdf) + "' -");
        std::string s;
        for (const std::string& want : {kRows[0], kRows[1], kRows[2], kRows[3], std::string("Findthesewords"),
                                        std::string("CAF\xC9"), std::string("EMU"), std::string("DOG")})
            s += std::find(lines.begin(), lines.end(), utf8From1252(want)) != lines.end() ? "+" : "-";
        return s + (std::any_of(lines.begin(), lines.end(), [](auto& l) { return l.starts_with("Download"); }) ? "D" : "");
    }
    static inline TempDir* dir_ = nullptr;
    static inline bool ranBrowser_ = false;
};

}  // namespace

TEST_F(BrowserPages, eachPageShowsTheGridAndOrTheWordsItShould) {
    EXPECT_EQ(shown("web.pdf"), "++++++++D");
    EXPECT_EQ(shown("print0.pdf"), "++++++++");
    EXPECT_EQ(shown("print1.pdf"), "++++----");
    EXPECT_EQ(shown("print2.pdf"), "----++++");
}
