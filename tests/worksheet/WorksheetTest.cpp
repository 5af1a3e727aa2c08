// Worksheets written as PDF and read back with poppler: the words on each sheet and where they
// stand, the paper, split grids and their notes, and the colours of an answer sheet.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <regex>

#include "fakes/Builders.h"
#include "worksheet/Worksheet.h"

using namespace lettermaze::worksheet;
using namespace lettermaze::testing;

namespace {

// A word's box on the page, in points from the top left.
struct Box {
    double x0, y0, x1, y1;
    double x() const { return (x0 + x1) / 2; }
    double y() const { return (y0 + y1) / 2; }
    double height() const { return y1 - y0; }
};

// A written PDF read back: the file, each page's width and height in points, and the box of
// each word where it first appears.
struct Pdf {
    std::string file;
    std::vector<std::pair<double, double>> pages;
    std::map<std::string, Box> words;

    // The lines of a page as pdftotext lays them out (sed picks some), blank lines left out and
    // each run of spaces as one, so that words side by side on the sheet share a line.
    std::string text(int page, const std::string& pick = "1,$") const {
        const std::string n = std::to_string(page + 1);
        return commandOutput("pdftotext -layout -nopgbrk -f " + n + " -l " + n + " '" + file +
                             "' - | awk 'NF { $1 = $1; print }' | sed -n '" + pick + "p'");
    }
};

// The document written to a file that lives as long as the test program, and read back.
Pdf written(const Document& document, const Words& notes = {}) {
    static TempDir dir;
    Pdf pdf{dir.file("w.pdf"), {}, {}};
    const WriteResult r = writePdf(document, pdf.file);
    EXPECT_EQ(std::tie(r.written, r.error, r.notes), std::make_tuple(true, std::string(), notes));
    const std::string xml = commandOutput("pdftotext -bbox '" + pdf.file + "' -");
    const std::regex item(
        R"re(<page width="([\d.]+)" height="([\d.]+)")re"
        R"re(|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    for (std::sregex_iterator i(xml.begin(), xml.end(), item), end; i != end; ++i) {
        const std::smatch& m = *i;
        if (m[1].matched)
            pdf.pages.emplace_back(std::stod(m[1]), std::stod(m[2]));
        else
            pdf.words.emplace(
                m[7], Box{std::stod(m[3]), std::stod(m[4]), std::stod(m[5]), std::stod(m[6])});
    }
    return pdf;
}

constexpr double kMargin = 15 / 25.4 * 72;  // in points
const std::pair<double, double> kA4{595, 842}, kLetter{612, 792};

Page grid(int rows, int cols, Words words = {}, std::string title = "Zoo") {
    Page p{title, "zoo.lm", "/x/zoo.lm", rows, cols, {}, std::move(words), {}, {}};
    for (int i = 0; i < rows * cols; ++i) p.letters.push_back(std::string(1, 'A' + i % 26));
    return p;
}

}  // namespace

// The title over the grid, its letters in square cells, the heading and the words reading
// down in columns of three or more (one column when two words are wider than the sheet), and
// the footer at the bottom; no heading without words. Sheets without rows or columns are left
// out; the rest come in order, on the paper asked for.
TEST(Worksheet, aSheetHoldsTheTitleTheGridTheWordsInColumnsAndTheFooter) {
    const std::string wide = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD";
    Page zoo = grid(2, 3, {"ANT", "BEE", "CAT", "DOG"});
    zoo.letters[0] = "\xC3\x89";  // É
    const std::vector<Page> pages = {grid(0, 3), zoo, grid(3, 0), grid(1, 4, {}, "One"),
                                     grid(2, 2, {wide, wide, wide, wide}, "Two")};
    const Pdf pdf = written({"", Paper::Letter, pages});
    ASSERT_EQ(pdf.pages, (std::vector{kLetter, kLetter, kLetter}));
    EXPECT_EQ(pdf.text(0) + "|" + pdf.text(1) + "|" + pdf.text(2),
              "Zoo\n\xC3\x89 B C\nD E F\nFind these words\nANT CAT\nBEE DOG\nzoo.lm\n|"
              "One\nA B C D\nzoo.lm\n|Two\nA B\nC D\nFind these words\n" +
                  wide + "\n" + wide + "\n" + wide + "\n" + wide + "\nzoo.lm\n");
    // The title and the grid are centred, and the grid's square cells fill the printable width.
    const double width = kLetter.first, cell = (width - 2 * kMargin) / 3;
    const auto& w = pdf.words;
    for (const char* s : {"Zoo", "B"}) EXPECT_NEAR(w.at(s).x(), width / 2, 1) << s;
    EXPECT_NEAR(w.at("C").x() - w.at("B").x(), cell, 1);
    EXPECT_NEAR(w.at("E").y() - w.at("B").y(), cell, 1);
    EXPECT_NEAR(w.at("zoo.lm").y1, kLetter.second - kMargin, 3);
    // Point sizes, read from the heights of the words' boxes against the 8 pt footer's.
    const auto size = [&](const char* s) { return 8 * w.at(s).height() / w.at("zoo.lm").height(); };
    EXPECT_EQ((std::vector{std::lround(size("Zoo")), std::lround(size("Find")),
                           std::lround(size("ANT")), std::lround(100 * size("B") / cell)}),
              (std::vector{20L, 16L, 14L, 60L}));  // the grid's letters 0.6 of a cell
}

