#pragma once
// The fast search. For every column and every letter the words use, a bitset over the rows
// marks the cells that accept that letter (empty, or holding it). The start rows at which a
// text fits in a column are then the AND of its letters' bitsets, each shifted by the letter's
// offset along the run: a few word operations per 64 start rows instead of a cell test for
// every start and letter. Sixteen neighbouring columns are narrowed down side by side in vector
// registers, letter after letter, and dropped as soon as none of them has a start left, which in
// a crowded grid happens after a handful of letters. The letters are tested in a spread-out
// order (first, middle, quarters, ...) rather than first to last, since every start's run
// covers the middle of the word.
// A word that finds no room is tried again and again on the same grid (up to 41 times, in at
// most two orientations and four directions), so each column's result is kept until the grid
// changes, and a repeated try costs a look at the columns that hold a start; a text and
// direction known to fit nowhere cost nothing at all, as they draw nothing. Once a text has
// failed a try, lastTextFitsNowhere works out all of its directions: when none holds a start,
// the caller only makes the draws of the tries left.
// A run straight down a grid taller than 64 rows would read two words and shift them for every
// letter, so those runs read a second set of bitsets, by rows: for every block of sixteen
// columns, row and letter, a 16-bit word marks the columns that accept it, and a letter at place
// i of the run gives start row y the word of its row y + i, whole.
// In a roomy grid nearly every first candidate fits, and building bitsets would cost more than
// the whole literal scan. So a text and direction are first scanned cell by cell, looking at the
// draws the scan would make without taking them, for a few hundred cells; only when that does
// not settle the try are the bitsets built (once per grid, then kept up to date by every write)
// and the columns' starts worked out. Either way the draws and the start found are those of the
// literal search.
#include <array>
#include <cstdint>
#include <string>

#include "model/PlacementSearch.h"

namespace lettermaze {

// Where one letter of a text is read, relative to the scanned column's bitset (or a block's
// row): its letter's bitsets and whole words along the run; its place along the run, which
// moves it the run's column step that many columns; and the bits left within a word.
struct BitsetProbe {
    std::int32_t offset;
    std::int16_t at;
    std::int16_t shift;
};

// Columns whose start rows are worked out side by side.
inline constexpr int kGroup = 16;

class BitsetSearch final : public PlacementSearch {
  public:
    // letters: the characters the texts will use (the letter pool); any other character is
    // taken on when first met.
    explicit BitsetSearch(const std::vector<char>& letters);

    void attach(std::vector<GridCell>& cells, int cols, int rows) override;
    std::optional<Spot> find(std::string_view text, Direction d, SeededRandom& rnd) override;
    std::optional<Spot> find(std::string_view text, Direction d, Random& rnd) override;
    void write(std::string_view text, Direction d, Spot s) override;
    bool lastTextFitsNowhere() override;

    // How the letters' bitsets are read: along a row (the run goes right), down a column of at
    // most 64 rows, whose letters all lie in its first word, down a taller one, or, for a run
    // straight down a taller one, by rows.
    enum class Reading { Across, DownOneWord, Down, ByRows };

  private:
    // The start rows of one text in one direction, column by column, worked out a group of
    // kGroup columns at a time as the scans reach them.
    struct Starts {
        std::uint64_t epoch = 0;   // set up for the current text and grid when epoch_
        bool noneInRange = false;  // no column of the scan's range holds a start
        Reading reading = Reading::Across;
        int firstColumn = 0, lastColumn = 0;  // the scan's range
        int groups = 0;                       // of kGroup columns, the last one maybe fewer
        int words = 0;                        // words of a column's mask (by rows: a block's)
        int lastRow = 0;                      // of the scan
        std::vector<std::uint16_t> rowMasks;  // read by rows: the columns of block b that can
                                              // start at row y + 1 at b x words + y
        std::uint64_t lastWord = 0;           // the start rows the last word may hold
        std::vector<std::uint64_t> masks;     // column x's word k at (x - 1) x words + k; bit r:
                                              // start row 64 k + r + 1
        std::vector<std::uint64_t> holding;   // bit x - 1: column x holds a start
        std::vector<std::uint8_t> worked;     // group g (columns firstColumn + kGroup g on) is
                                              // worked out
        const BitsetProbe* probes = nullptr;  // the text's, in the order they are tested
        std::size_t probeCount = 0;
        int step = 0;  // columns from one letter to the next
    };

