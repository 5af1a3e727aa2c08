// The pdf command and the worksheets of batch --pdf. The answer sheet's marks come from the Find
// all cheat itself, run on a copy of the puzzle: the cells it colours are the cells the sheet
// colours, and each found word's line is the placement record that Find all selected.
#include "cli/Worksheets.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>

#include "cli/Commands.h"
#include "model/QuietHost.h"
#include "model/Random.h"
#include "model/Text1252.h"
#include "solve/Cheats.h"

namespace lettermaze::cli {

namespace {

struct Sheets {
    worksheet::Page puzzle, answers;
    std::vector<std::string> unmarked;  // words the records did not let Find all find
};

worksheet::Colour colourOf(std::int32_t colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    return {static_cast<unsigned char>(c & 0xFF), static_cast<unsigned char>((c >> 8) & 0xFF),
            static_cast<unsigned char>((c >> 16) & 0xFF)};
}

// The one place that reads the puzzle's own fields and runs its cheat: a loaded puzzle becomes
// its sheet (letters, then the word list as the print page lists it: hidden words, then found
// ones) and its answer sheet (the same, with every word that Find all finds marked).
Sheets sheetsOf(const Puzzle& puzzle) {
    Sheets s;
    worksheet::Page& page = s.puzzle;
    const Grid& grid = puzzle.grid;
    page.rows = grid.rowCount();
    page.cols = grid.columnCount();
    for (int r = 0; r < page.rows; ++r)
        for (int c = 0; c < page.cols; ++c)
            page.letters.push_back(utf8From1252(grid.letterAt(r, c)));
    for (const SortedList* list : {&puzzle.hiddenWords, &puzzle.foundWords})
        for (const std::string& word : list->items()) page.words.push_back(utf8From1252(word));

    Puzzle solved = puzzle;
    QuietHost host;
    host.answer = Answer::No;  // keep the words found when asked to clear the grid
    SeededRandom rnd(1);
    findAllWords(solved, host, rnd);

    s.answers = page;
    for (int r = 0; r < page.rows; ++r)
        for (int c = 0; c < page.cols; ++c)
            s.answers.cellColours.push_back(colourOf(solved.grid.colourAt(r, c)));
    for (const std::string& word : solved.foundWords.items())
        for (const PlacementRecord& record : solved.placements) {
            if (trimSpaces(record.word.value_or("")) != trimSpaces(word)) continue;
            // Rounded as the cheat rounds a record's field; -1 for a field off the grid.
            const auto cell = [](const std::optional<double>& v, int count) {
                const double n = v ? std::nearbyint(*v) : 0;
                return n >= 1 && n <= count ? static_cast<int>(n) - 1 : -1;
            };
            const worksheet::WordLine line{cell(record.y1, page.rows), cell(record.x1, page.cols),
                                           cell(record.y2, page.rows), cell(record.x2, page.cols)};
            if (line.row1 >= 0 && line.col1 >= 0 && line.row2 >= 0 && line.col2 >= 0)
                s.answers.lines.push_back(line);
            break;
        }
    for (const std::string& word : solved.hiddenWords.items())
        s.unmarked.push_back(utf8From1252(word));
    return s;
}

std::string asTyped(const std::string& utf8) {
    return utf8From1252(trimSpaces(cp1252FromUtf8(utf8)));
}

}  // namespace

worksheet::Paper paperOfLocale(const std::string& locale) {
    static const std::set<std::string> letterTerritories = {
        "US", "CA", "MX", "PR", "PH", "CL", "CO", "VE", "CR", "GT", "PA", "SV", "NI", "BO"};
    const auto underscore = locale.find('_');
    if (underscore == std::string::npos) return worksheet::Paper::A4;
    const std::string territory = locale.substr(underscore + 1, 2);
    return letterTerritories.count(territory) ? worksheet::Paper::Letter : worksheet::Paper::A4;
}

worksheet::Paper paperChoice(const Options& o) {
    if (const auto v = o.value("--paper")) {
        std::string paper = *v;
        for (char& c : paper) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (paper == "a4") return worksheet::Paper::A4;
        if (paper == "letter") return worksheet::Paper::Letter;
        throw UsageError("--paper must be a4 or letter, not \"" + *v + "\"");
    }
    for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"})
        if (const char* v = std::getenv(name); v && *v) return paperOfLocale(v);
    return worksheet::Paper::A4;
}

WorksheetBook::WorksheetBook(const std::string& title, const std::string& font,
                             worksheet::Paper paper)
    : title_(asTyped(title)) {
    document_.font = asTyped(font);
    document_.paper = paper;
}

void WorksheetBook::add(const Puzzle& puzzle, const std::string& source) {
    Sheets s = sheetsOf(puzzle);
    const std::string name = std::filesystem::path(source).filename().string();
    s.puzzle.title = title_;
    s.puzzle.footer = name;
    s.puzzle.source = source;
    s.answers.source = source + " (answers)";
    s.answers.title = title_.empty() ? "Answers" : title_ + " - answers";
    s.answers.footer = "Answers to " + name;
    if (!s.unmarked.empty()) {
        std::cerr << "lettermaze-cli: " << source << ": its records do not let every word be found;"
                  << " not marked on the answer sheet:";
        for (const std::string& w : s.unmarked) std::cerr << " " << w;
        std::cerr << "\n";
    }
    document_.pages.push_back(std::move(s.puzzle));
    answers_.push_back(std::move(s.answers));
}

bool WorksheetBook::write(const std::string& path, bool withAnswers) {
    worksheet::Document document = document_;
    if (withAnswers) document.pages.insert(document.pages.end(), answers_.begin(), answers_.end());
    const worksheet::WriteResult r = worksheet::writePdf(document, path);
    for (const std::string& note : r.notes) std::cerr << "lettermaze-cli: " << note << "\n";
    if (!r.written) std::cerr << "lettermaze-cli: " << path << ": " << r.error << "\n";
    return r.written;
}

int runPdf(const Args& args) {
    const Options o(args, {"-o", "--title", "--font", "--paper"}, {"--key"});
    if (o.help()) {
        std::cout
            << "usage: lettermaze-cli pdf PUZZLE.lm... -o OUT.pdf [--title T] [--font F] [--key] "
               "[--paper a4|letter]\n"
               "Writes worksheets ready to print: for each puzzle one sheet with the title\n"
               "(\"Lettermaze\" unless told), the grid and the words to find, in font F (arial\n"
               "or the nearest installed font unless told); with --key, after all the puzzles,\n"
               "one answer sheet per puzzle with every word marked as Find all finds it. The\n"
               "paper is --paper, else the locale's (LC_PAPER): letter for the United States,\n"
               "Canada and other letter countries, A4 elsewhere.\n";
        return 0;
    }
    if (o.positional().empty()) throw UsageError("pdf needs at least one puzzle file");
    const auto out = o.value("-o");
    if (!out) throw UsageError("pdf needs -o OUT.pdf");
    WorksheetBook book(o.value("--title").value_or("Lettermaze"), o.value("--font").value_or(""),
                       paperChoice(o));
    for (const std::string& file : o.positional()) {
        Puzzle p;
        QuietHost host;
        if (!load(file, p, host)) return 1;
        book.add(p, file);
    }
    return book.write(*out, o.flag("--key")) ? 0 : 1;
}

}  // namespace lettermaze::cli
