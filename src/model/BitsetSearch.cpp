#include "model/BitsetSearch.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace lettermaze {

namespace {
// What is known of a column's starts.
constexpr std::uint8_t kUnknown = 0, kNoStart = 1, kSomeStart = 2;

// Candidates a scan may test cell by cell before the bitsets are used: enough that a roomy grid
// almost never needs them. Each time the cell scan settles a try the next one may test twice as
// many (never more than the most), each time it gives up half as many (never fewer than the
// least), so that a crowded grid, where it rarely settles anything, loses little to it. Until
// the bitsets are built, which costs about as much as testing a candidate at every other cell,
// the scans of the grid may together test that many more beyond their own budgets.
constexpr int kMostCellScan = 32, kLeastCellScan = 4;

// Columns worked out together: a pass of one letter over several columns is a short loop
// without branches, and a scan that finds a start early has not paid for many columns.
constexpr int kColumnBlock = 16;

// Called at every try with the same word as the last try most of the time: the length and the
// two ends tell most different texts apart before the full comparison.
bool sameText(std::string_view a, const std::string& b) {
    if (a.size() != b.size()) return false;
    if (a.empty()) return true;
    if (a.front() != b.front() || a.back() != b.back()) return false;
    return std::memcmp(a.data(), b.data(), a.size()) == 0;
}
}  // namespace

const std::vector<int>& BitsetSearch::spreadOrder(std::size_t length) {
    if (orders_.size() <= length) orders_.resize(length + 1);
    std::vector<int>& order = orders_[length];
    if (order.size() == length) return order;
    // Bit-reversed counting visits 0, half, quarters, eighths ... of the run.
    const int L = static_cast<int>(length);
    const int width = std::bit_width(static_cast<unsigned>(std::max(L - 1, 1)));
    for (int n = 0; n < (1 << width); ++n) {
        int i = 0;
        for (int b = 0; b < width; ++b)
            if (n & (1 << b)) i |= 1 << (width - 1 - b);
        if (i < L) order.push_back(i);
    }
    return order;
}

BitsetSearch::BitsetSearch(const std::vector<char>& letters) {
    index_.fill(-1);
    learnLetters(std::string_view(letters.data(), letters.size()));
}

void BitsetSearch::learnLetters(std::string_view text) {
    bool learned = false;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (index_[b] >= 0) continue;
        index_[b] = static_cast<int>(alphabet_.size());
        alphabet_.push_back(b);
        learned = true;
    }
    // The bitsets and the probes into them are laid out for the old alphabet.
    if (learned) resetBitsets();
}

void BitsetSearch::attach(std::vector<GridCell>& cells, int cols, int rows) {
    cells_ = &cells;
    cols_ = cols;
    rows_ = rows;
    cellScanBudget_ = kMostCellScan;
    unbuiltTests_ = cols * rows / 2;
    resetBitsets();
}

void BitsetSearch::resetBitsets() {
    forgetStarts();
    built_ = false;
}

void BitsetSearch::build() {
    built_ = true;
    letters_ = static_cast<int>(alphabet_.size());
    // The spare word: a start near the bottom reads the word after its own.
    stride_ = (rows_ + 63) / 64 + 1;
    wordStride_ = static_cast<std::ptrdiff_t>(letters_) * cols_;
    accept_.resize(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(wordStride_));
    for (int j = 0; j < stride_; ++j) {
        const int below = std::clamp(rows_ - 64 * j, 0, 64);
        const std::uint64_t rowsHere = below == 64 ? ~0ULL : (1ULL << below) - 1;
        std::fill(accept_.begin() + j * wordStride_, accept_.begin() + (j + 1) * wordStride_,
                  rowsHere);
    }
    for (int x = 0; x < cols_; ++x)
        for (int y = 0; y < rows_; ++y) {
            const GridCell c = (*cells_)[static_cast<std::size_t>(x) * rows_ + y];
            if (c != kEmptyCell) refuseOthers(x, y, letterOf(c));
        }
}

// Cell (x, y), 0-based, now holds the letter and refuses every other one (every letter, if the
// bitsets have no row for its own).
void BitsetSearch::refuseOthers(int x, int y, char letter) {
    std::uint64_t* run = accept_.data() + (y / 64) * wordStride_ + x;
    const std::uint64_t bit = 1ULL << (y % 64);
    for (int l = 0; l < letters_; ++l) run[static_cast<std::ptrdiff_t>(l) * cols_] &= ~bit;
    const int own = index_[static_cast<unsigned char>(letter)];
    if (own >= 0) run[static_cast<std::ptrdiff_t>(own) * cols_] |= bit;
}

void BitsetSearch::forgetStarts() {
    for (Starts& s : starts_) s.valid = false;
}