// A grid whose letters would fall below 4 pt is cut into row bands (a wide one into column
// bands too), one piece a sheet under its caption, and the user is told.
TEST(Worksheet, aGridTooBigForOneSheetIsPrintedInCaptionedPieces) {
    const std::string note =
        " grid on one sheet would need letters smaller than 4 pt; it is printed in 2 pieces";
    const Pdf wide =
        written({"", Paper::A4, {grid(110, 110, {"ANT"})}}, {"/x/zoo.lm: a 110 x 110" + note});
    ASSERT_EQ(wide.pages, (std::vector{kA4, kA4, kA4}));  // the list follows on a sheet of its own
    EXPECT_EQ(wide.text(0, "2") + wide.text(1, "2") + wide.text(2),
              "Rows 1 to 110 of 110, columns 1 to 55 of 110\n"
              "Rows 1 to 110 of 110, columns 56 to 110 of 110\nFind these words\nANT\nzoo.lm\n");
    EXPECT_LT(wide.words.at("Find").y0, kMargin + 5);
    const Pdf tall = written({"", Paper::A4, {grid(150, 8)}}, {"/x/zoo.lm: a 150 x 8" + note});
    ASSERT_EQ(tall.pages.size(), 2u);
    EXPECT_EQ(tall.text(0, "2") + tall.text(1, "2,3"),
              "Rows 1 to 75 of 150\nRows 76 to 150 of 150\nC D E F G H I J\n");  // letter 600 on
}

// An answer sheet fills the cells of its words with their colours, white cells stay unmarked,
// and a darker line runs from a word's first cell to its last, inside the grid only: the word
// list below is drawn as on any sheet.
TEST(Worksheet, anAnswerSheetColoursItsCellsAndLinesEachWord) {
    // No title or footer; A and D coloured, a line from A to D.
    // clang-format off
    const Page key{.rows = 2, .cols = 2, .letters = {"A", "B", "C", "D"}, .words = {"ANT"},
                   .cellColours = {{255, 0, 0}, {}, {}, {0, 0, 255}}, .lines = {{0, 0, 1, 1}}};
    // clang-format on
    const Pdf pdf = written({"", Paper::A4, {key}});
    // The A4 sheet, 595 pixels wide at one a point, 3 bytes a pixel after the header
    // "P6\n595 842\n255\n".
    const std::string pixels = commandOutput("pdftoppm -r 72 '" + pdf.file + "' | tail -c +16");
    const auto at = [&](double x, double y) {  // the colour at a point, as 0xRRGGBB
        const auto i = 3 * static_cast<std::size_t>(std::lround(y) * 595 + std::lround(x));
        return uint8_t(pixels[i]) << 16 | uint8_t(pixels[i + 1]) << 8 | uint8_t(pixels[i + 2]);
    };
    const Box a = pdf.words.at("A"), heading = pdf.words.at("Find");
    const double cell = pdf.words.at("B").x() - a.x(), x = a.x(), y = a.y();
    EXPECT_EQ(at(x + 0.3 * cell, y - 0.3 * cell), 0xFF0000);
    EXPECT_EQ(at(x + 1.3 * cell, y - 0.3 * cell), 0xFFFFFF);
    EXPECT_EQ(at(x + 1.3 * cell, y + 0.7 * cell), 0x0000FF);
    EXPECT_LT(at(x + 0.35 * cell, y + 0.35 * cell) >> 16, 200);  // the line's red over red
    int ink = 0;
    for (double hx = heading.x0; hx < heading.x1; ++hx) ink += at(hx, heading.y()) >> 16 < 100;
    EXPECT_GT(ink, 3);
}

TEST(Worksheet, aFileThatCannotBeWrittenWholeIsAnErrorAndAMissingFontANote) {
    TempDir dir;
    for (const std::string& path : {std::string("/no/such/folder/w.pdf"), dir.file("full.pdf")}) {
        FileSizeLimit full(4096);
        const WriteResult r = writePdf({"", Paper::A4, {grid(30, 30)}}, path);
        EXPECT_EQ(r.error + (r.written ? " written" : ""), "cannot be written") << path;
    }
    WriteResult font = writePdf({"No Such Font", Paper::A4, {}}, dir.file("f.pdf"));
    // Which font stands in depends on the desktop.
    font.notes.at(0) = std::regex_replace(font.notes.at(0), std::regex("\"[^\"]+\"$"), "\"?\"");
    EXPECT_EQ(font.notes, Words{"font \"No Such Font\" is not installed; using \"?\""});
}
