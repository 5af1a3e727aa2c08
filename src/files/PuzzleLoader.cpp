// Loading a puzzle file, section by section, straight into the puzzle:
//   rows, columns (each a whole number the grid accepts), one letter line per row (the n-th
//   character of the trimmed line goes to column n; missing characters leave the cell empty),
//   one colour per cell (a field like "White" or "Yellow" marks the first version's format),
//   then both lists are emptied and refilled with the words up to each "E", and as many
//   placement records are read as the two lists hold words, stopping early at an "E".
// Each step overwrites the puzzle as it goes; a failure stops there and keeps what was done.
#include "files/PuzzleLoader.h"

#include <algorithm>
#include <fstream>
#include <new>
#include <vector>

#include "config/Publisher.h"
#include "files/FieldReader.h"
#include "model/NumericValue.h"
#include "model/Text1252.h"

namespace lettermaze {

namespace {

// Ends a load; caught in one place below.
struct LoadStop {
    LoadOutcome outcome;
    std::string reason;
};

class Loader {
  public:
    Loader(Puzzle& p, Host& host, std::streambuf& in, const LoadLimits& limits)
        : p_(p), host_(host), in_(in), limits_(limits) {}

    void run() {
        p_.grid.setRowCount(count("row count"));
        p_.grid.setColumnCount(count("column count"));
        letters();
        colours();
        p_.hiddenWords.clear();
        p_.foundWords.clear();
        words(p_.hiddenWords, "hidden words");
        words(p_.foundWords, "found words");
        records();
    }

  private:
    [[noreturn]] void fail(const std::string& why) const {
        throw LoadStop{LoadOutcome::Failed, "line " + std::to_string(line_) + ": " + why};
    }

    std::string field(const char* section) {
        line_ = in_.line();
        std::string s;
        if (!in_.read(s)) fail(std::string("the file ends in the ") + section);
        return s;
    }

    int count(const char* what) {
        const auto v = toInt32(numericValue(trimSpaces(field(what))));
        if (!v || *v < 1 || *v > limits_.maxCount)
            fail(std::string("the ") + what + " must be 1 to " + std::to_string(limits_.maxCount));
        return *v;
    }

    void letters() {
        Grid& g = p_.grid;
        for (int r = 0; r < g.rowCount(); ++r) {
            const std::string s = trimSpaces(field("letters"));
            for (int c = 0; c < g.columnCount(); ++c)
                g.setLetterAt(r, c,
                                static_cast<std::size_t>(c) < s.size()
                                    ? std::string(1, s[static_cast<std::size_t>(c)])
                                    : std::string());
        }
        g.touch();
    }

    void colours() {
        Grid& g = p_.grid;
        for (int r = 0; r < g.rowCount(); ++r)
            for (int c = 0; c < g.columnCount(); ++c) {
                const std::string s = field("colours");
                // The first version wrote colour names here.
                if (s.size() > 2 && (s[0] == 'Y' || s[0] == 'W')) {
                    g.touch();
                    host_.messageBox(kOldFormatMessage, publisher::kAppTitle, Buttons::Ok,
                                     MessageIcon::None);
                    throw LoadStop{LoadOutcome::OldFormat, kOldFormatMessage};
                }
                const auto colour = toInt32(numericValue(s));
                if (!colour) {
                    g.touch();
                    fail("the colour \"" + s + "\" is out of range");
                }
                g.setColourAt(r, c, *colour);
            }
        g.touch();
    }

    // Words up to the section's "E". The list sorts each word into place after any equal
    // ones, so adding them in stable sorted order gives the same list without shifting it
    // once per word; the words read before a failure are added all the same.
    void words(SortedList& list, const char* section) {
        std::vector<std::string> found;
        const auto addAll = [&] {
            std::stable_sort(found.begin(), found.end(), listLess);
            for (const std::string& w : found) list.add(w);
        };
        try {
            for (std::string s = trimSpaces(field(section)); s != "E";
                 s = trimSpaces(field(section)))
                if (!s.empty()) found.push_back(std::move(s));
        } catch (const LoadStop&) {
            addAll();
            throw;
        }
        addAll();
    }

    void records() {
        const std::size_t n = static_cast<std::size_t>(p_.hiddenWords.count()) +
                              static_cast<std::size_t>(p_.foundWords.count());
        for (std::size_t k = 0; k < n; ++k) {
            p_.placements.resize(k + 1);
            PlacementRecord& rec = p_.placements[k];
            std::optional<double>* numbers[] = {&rec.x1, &rec.y1, &rec.x2, &rec.y2};
            for (int f = 0; f < 5; ++f) {
                std::string s = field("placement records");
                if (s == "E") return;
                if (f == 0)
                    rec.word = trimSpaces(s);
                else
                    *numbers[f - 1] = numericValue(s);
            }
        }
    }

    Puzzle& p_;
    Host& host_;
    FieldReader in_;
    LoadLimits limits_;
    std::uint64_t line_ = 1;
};

LoadResult readPuzzle(Puzzle& p, Host& host, std::streambuf& in, const LoadLimits& limits) {
    try {
        Loader(p, host, in, limits).run();
    } catch (const LoadStop& stop) {
        return {stop.outcome, stop.reason};
    } catch (const std::bad_alloc&) {
        p.grid.touch();
        return {LoadOutcome::Failed, "not enough memory"};
    } catch (const std::exception& e) {
        p.grid.touch();
        return {LoadOutcome::Failed, e.what()};
    }
    p.inPlay = p.hiddenWords.count() > 0;
    return {LoadOutcome::Loaded, {}};
}

// The pointer and the grid's visibility around a load; open gives the stream, or nothing
// when the file cannot be opened.
template <typename Open>
LoadResult showingBusy(Puzzle& p, Host& host, const LoadLimits& limits, Open open) {
    host.setBusy(true);
    p.shown = false;
    LoadResult r{LoadOutcome::Failed, "the file cannot be opened"};
    if (std::streambuf* in = open()) r = readPuzzle(p, host, *in, limits);
    if (r.loaded()) p.shown = true;
    host.setBusy(false);
    return r;
}

}  // namespace

LoadResult loadPuzzle(Puzzle& p, Host& host, std::streambuf& in, const LoadLimits& limits) {
    return showingBusy(p, host, limits, [&] { return &in; });
}

LoadResult loadPuzzleFile(Puzzle& p, Host& host, const std::filesystem::path& path,
                          const LoadLimits& limits) {
    std::filebuf file;
    return showingBusy(p, host, limits, [&]() -> std::streambuf* {
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) return nullptr;
        return file.open(path, std::ios::in | std::ios::binary) ? &file : nullptr;
    });
}

LoadResult loadPuzzle(Puzzle& p, Host& host, std::string_view bytes, const LoadLimits& limits) {
    ViewBuffer buffer(bytes);
    return loadPuzzle(p, host, buffer, limits);
}

}  // namespace lettermaze
