#include "cli/Commands.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "cli/Options.h"
#include "cli/Worksheets.h"
#include "files/PuzzleFile.h"
#include "model/Generator.h"
#include "model/QuietHost.h"
#include "model/Random.h"
#include "model/Text1252.h"
#include "model/WordEntry.h"
#include "model/WordPrep.h"
#include "output/Page.h"
#include "output/Print.h"
#include "output/TextCopies.h"
#include "solve/Cheats.h"
#include "solve/Occurrences.h"

namespace lettermaze::cli {

namespace {

// ---- reading and writing -------------------------------------------------------------------

bool readBytes(const std::string& path, std::string& out) {
    if (path == "-") {
        out.assign(std::istreambuf_iterator<char>(std::cin), {});
        return true;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), {});
    return !in.bad();
}

bool validUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int extra = b < 0x80             ? 0
                          : (b & 0xE0) == 0xC0 ? 1
                          : (b & 0xF0) == 0xE0 ? 2
                          : (b & 0xF8) == 0xF0 ? 3
                                               : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= s.size() + (extra == 0 ? 1 : 0))
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// Word lists may come in UTF-8 or in windows-1252; the core wants windows-1252.
std::string decodeText(const std::string& bytes) {
    return validUtf8(bytes) ? cp1252FromUtf8(bytes) : bytes;
}

// One word per line, whatever the line ends (the word box makes them CR LF); the last line is
// typed as if followed by Enter.
std::string wordBoxText(std::string text) {
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
    return text;
}

int fail(const std::string& file, const std::string& reason) {
    std::cerr << "lettermaze-cli: " << file << ": " << reason << "\n";
    return 1;
}

}  // namespace

bool load(const std::string& path, Puzzle& p, QuietHost& host) {
    std::string bytes;
    if (!readBytes(path, bytes)) {
        fail(path, "cannot be read");
        return false;
    }
    const LoadResult r = loadPuzzle(p, host, bytes);
    if (r.outcome == LoadOutcome::Loaded) return true;
    if (r.outcome == LoadOutcome::OldFormat)
        fail(path, host.messages.empty() ? "old format" : host.messages.back());
    else
        fail(path, "not a Lettermaze puzzle (" + r.reason + ")");
    return false;
}

namespace {

std::string oneFile(const Options& o, const char* command) {
    if (o.positional().size() != 1)
        throw UsageError(std::string(command) + " takes exactly one puzzle file");
    return o.positional()[0];
}

void emit(const std::string& cp1252, bool utf8) {
    const std::string out = utf8 ? utf8From1252(cp1252) : cp1252;
    std::cout.write(out.data(), static_cast<std::streamsize>(out.size()));
    std::cout.flush();
}

// The grid as "Copy lettermaze" copies it, or with --raw its exact bytes. Its rows are split by
// a lone CR, which a terminal overprints into one line, so by default every row ends in a
// newline instead.
void emitGrid(const Grid& g, bool raw) {
    std::string text = gridText(g);
    if (!raw) {
        for (char& c : text)
            if (c == '\r') c = '\n';
        if (g.rowCount() > 0) text += '\n';
    }
    emit(text, true);
}

// ---- making puzzles ------------------------------------------------------------------------

struct MakeSettings {
    std::string rows = "20", cols = "20";
    int level = 3;
    std::uint32_t seed = 0;
    bool seeded = false;
};

MakeSettings makeSettings(const Options& o) {
    MakeSettings s;
    if (auto v = o.value("--rows")) s.rows = *v;
    if (auto v = o.value("--cols")) s.cols = *v;
    const long level = o.number("--level", 3);
    if (level < 0 || level > 9) throw UsageError("--level must be 0 to 9");
    s.level = static_cast<int>(level);
    if (o.value("--seed")) {
        s.seed = static_cast<std::uint32_t>(o.number("--seed", 0));
        s.seeded = true;
    }
    return s;
}

// Runs the Create button on the words; returns the exit status (0 when a puzzle was made).
int makePuzzle(Puzzle& p, const std::string& words, const MakeSettings& s, std::uint32_t seed,
               const std::string& source) {
    QuietHost host;
    // The words pass the word box's typing filter, as if typed there.
    const PuzzleRequest request{filterWordText(wordBoxText(words), 0).text, s.cols, s.rows,
                                s.level};
    // The same preparation the button makes, to name the words that found no room.
    GenerationScratch scratch;
    PreparedWords prepared;
    prepareWords(request.wordText, scratch, prepared);
    SeededRandom rnd(seed);
    switch (generatePuzzle(p, scratch, request, host, rnd)) {
        case GenerateOutcome::BadSize:
            throw UsageError("the grid size must be 4 to 200 rows and columns");
        case GenerateOutcome::NothingToPlace:
            return fail(source,
                        "no puzzle: it needs at least one word of two or more letters, "
                        "not all of one letter");
        case GenerateOutcome::Created:
            break;
    }
    // The window says nothing of words that found no room; a batch user needs to know.
    for (std::size_t k = 0; k < p.placements.size() && k < prepared.words.size(); ++k)
        if (p.placements[k].empty())
            std::cerr << "lettermaze-cli: " << source
                      << ": not placed: " << utf8From1252(prepared.words[k]) << "\n";
    return 0;
}

}  // namespace

}  // namespace lettermaze::cli

