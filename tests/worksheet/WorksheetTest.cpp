// Worksheets written as PDF and read back with poppler: the words on each sheet and where they
// stand, the paper, split grids and their notes, and the colours of an answer sheet.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "fakes/Files.h"
#include "worksheet/Worksheet.h"

using namespace lettermaze::worksheet;
using namespace lettermaze::testing;

namespace {

using Words = std::vector<std::string>;

struct Text {
    int page;
    double x0, y0, x1, y1;
    std::string text;
    double x() const { return (x0 + x1) / 2; }
    double y() const { return (y0 + y1) / 2; }
};

struct Pdf {
    std::vector<std::pair<double, double>> pages;  // width and height in points
    std::vector<Text> words;
    std::string file;
    // The words of a page top to bottom, each line's left to right.
    std::vector<std::string> lines(int page) const {
        std::vector<Text> on;
        for (const Text& t : words)
            if (t.page == page) on.push_back(t);
        std::stable_sort(on.begin(), on.end(), [](auto& a, auto& b) { return a.y0 + 1 < b.y0; });
        std::vector<std::string> out;
        for (std::size_t i = 0; i < on.size(); ++i)
            if (i > 0 && on[i].y0 < on[i - 1].y1 - 1)
                out.back() += " " + on[i].text;
            else
                out.push_back(on[i].text);
        return out;
    }
};

// The document written to a file that lives as long as the test program.
Pdf written(const Document& document, std::vector<std::string> notes = {}) {
    static TempDir dir;
    const WriteResult r = writePdf(document, dir.file("w.pdf"));
    EXPECT_TRUE(r.written && r.error.empty()) << r.error;
    EXPECT_EQ(r.notes, notes);
    Pdf pdf;
    pdf.file = dir.file("w.pdf");
    const std::regex page(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    std::istringstream in(commandOutput("pdftotext -bbox '" + dir.file("w.pdf") + "' -"));
    std::smatch m;
    for (std::string line; std::getline(in, line);)
        if (std::regex_search(line, m, page))
            pdf.pages.emplace_back(std::stod(m[1]), std::stod(m[2]));
        else if (std::regex_search(line, m, word))
            pdf.words.push_back({static_cast<int>(pdf.pages.size()) - 1, std::stod(m[1]),
                                 std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]});
    return pdf;
}

constexpr double kMargin = 15 / 25.4 * 72;  // in points
const std::pair<double, double> kA4{595, 842}, kLetter{612, 792};

Text find(const Pdf& pdf, const std::string& text) {
    for (const Text& t : pdf.words)
        if (t.text == text) return t;
    ADD_FAILURE() << text << " not found";
    return {};
}

Page grid(int rows, int cols, std::vector<std::string> words = {}) {
    Page p{"Zoo", "zoo.lm", "/x/zoo.lm", rows, cols, {}, std::move(words), {}, {}};
    for (int i = 0; i < rows * cols; ++i) p.letters.push_back(std::string(1, 'A' + i % 26));
    return p;
}

}  // namespace

