#pragma once
// Worksheets on paper: puzzle pages and answer pages written as one print-ready PDF. The pages
// are described as plain data (UTF-8 text, colours as red, green and blue), so that callers
// never see the Qt that draws them.
#include <string>
#include <vector>

namespace lettermaze::worksheet {

enum class Paper { A4, Letter };

struct Colour {
    unsigned char red = 255, green = 255, blue = 255;
    bool white() const { return red == 255 && green == 255 && blue == 255; }
};

// A hidden word's line on an answer page: its first and last cell, 0-based.
struct WordLine {
    int row1 = 0, col1 = 0, row2 = 0, col2 = 0;
};

// One sheet: the title, the grid and the word list below it. An answer page also colours the
// cells of its words and draws a line through each word.
struct Page {
    std::string title;
    std::string footer;  // small print at the bottom, naming the puzzle
    std::string source;  // names the puzzle in notes to the user
    int rows = 0, cols = 0;
    std::vector<std::string> letters;  // rows x cols, row by row
    std::vector<std::string> words;    // in list order
    std::vector<Colour> cellColours;   // rows x cols, or empty; white cells stay unmarked
    std::vector<WordLine> lines;
};

struct Document {
    std::string font = "Arial";  // a family name; the nearest installed family stands in
    Paper paper = Paper::A4;
    std::vector<Page> pages;
};

struct WriteResult {
    bool written = false;
    std::string error;               // why nothing was written
    std::vector<std::string> notes;  // what the user should know: split grids, a missing font
};

// Draws every page, in order, into a PDF at `path` (text as text with its fonts embedded,
// lines as vectors). Works without a display.
WriteResult writePdf(const Document& document, const std::string& path);

}  // namespace lettermaze::worksheet