namespace lettermaze::cli {

namespace {

const std::set<std::string> kMakeValued = {"--rows", "--cols", "--level", "--seed", "-o"};
const std::set<std::string> kRawFlag = {"--raw"};

void help(const char* text) {
    std::cout << text;
}

// Saves the puzzle as the window's Save command writes it; false (with a message) on failure.
bool save(const Puzzle& p, const std::string& path) {
    // The same safe save as the window: an earlier file survives a failed write.
    if (savePuzzleFile(p, path)) return true;
    fail(path, "cannot be written");
    return false;
}

// Finds every remaining word as "Find all words" does, declining to clear the grid at the end.
void solveAll(Puzzle& p) {
    QuietHost host;
    host.answer = Answer::No;
    SeededRandom rnd(1);
    findAllWords(p, host, rnd);
}

}  // namespace

int runMake(const Args& args) {
    const Options o(args, kMakeValued, kRawFlag);
    if (o.help()) {
        help(
            "usage: lettermaze-cli make [--rows N] [--cols N] [--level L] [--seed S] [-o OUT.lm] "
            "[--raw] [WORDFILE|-]\n"
            "Makes a puzzle from a word list (one word per line; - or nothing reads standard\n"
            "input) exactly as the Create button does: 20 x 20 at level 3 unless told.\n"
            "Without -o the grid is printed as the grid command prints it (--raw as there).\n"
            "The same seed and words give the same puzzle. Words that found no room are named\n"
            "on standard error.\n");
        return 0;
    }
    if (o.positional().size() > 1) throw UsageError("make takes at most one word file");
    const std::string source = o.positional().empty() ? "-" : o.positional()[0];
    const MakeSettings s = makeSettings(o);
    std::string bytes;
    if (!readBytes(source, bytes)) return fail(source, "cannot be read");
    Puzzle p;
    const int status =
        makePuzzle(p, decodeText(bytes), s, s.seeded ? s.seed : SeededRandom::clockSeed(), source);
    if (status != 0) return status;
    if (const auto out = o.value("-o")) return save(p, *out) ? 0 : 1;
    emitGrid(p.grid, o.flag("--raw"));
    return 0;
}

int runGrid(const Args& args) {
    const Options o(args, {}, kRawFlag);
    if (o.help()) {
        help(
            "usage: lettermaze-cli grid FILE.lm [--raw]\n"
            "Prints the puzzle's letters, a TAB between letters, each row on its own line.\n"
            "With --raw, the exact bytes \"Copy lettermaze\" puts on the clipboard: a lone\n"
            "carriage return between rows and nothing after the last one.\n");
        return 0;
    }
    const std::string file = oneFile(o, "grid");
    Puzzle p;
    QuietHost host;
    if (!load(file, p, host)) return 1;
    emitGrid(p.grid, o.flag("--raw"));
    return 0;
}

int runWords(const Args& args) {
    const Options o(args, {}, {});
    if (o.help()) {
        help(
            "usage: lettermaze-cli words FILE.lm\n"
            "Prints the puzzle's words exactly as \"Copy hidden words list\" copies them: the\n"
            "hidden words, then the found ones, each followed by CR LF.\n");
        return 0;
    }
    const std::string file = oneFile(o, "words");
    Puzzle p;
    QuietHost host;
    if (!load(file, p, host)) return 1;
    emit(wordsText(p), true);
    return 0;
}

int runPage(const Args& args) {
    const Options o(args, {"--title"}, {"--highlight", "--clipboard"});
    if (o.help()) {
        help(
            "usage: lettermaze-cli page FILE.lm [--title T] [--highlight] [--clipboard]\n"
            "Prints the puzzle's web page exactly as \"Make this lettermaze into a web page...\"\n"
            "writes it (title \"Lettermaze\" unless told; found words in their colours with\n"
            "--highlight), or with --clipboard the HTML that \"Copy HTML for this\n"
            "lettermaze...\" copies. Pages are windows-1252, as they declare.\n");
        return 0;
    }
    const std::string file = oneFile(o, "page");
    Puzzle p;
    QuietHost host;
    if (!load(file, p, host)) return 1;
    const std::string title = cp1252FromUtf8(o.value("--title").value_or("Lettermaze"));
    const bool highlight = o.flag("--highlight") && p.foundWords.count() > 0;
    if (o.flag("--clipboard"))
        emit(buildPage(p, PageForm::Clipboard, title, highlight), false);
    else
        emit(buildPage(p, PageForm::Web, title, highlight) + "\r\n", false);
    return 0;
}

int runPrintPage(const Args& args) {
    const Options o(args, {"--title", "--what", "--font"}, {"--highlight"});
    if (o.help()) {
        help(
            "usage: lettermaze-cli print-page FILE.lm [--title T] [--what 0|1|2] [--font F] "
            "[--highlight]\n"
            "Prints the page that Print... writes: --what 0 the puzzle and its words (the\n"
            "default), 1 the puzzle only, 2 the words only; --font the font face (default\n"
            "arial), in lower case as the print dialog gives it; --highlight shows found\n"
            "words in their colours.\n");
        return 0;
    }
    const std::string file = oneFile(o, "print-page");
    const long what = o.number("--what", 0);
    if (what < 0 || what > 2) throw UsageError("--what must be 0, 1 or 2");
    Puzzle p;
    QuietHost host;
    if (!load(file, p, host)) return 1;
    PrintSettings s;
    // The choices as the print dialog hands them over, accented letters lower-cased too.
    acceptPrintChoices(s, cp1252FromUtf8(o.value("--title").value_or("Lettermaze")),
                       static_cast<int>(what), cp1252FromUtf8(o.value("--font").value_or("arial")));
    const bool highlight = o.flag("--highlight") && p.foundWords.count() > 0 && what != 2;
    emit(buildPrintPage(p, s, highlight) + "\r\n", false);
    return 0;
}

int runSolve(const Args& args) {
    const Options o(args, {"-o"}, {});
    if (o.help()) {
        help(
            "usage: lettermaze-cli solve FILE.lm -o OUT.lm\n"
            "Finds every remaining word as \"Find all words\" does, keeps them found, and saves\n"
            "the result: an answer key whose words are all highlighted.\n");
        return 0;
    }
    const std::string file = oneFile(o, "solve");
    const auto out = o.value("-o");
    if (!out) throw UsageError("solve needs -o OUT.lm");
    Puzzle p;
    QuietHost host;
    if (!load(file, p, host)) return 1;
    solveAll(p);
    return save(p, *out) ? 0 : 1;
}

int runCheck(const Args& args) {
    const Options o(args, {"--forbid"}, {});
    if (o.help()) {
        help(
            "usage: lettermaze-cli check FILE.lm [--forbid WORDFILE]\n"
            "For every word of the puzzle, prints how many straight lines of the grid spell it,\n"
            "forwards or backwards; a word found more than once, or never, is flagged. With\n"
            "--forbid, every listed word that can be read anywhere in the grid is flagged too.\n"
            "Exit status 3 when anything is flagged.\n");
        return 0;
    }
    const std::string file = oneFile(o, "check");
    Puzzle p;
    QuietHost host;
    if (!load(file, p, host)) return 1;
    bool flagged = false;
    const auto report = [&](const std::string& word, std::size_t count, bool bad,
                            const char* note) {
        std::cout << utf8From1252(word) << "\t" << count << (bad ? std::string("\t") + note : "")
                  << "\n";
        flagged = flagged || bad;
    };
    for (const SortedList* list : {&p.hiddenWords, &p.foundWords})
        for (const std::string& w : list->items()) {
            const std::size_t n = findOccurrences(p.grid, w).size();
            report(w, n, n != 1, n == 0 ? "NOT FOUND" : "MORE THAN ONCE");
        }
    if (const auto forbid = o.value("--forbid")) {
        std::string bytes;
        if (!readBytes(*forbid, bytes)) return fail(*forbid, "cannot be read");
        std::istringstream in(toCrLf(decodeText(bytes)));
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            const std::string w = upper1252(trimSpaces(line));
            if (w.empty()) continue;
            const std::size_t n = findOccurrences(p.grid, w).size();
            if (n > 0) report(w, n, true, "FORBIDDEN");
        }
    }
    return flagged ? 3 : 0;
}