// The title over the grid, its letters in square cells, the heading and the words reading
// down in columns of three or more, and the footer at the bottom of the sheet.
TEST(Worksheet, aSheetHoldsTheTitleTheGridTheWordsInColumnsAndTheFooter) {
    Page zoo = grid(2, 3, {"ANT", "BEE", "CAT", "DOG"});
    zoo.letters[0] = "\xC3\x89";  // É
    const Pdf pdf = written({"", Paper::A4, {zoo}});
    ASSERT_EQ(pdf.pages, (std::vector{kA4}));
    EXPECT_EQ(pdf.lines(0), (Words{"Zoo", "\xC3\x89 B C", "D E F", "Find these words", "ANT CAT",
                                   "BEE DOG", "zoo.lm"}));
    // The title and the grid are centred, and the grid's square cells fill the printable width.
    const double width = kA4.first, cell = (width - 2 * kMargin) / 3;
    EXPECT_NEAR(find(pdf, "Zoo").x(), width / 2, 1);
    EXPECT_NEAR(find(pdf, "B").x(), width / 2, 1);
    EXPECT_NEAR(find(pdf, "C").x() - find(pdf, "B").x(), cell, 1);
    EXPECT_NEAR(find(pdf, "E").y() - find(pdf, "B").y(), cell, 1);
    EXPECT_NEAR(find(pdf, "zoo.lm").y1, kA4.second - kMargin, 3);
    // Point sizes, read from the heights of the words' boxes against the 8 pt footer's.
    const auto size = [&](const std::string& w) {
        const Text t = find(pdf, w), footer = find(pdf, "zoo.lm");
        return 8 * (t.y1 - t.y0) / (footer.y1 - footer.y0);
    };
    EXPECT_NEAR(size("Zoo"), 20, 0.1);
    EXPECT_NEAR(size("Find"), 16, 0.1);
    EXPECT_NEAR(size("ANT"), 14, 0.1);
    EXPECT_NEAR(size("B"), 0.6 * cell, 0.5);
}

// Sheets without rows or columns are left out; the rest come in order, on the paper asked for.
TEST(Worksheet, everyPageWithCellsIsASheetOnThePaperAskedFor) {
    const std::string wide = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD";
    Page first = grid(1, 4), second = grid(2, 2, {wide, wide, wide, wide});
    first.title = "One", second.title = "Two";
    const Pdf pdf = written({"", Paper::Letter, {grid(0, 3), first, grid(3, 0), second}});
    ASSERT_EQ(pdf.pages, (std::vector{kLetter, kLetter}));
    EXPECT_EQ(pdf.lines(0), (Words{"One", "A B C D", "zoo.lm"}));
    // Four words go two to a column, unless two are wider than the sheet.
    EXPECT_EQ(pdf.lines(1),
              (Words{"Two", "A B", "C D", "Find these words", wide, wide, wide, wide, "zoo.lm"}));
}

// A grid whose letters would fall below 4 pt is cut into row bands (a wide one into column
// bands too), one piece a sheet under its caption, and the user is told.
TEST(Worksheet, aGridTooBigForOneSheetIsPrintedInCaptionedPieces) {
    const auto note = [](const std::string& size, const std::string& pieces) {
        return "/x/zoo.lm: a " + size +
               " grid on one sheet would need letters smaller than 4 pt; "
               "it is printed in " +
               pieces + " pieces";
    };
    const Pdf wide = written({"", Paper::A4, {grid(110, 110, {"ANT"})}}, {note("110 x 110", "2")});
    ASSERT_EQ(wide.pages.size(), 3u);  // the list follows on a sheet of its own
    EXPECT_EQ(
        wide.lines(0)[1] + "|" + wide.lines(1)[1],
        "Rows 1 to 110 of 110, columns 1 to 55 of 110|Rows 1 to 110 of 110, columns 56 to 110 "
        "of 110");
    EXPECT_EQ(wide.lines(2), (Words{"Find these words", "ANT", "zoo.lm"}));
    EXPECT_LT(find(wide, "Find").y0, kMargin + 5);
    const Pdf tall = written({"", Paper::A4, {grid(150, 8)}}, {note("150 x 8", "2")});
    ASSERT_EQ(tall.pages.size(), 2u);
    EXPECT_EQ(tall.lines(0)[1] + "|" + tall.lines(1)[1],
              "Rows 1 to 75 of 150|Rows 76 to 150 of 150");
    EXPECT_EQ(tall.lines(1)[2], "C D E F G H I J");  // row 76 begins with letter 600
}