BitsetSearch::Starts& BitsetSearch::entryFor(std::string_view text, Direction d) {
    if (sameText(text, forward_)) {
        orientation_ = 0;
    } else if (sameText(text, backward_)) {
        orientation_ = 1;
    } else {
        // A new text: results of the last one are of no use.
        forgetStarts();
        forward_.assign(text);
        backward_.assign(text.rbegin(), text.rend());
        orientation_ = 0;
    }
    return starts_[static_cast<std::size_t>(4 * orientation_ + static_cast<int>(d))];
}

void BitsetSearch::prepare(Starts& s, Direction d) {
    const std::string& text = orientation_ == 0 ? forward_ : backward_;
    learnLetters(text);
    if (!built_) build();
    s.valid = true;
    s.noneInRange = false;
    const int L = static_cast<int>(text.size());
    const bool down = d != Direction::Right;
    s.lastStart = down ? rows_ - L + 1 : rows_;
    s.words = (s.lastStart + 63) / 64;
    s.masks.resize(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(s.words));
    s.open.resize(static_cast<std::size_t>(s.words));
    for (int k = 0; k < s.words; ++k) {
        const int count = std::min(s.lastStart - 64 * k, 64);
        s.open[static_cast<std::size_t>(k)] = count == 64 ? ~0ULL : (1ULL << count) - 1;
    }
    s.known.assign(static_cast<std::size_t>(cols_), kUnknown);
    const std::vector<int>& order = spreadOrder(text.size());
    const int dx = stepX(d);
    s.probes.resize(order.size());
    for (std::size_t n = 0; n < order.size(); ++n) {
        const int i = order[n];
        const int letter = index_[static_cast<unsigned char>(text[static_cast<std::size_t>(i)])];
        const std::ptrdiff_t column = static_cast<std::ptrdiff_t>(letter) * cols_ + dx * i;
        s.probes[n] = down ? Probe{(i / 64) * wordStride_ + column, i % 64} : Probe{column, 0};
    }
}

// The start rows of columns first to last (1-based) at which all the text's letters are
// accepted, into their masks: one letter at a time over all of them, until none has a start
// left or every letter is tested. DY is 0 for runs along a row, 1 for runs down, and 2 for runs
// down a column of at most 64 rows, whose letters all lie in its first word.
template <int DY>
void BitsetSearch::blockStarts(Starts& s, int first, int last) {
    const int n = last - first + 1, words = s.words;
    // Column c's word k is at m[k x cols + c]: one pass of a letter runs straight through the
    // block without a branch.
    std::uint64_t* m = s.masks.data() + (first - 1);
    for (int k = 0; k < words; ++k) std::fill(m + k * cols_, m + k * cols_ + n, s.open[k]);
    const std::uint64_t* base = accept_.data() + (first - 1);
    const std::ptrdiff_t wordStep = wordStride_;
    for (const Probe& p : s.probes) {
        std::uint64_t alive = 0;
        for (int k = 0; k < words; ++k) {
            const std::uint64_t* word = base + p.offset + k * wordStep;
            std::uint64_t* out = m + k * cols_;
            for (int c = 0; c < n; ++c) {
                std::uint64_t accepted;
                if constexpr (DY == 0) {
                    accepted = word[c];
                } else if constexpr (DY == 2) {
                    accepted = word[c] >> p.shift;
                } else {
                    // Two shifts so that a shift of 0 needs neither a branch nor a shift by 64.
                    accepted = (word[c] >> p.shift) | ((word[c + wordStep] << 1) << (63 - p.shift));
                }
                out[c] &= accepted;
                alive |= out[c];
            }
        }
        if (!alive) break;
    }
    std::uint8_t* known = s.known.data() + (first - 1);
    for (int c = 0; c < n; ++c) {
        std::uint64_t any = m[c];
        for (int k = 1; k < words; ++k) any |= m[k * cols_ + c];
        known[c] = any ? kSomeStart : kNoStart;
    }
}

// Whether column x holds a start. Worked out, when not yet known, with the next few columns up
// to `last`, which the scan reaches next.
bool BitsetSearch::holdsStart(Starts& s, bool down, int x, int last) {
    const auto column = static_cast<std::size_t>(x - 1);
    if (s.known[column] == kUnknown) {
        const int blockEnd = std::min(last, x + kColumnBlock - 1);
        if (down && rows_ <= 64) {
            blockStarts<2>(s, x, blockEnd);
        } else if (down) {
            blockStarts<1>(s, x, blockEnd);
        } else {
            blockStarts<0>(s, x, blockEnd);
        }
    }
    return s.known[column] == kSomeStart;
}

bool BitsetSearch::accepts(std::string_view text, Direction d, int x, int y) const {
    const std::ptrdiff_t step =
        static_cast<std::ptrdiff_t>(stepX(d)) * rows_ + static_cast<std::ptrdiff_t>(stepY(d));
    const GridCell* cell =
        cells_->data() + static_cast<std::ptrdiff_t>(x - 1) * rows_ + (y - 1);
    for (char c : text) {
        if (*cell != kEmptyCell && *cell != cellOf(c)) return false;
        cell += step;
    }
    return true;
}