int runBatch(const Args& args) {
    std::set<std::string> valued = kMakeValued;
    valued.erase("-o");
    valued.insert({"--count", "--out", "--paper"});
    const Options o(args, valued, {"--pdf"});
    if (o.help()) {
        help(
            "usage: lettermaze-cli batch --count N --out DIR [--rows N] [--cols N] [--level L] "
            "[--seed S] [--pdf [--paper a4|letter]] WORDFILE\n"
            "Makes N puzzles from one word list with seeds S, S+1, ... (S is 1 unless told).\n"
            "Each is saved as DIR/lettermaze-SEED.lm with its web page DIR/lettermaze-SEED.htm\n"
            "and its answer key DIR/lettermaze-SEED-key.htm beside it. With --pdf, also\n"
            "DIR/worksheets.pdf: every puzzle's sheet, then every answer sheet (see pdf "
            "--help).\n");
        return 0;
    }
    if (o.positional().size() != 1) throw UsageError("batch takes exactly one word file");
    const long count = o.number("--count", -1);
    if (count < 1) throw UsageError("batch needs --count N with N at least 1");
    const auto dir = o.value("--out");
    if (!dir) throw UsageError("batch needs --out DIR");
    MakeSettings s = makeSettings(o);
    if (!s.seeded) s.seed = 1;
    const std::string source = o.positional()[0];
    std::string bytes;
    if (!readBytes(source, bytes)) return fail(source, "cannot be read");
    const std::string words = decodeText(bytes);
    std::error_code ec;
    std::filesystem::create_directories(*dir, ec);
    if (!std::filesystem::is_directory(*dir)) return fail(*dir, "cannot be made a folder");
    WorksheetBook book("Lettermaze", "", paperChoice(o));
    for (long i = 0; i < count; ++i) {
        const std::uint32_t seed = s.seed + static_cast<std::uint32_t>(i);
        const std::string base = *dir + "/lettermaze-" + std::to_string(seed);
        Puzzle p;
        const int status = makePuzzle(p, words, s, seed, source);
        if (status != 0) return status;
        if (!save(p, base + ".lm")) return 1;
        if (o.flag("--pdf")) book.add(p, base + ".lm");
        if (!writePageFile(base + ".htm",
                           buildPage(p, PageForm::Web, "Lettermaze", false) + "\r\n"))
            return fail(base + ".htm", "cannot be written");
        solveAll(p);
        if (!writePageFile(base + "-key.htm",
                           buildPage(p, PageForm::Web, "Lettermaze - answers", true) + "\r\n"))
            return fail(base + "-key.htm", "cannot be written");
        std::cout << base << ".lm\n";
    }
    if (o.flag("--pdf")) return book.write(*dir + "/worksheets.pdf", true) ? 0 : 1;
    return 0;
}

}  // namespace lettermaze::cli