// A list too long for the room under the grid runs on at the top of further sheets, still
// reading down each column, and ends on the sheet that holds its last word.
TEST(Worksheet, aLongWordListRunsOnToFurtherSheets) {
    Words words;
    for (int i = 0; i < 400; ++i) words.push_back("W" + std::to_string(1000 + i));
    const Pdf pdf = written({"", Paper::A4, {grid(6, 6, words)}});
    ASSERT_GE(pdf.pages.size(), 2u);
    std::vector<Text> listed;
    for (const Text& t : pdf.words)
        if (t.text[0] == 'W' && t.text.size() == 5) listed.push_back(t);
    std::stable_sort(listed.begin(), listed.end(), [](const Text& a, const Text& b) {
        return std::tuple(a.page, std::lround(a.x0), a.y0) <
               std::tuple(b.page, std::lround(b.x0), b.y0);
    });
    Words read;
    for (const Text& t : listed) read.push_back(t.text);
    EXPECT_EQ(read, words);
    EXPECT_EQ(listed.back().page + 1, static_cast<int>(pdf.pages.size()));
    const auto next = std::find_if(listed.begin(), listed.end(), [](auto& t) { return t.page; });
    EXPECT_LT(next->y0, kMargin + 5);
}

// An answer sheet fills the cells of its words with their colours, white cells stay unmarked,
// and a darker line runs from a word's first cell to its last, inside the grid only: the word
// list below is drawn as on any sheet.
TEST(Worksheet, anAnswerSheetColoursItsCellsAndLinesEachWord) {
    Page key = grid(2, 2, {"ANT"});
    key.title = key.footer = "";
    key.cellColours = {{255, 0, 0}, {}, {}, {0, 0, 255}};
    key.lines = {{0, 0, 1, 1}};
    const Pdf pdf = written({"", Paper::A4, {key}});
    const std::string ppm = commandOutput("pdftoppm -r 72 '" + pdf.file + "'");
    const auto at = [&](double x, double y) {  // the colour at a point, as "r,g,b"
        std::istringstream in(ppm);
        std::string magic;
        int width, height, depth;
        in >> magic >> width >> height >> depth;
        const auto i = static_cast<std::size_t>(in.tellg()) + 1 +
                       3 * static_cast<std::size_t>(std::lround(y) * width + std::lround(x));
        return std::to_string(uint8_t(ppm[i])) + "," + std::to_string(uint8_t(ppm[i + 1])) + "," +
               std::to_string(uint8_t(ppm[i + 2]));
    };
    const Text a = find(pdf, "A");
    const double cell = find(pdf, "B").x() - a.x(), x = a.x(), y = a.y();
    EXPECT_EQ(at(x + 0.3 * cell, y - 0.3 * cell), "255,0,0");
    EXPECT_EQ(at(x + 1.3 * cell, y - 0.3 * cell), "255,255,255");
    EXPECT_EQ(at(x + 1.3 * cell, y + 0.7 * cell), "0,0,255");
    EXPECT_LT(std::stoi(at(x + 0.35 * cell, y + 0.35 * cell)), 200);  // the line over red
    const Text heading = find(pdf, "Find");
    int ink = 0;
    for (double hx = heading.x0; hx < heading.x1; ++hx) ink += std::stoi(at(hx, heading.y())) < 100;
    EXPECT_GT(ink, 3);
}

TEST(Worksheet, aFileThatCannotBeWrittenWholeIsAnErrorAndAMissingFontANote) {
    TempDir dir;
    for (const std::string& path : {std::string("/no/such/folder/w.pdf"), dir.file("full.pdf")}) {
        FileSizeLimit full(4096);
        const WriteResult r = writePdf({"", Paper::A4, {grid(30, 30)}}, path);
        EXPECT_EQ(r.error + (r.written ? " written" : ""), "cannot be written") << path;
    }
    const WriteResult font = writePdf({"No Such Font", Paper::A4, {}}, dir.file("f.pdf"));
    ASSERT_EQ(font.notes.size(), 1u);
    const std::regex note("font \"No Such Font\" is not installed; using \"[^\"]+\"");
    EXPECT_TRUE(std::regex_match(font.notes[0], note)) << font.notes[0];
}