    // What a scan cell by cell made of a try before its budget ran out: a start, none (with
    // or without a start elsewhere in the scan's range) or nothing yet.
    enum class Verdict { Found, NoRoom, NoStartInRange, Undecided };

    template <class Rng>
    std::optional<Spot> findWith(std::string_view text, Direction d, Rng& rnd);
    template <class Rng>
    Verdict scanCells(std::string_view text, Direction d, const ScanShape& shape, Rng& rnd,
                      int& budget, Spot& found);
    template <class Rng>
    std::optional<Spot> scanColumns(Starts& starts, const ScanShape& shape, Rng& rnd);
    Starts& entryFor(std::string_view text, Direction d);
    void prepare(Starts& starts, std::string_view text, Direction d, const ScanShape& shape);
    bool holdsAnyStart(Starts& starts);
    int firstHolding(Starts& starts, int from, int to);
    int nextColumn(const Starts& starts, int from, int last) const;
    void workOut(Starts& starts, int group, int end);
    bool accepts(std::string_view text, Direction d, int x, int y, int& budget) const;
    const std::vector<int>& spreadOrder(std::size_t length);
    void forgetStarts();
    void forgetText();
    const std::string& textFor(int orientation);
    void learnLetters(std::string_view text);
    void build();
    void buildRows();

    std::vector<GridCell>* cells_ = nullptr;
    int cols_ = 0;
    int rows_ = 0;
    bool built_ = false;      // accept_ matches the cells
    int cellScanBudget_ = 0;  // cells the next cell scan may look at
    int unbuiltCells_ = 0;    // cells the scans may still look at before the bitsets are built
    int skippedScans_ = 0;    // tries sent straight to the bitsets since the budget ran out
    int letters_ = 0;
    int stride_ = 0;                   // words of rows: rows / 64 rounded up, plus one spare
    std::ptrdiff_t wordStride_ = 0;    // from one word of rows to the next: the columns
    std::ptrdiff_t letterStride_ = 0;  // the bitsets of one letter: words x columns

    std::array<int, 256> index_;  // letter -> its place in alphabet_, -1 when not there
    std::vector<unsigned char> alphabet_;
    // accept_[letter x letterStride_ + word x wordStride_ + column]: the columns of one letter
    // and word of rows lie side by side, the next word of rows right after them.
    std::vector<std::uint64_t> accept_;
    // The same by rows, when byRows_: acceptRows_[letter x letterStride_ + block x rowStride_ +
    // row], bit j for column kGroup x block + j.
    std::vector<std::uint16_t> acceptRows_;
    bool byRows_ = false;           // the grid is taller than 64 rows
    int blocks_ = 0;                // of kGroup columns
    std::ptrdiff_t rowStride_ = 0;  // from one block to the next: its rows and kRowGroup spare
    std::vector<std::vector<int>> orders_;  // spreadOrder's results by length
    // The text being tried, both ways round, and its results for each orientation (0 as
    // first seen, 1 reversed) and direction: slot 4 x orientation + direction.
    std::string forward_, backward_;
    int orientation_ = 0;          // of the text of the current find
    bool lettersLearned_ = false;  // the bitsets have rows for every letter of the text
    // Each orientation's probes of each kind (2 x orientation + kind), worked out when first
    // needed.
    std::array<std::vector<BitsetProbe>, 4> probes_;
    bool fitsSomewhere_ = false;  // the text fits somewhere on the grid as it is
    std::array<Starts, 8> starts_;
    // Counts the changes of text and grid, so that forgetting every slot's results is one step.
    std::uint64_t epoch_ = 1;
};

}  // namespace lettermaze
