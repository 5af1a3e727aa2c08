#pragma once
// Worksheets as PDF for the command-line tool: puzzles become sheets and answer sheets that the
// worksheet library draws. The tool itself stays free of Qt.
#include <string>
#include <vector>

#include "cli/Options.h"
#include "worksheet/Worksheet.h"

namespace lettermaze {
struct Puzzle;
}

namespace lettermaze::cli {

// --paper a4|letter, else the paper of the locale's LC_PAPER (LC_ALL first, LANG last): letter
// where the locale's territory prints on letter (the United States, Canada, Mexico and the
// other letter countries of the Americas, the Philippines), A4 everywhere else.
worksheet::Paper paperChoice(const Options& o);
worksheet::Paper paperOfLocale(const std::string& locale);

// Gathers puzzles into one PDF: every puzzle's sheet first, then every answer sheet.
class WorksheetBook {
  public:
    // title and font as typed (UTF-8); an empty font means the print page's default, arial.
    WorksheetBook(const std::string& title, const std::string& font, worksheet::Paper paper);

    // Adds the puzzle's sheet and its answer sheet. Words that Find all cannot find from the
    // puzzle's records are named on standard error and stay unmarked.
    void add(const Puzzle& puzzle, const std::string& source);

    // Writes the PDF (with the answer sheets when asked); false, with a message, on failure.
    bool write(const std::string& path, bool withAnswers);

  private:
    std::string title_;
    worksheet::Document document_;
    std::vector<worksheet::Page> answers_;
};

}  // namespace lettermaze::cli