template <class Rng>
std::optional<Spot> BitsetSearch::scanColumns(Starts& s, const ScanShape& shape, bool down,
                                              Rng& rnd) {
    const int x0 = shape.column(rnd.peek(0));
    bool drewFirstColumn = false;
    for (int x = x0; x <= shape.lastColumn; ++x) {
        if (!holdsStart(s, down, x, shape.lastColumn)) continue;
        if (!drewFirstColumn) {
            rnd.next();  // it is x0
            drewFirstColumn = true;
        }
        // The first start at or below the column's random first row.
        const int y0 = shape.row(rnd.next());
        const std::uint64_t* mask = s.masks.data() + (x - 1);  // word k at mask[k x cols]
        int k = (y0 - 1) >> 6;
        std::uint64_t m = mask[k * cols_] & (~0ULL << ((y0 - 1) & 63));
        while (!m && ++k < s.words) m = mask[k * cols_];
        if (m) return Spot{x, 64 * k + std::countr_zero(m) + 1};
    }
    if (drewFirstColumn) return std::nullopt;
    // Nothing from x0 on: the first column is drawn, in vain, only if a column left of it holds
    // a start.
    for (int x = shape.firstColumn; x < x0; ++x)
        if (holdsStart(s, down, x, x0 - 1)) {
            rnd.next();
            return std::nullopt;
        }
    s.noneInRange = true;
    return std::nullopt;
}

template <class Rng>
BitsetSearch::Verdict BitsetSearch::scanCells(std::string_view text, Direction d,
                                              const ScanShape& shape, Rng& rnd, int& budget,
                                              Spot& found) {
    // Draws are only looked at here; `draws` counts those the scan has made so far (the first
    // column's and the first rows of the columns that hold a start), all taken at the end.
    const int x0 = shape.column(rnd.peek(0));
    int draws = 1;
    const auto take = [&rnd, &draws] {
        for (int n = 0; n < draws; ++n) rnd.next();
    };
    for (int x = x0; x <= shape.lastColumn; ++x) {
        const int y0 = shape.row(rnd.peek(draws));
        for (int y = y0; y <= shape.lastRow; ++y) {
            if (--budget < 0) return Verdict::Undecided;
            if (accepts(text, d, x, y)) {
                ++draws;
                take();
                found = Spot{x, y};
                return Verdict::Found;
            }
        }
        // Nothing from the first row on; the row was drawn if a start lies above it.
        for (int y = 1; y < y0; ++y) {
            if (--budget < 0) return Verdict::Undecided;
            if (accepts(text, d, x, y)) {
                ++draws;
                break;
            }
        }
    }
    if (draws == 1) {
        // No start from x0 on: the first column is drawn only if a column left of it holds one.
        bool anyStart = false;
        for (int x = shape.firstColumn; x < x0 && !anyStart; ++x)
            for (int y = 1; y <= shape.lastRow && !anyStart; ++y) {
                if (--budget < 0) return Verdict::Undecided;
                anyStart = accepts(text, d, x, y);
            }
        if (!anyStart) return Verdict::NoStartInRange;
    }
    take();
    return Verdict::NoRoom;
}

template <class Rng>
std::optional<Spot> BitsetSearch::findWith(std::string_view text, Direction d, Rng& rnd) {
    const ScanShape shape(d, static_cast<int>(text.size()), cols_, rows_);
    Starts& s = entryFor(text, d);
    if (!s.valid) {
        Spot found;
        const int budget = cellScanBudget_ + (built_ ? 0 : unbuiltTests_);
        int left = budget;
        const Verdict verdict = scanCells(text, d, shape, rnd, left, found);
        if (!built_) unbuiltTests_ -= std::clamp(budget - left - cellScanBudget_, 0, unbuiltTests_);
        cellScanBudget_ = verdict == Verdict::Undecided
                              ? std::max(cellScanBudget_ / 2, kLeastCellScan)
                              : std::min(cellScanBudget_ * 2, kMostCellScan);
        switch (verdict) {
            case Verdict::Found:
                return found;
            case Verdict::NoRoom:
                return std::nullopt;
            case Verdict::NoStartInRange:
                // Known until the grid changes, as if worked out with the bitsets.
                s.valid = true;
                s.noneInRange = true;
                return std::nullopt;
            case Verdict::Undecided:
                break;
        }
        prepare(s, d);
    }
    if (s.noneInRange) return std::nullopt;
    return scanColumns(s, shape, d != Direction::Right, rnd);
}

void BitsetSearch::write(std::string_view text, Direction d, Spot s) {
    forgetStarts();  // the grid changes
    const int dx = stepX(d), dy = stepY(d);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int x = s.x - 1 + dx * static_cast<int>(i);
        const int y = s.y - 1 + dy * static_cast<int>(i);
        GridCell& cell = (*cells_)[static_cast<std::size_t>(x) * rows_ + y];
        if (cell != kEmptyCell) continue;  // already holds this letter
        cell = cellOf(text[i]);
        if (built_) refuseOthers(x, y, text[i]);
    }
}

}  // namespace lettermaze
