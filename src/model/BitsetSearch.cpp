#include "model/BitsetSearch.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace lettermaze {

namespace {
// Cells a scan may look at one by one before the bitsets are used: enough that a roomy grid
// almost never needs them. Each time the cell scan settles a try the next one may test twice as
// many (never more than the most), each time it gives up half as many; below the least it stops
// altogether, as a grid this crowded rarely gets roomier, and only tries again after a number
// of new texts and directions. Until the bitsets are built, which costs about as much as looking
// at every other cell, the scans of the grid may together look at that many more beyond their
// own budgets.
constexpr int kMostCellScan = 256, kLeastCellScan = 32, kSkipsBeforeRetry = 64;

// Groups of columns worked out together when a scan reaches one not yet known: the scan will
// most likely go on to the next ones.
constexpr int kGroupsAhead = 2;

// Called at every try, with the same word as the last try most of the time.
bool sameText(std::string_view a, const std::string& b) {
    const std::size_t n = a.size();
    if (n != b.size()) return false;
    if (n < 8) return std::memcmp(a.data(), b.data(), n) == 0;
    // The first and last eight bytes, which for most words are all of them.
    std::uint64_t a1, a2, b1, b2;
    std::memcpy(&a1, a.data(), 8);
    std::memcpy(&b1, b.data(), 8);
    std::memcpy(&a2, a.data() + n - 8, 8);
    std::memcpy(&b2, b.data() + n - 8, 8);
    if (a1 != b1 || a2 != b2) return false;
    return n <= 16 || std::memcmp(a.data() + 8, b.data() + 8, n - 16) == 0;
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
    if (learned) {
        forgetText();
        built_ = false;
    }
}

void BitsetSearch::attach(std::vector<GridCell>& cells, int cols, int rows) {
    cells_ = &cells;
    cols_ = cols;
    rows_ = rows;
    cellScanBudget_ = kMostCellScan;
    unbuiltCells_ = cols * rows / 2;
    skippedScans_ = 0;
    forgetText();
    built_ = false;
}

void BitsetSearch::build() {
    built_ = true;
    letters_ = static_cast<int>(alphabet_.size());
    // The spare word: a start near the bottom reads the word after its own.
    stride_ = (rows_ + 63) / 64 + 1;
    wordStride_ = cols_;
    letterStride_ = static_cast<std::ptrdiff_t>(stride_) * cols_;
    // A group of columns may run past the last column, into the next word of rows or letter, or,
    // after the last of all, into kGroup spare words.
    accept_.resize(static_cast<std::size_t>(letters_) * static_cast<std::size_t>(letterStride_) +
                   kGroup);
    for (int l = 0; l < letters_; ++l)
        for (int j = 0; j < stride_; ++j) {
            const int below = std::clamp(rows_ - 64 * j, 0, 64);
            const std::uint64_t rowsHere = below == 64 ? ~0ULL : (1ULL << below) - 1;
            const auto first = accept_.begin() + l * letterStride_ + j * wordStride_;
            std::fill(first, first + cols_, rowsHere);
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
    for (int l = 0; l < letters_; ++l) run[l * letterStride_] &= ~bit;
    const int own = index_[static_cast<unsigned char>(letter)];
    if (own >= 0) run[own * letterStride_] |= bit;
}

void BitsetSearch::forgetStarts() {
    ++epoch_;
    fitsSomewhere_ = false;
}

// The current text as first seen (0) or turned round (1), with its letters learned: from here
// on the bitsets are needed.
const std::string& BitsetSearch::textFor(int orientation) {
    if (backward_.empty()) {
        learnLetters(forward_);
        backward_.assign(forward_.rbegin(), forward_.rend());
    }
    return orientation == 0 ? forward_ : backward_;
}

void BitsetSearch::forgetText() {
    forgetStarts();
    spread_[0].clear();
    spread_[1].clear();
}

BitsetSearch::Starts& BitsetSearch::entryFor(std::string_view text, Direction d) {
    if (sameText(text, forward_)) {
        orientation_ = 0;
    } else if (text.size() == forward_.size() &&
               std::equal(text.begin(), text.end(), forward_.rbegin())) {
        orientation_ = 1;
    } else {
        // A new text: results of the last one are of no use. Its letters and its reverse are
        // only needed once the bitsets are.
        forgetText();
        forward_.assign(text);
        backward_.clear();
        orientation_ = 0;
    }
    return starts_[static_cast<std::size_t>(4 * orientation_ + static_cast<int>(d))];
}

namespace {
using Reading = BitsetSearch::Reading;

// Four columns' words side by side: one AVX2 register, two SSE2 ones.
using Lanes = std::uint64_t __attribute__((vector_size(32)));
constexpr int kLanes = 4;
static_assert(kGroup % kLanes == 0);

// The start rows of kGroup neighbouring columns in one word of rows, narrowed down letter by
// letter until every letter is tested or no column has a start left; returns a bit for each
// column that has. A pass of one letter over the group is a few vector operations without a
// branch.
template <Reading R>
[[gnu::always_inline]] inline unsigned narrowGroup(std::uint64_t* out, std::ptrdiff_t outStride,
                                                   const std::uint64_t* accept, std::ptrdiff_t next,
                                                   const BitsetProbe* probes, std::size_t count,
                                                   std::uint64_t open) {
    constexpr int kVectors = kGroup / kLanes;
    Lanes m[kVectors];
    for (Lanes& v : m) v = Lanes{} + open;
    const auto test = [&](const BitsetProbe& probe) {
        const std::uint64_t* word = accept + probe.offset;
        const auto shift = static_cast<std::uint64_t>(probe.shift);
        for (int v = 0; v < kVectors; ++v) {
            Lanes here;
            std::memcpy(&here, word + v * kLanes, sizeof here);
            if constexpr (R == Reading::DownOneWord) {
                here >>= shift;
            } else if constexpr (R == Reading::Down) {
                // Two shifts so that a shift of 0 needs neither a branch nor a shift by 64.
                Lanes below;
                std::memcpy(&below, word + next + v * kLanes, sizeof below);
                here = (here >> shift) | ((below << 1) << (63 - shift));
            }
            m[v] &= here;
        }
    };
    // Two letters between looks at what is left: a look costs about as much as a letter.
    for (std::size_t n = 0; n < count; n += 2) {
        test(probes[n]);
        if (n + 1 < count) test(probes[n + 1]);
        Lanes alive = m[0];
        for (int v = 1; v < kVectors; ++v) alive |= m[v];
        std::uint64_t any = 0;
        for (int l = 0; l < kLanes; ++l) any |= alive[l];
        if (!any) {
            // No column has a start left in this word of rows. A column with one word has no
            // start at all, and its masks are never read.
            if (outStride > 1)
                for (int c = 0; c < kGroup; ++c) out[c * outStride] = 0;
            return 0;
        }
    }
    unsigned holding = 0;
    for (int c = 0; c < kGroup; ++c) {
        const std::uint64_t column = m[c / kLanes][c % kLanes];
        out[c * outStride] = column;
        holding |= static_cast<unsigned>(column != 0) << c;
    }
    return holding;
}

// Neighbouring groups in one word of rows: where their masks go and the text's probes.
struct GroupRun {
    std::uint64_t* out;
    std::ptrdiff_t outStride;
    const std::uint64_t* accept;
    std::ptrdiff_t next;
    const BitsetProbe* probes;
    std::size_t count;
    std::uint64_t open;
    int groups;  // at most 64 / kGroup
};

template <Reading R>
[[gnu::always_inline]] inline std::uint64_t narrowGroups(const GroupRun& run) {
    std::uint64_t holding = 0;
    for (int g = 0; g < run.groups; ++g)
        holding |= std::uint64_t{narrowGroup<R>(run.out + g * kGroup * run.outStride, run.outStride,
                                                run.accept + g * kGroup, run.next, run.probes,
                                                run.count, run.open)}
                   << (g * kGroup);
    return holding;
}

// Each reading is compiled twice, for any x86-64 and for one with AVX2, and the one the
// processor can run is picked when the program loads.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define LETTERMAZE_VECTOR_CLONES [[gnu::target_clones("avx2", "default")]]
#else
#define LETTERMAZE_VECTOR_CLONES
#endif

LETTERMAZE_VECTOR_CLONES std::uint64_t narrowAcross(const GroupRun& run) {
    return narrowGroups<Reading::Across>(run);
}
LETTERMAZE_VECTOR_CLONES std::uint64_t narrowDownOneWord(const GroupRun& run) {
    return narrowGroups<Reading::DownOneWord>(run);
}
LETTERMAZE_VECTOR_CLONES std::uint64_t narrowDown(const GroupRun& run) {
    return narrowGroups<Reading::Down>(run);
}
}  // namespace

// Sets a text and direction up for working out, group by group of neighbouring columns as the
// scans reach them, which rows of which columns of the scan's range the text can start at.
void BitsetSearch::prepare(Starts& s, std::string_view text, Direction d, const ScanShape& shape) {
    if (!built_) build();
    s.epoch = epoch_;
    s.noneInRange = false;
    s.firstColumn = shape.firstColumn;
    s.lastColumn = shape.lastColumn;
    s.words = (shape.lastRow + 63) / 64;
    const int inLastWord = shape.lastRow - 64 * (s.words - 1);
    s.lastWord = inLastWord == 64 ? ~0ULL : (1ULL << inLastWord) - 1;
    // A group may run past the range's last column: the masks have room for it, and the bitsets
    // too (into the next letter's, or kGroup spare words after the last).
    const auto maskWords =
        static_cast<std::size_t>(cols_ + kGroup) * static_cast<std::size_t>(s.words);
    if (s.masks.size() < maskWords) s.masks.resize(maskWords);
    const auto holdingWords = static_cast<std::size_t>((cols_ + 63) / 64);
    const auto groups =
        static_cast<std::size_t>((shape.lastColumn - shape.firstColumn) / kGroup + 1);
    if (s.holding.size() < holdingWords) s.holding.resize(holdingWords);
    if (s.worked.size() < groups) s.worked.resize(groups);
    s.groups = static_cast<int>(groups);
    std::fill_n(s.holding.begin(), holdingWords, 0);
    std::fill_n(s.worked.begin(), groups, 0);
    // The text's letters in the order they are tested, shared by its four directions.
    std::vector<SpreadLetter>& spread = spread_[text.data() == forward_.data() ? 0 : 1];
    if (spread.empty()) {
        const std::vector<int>& order = spreadOrder(text.size());
        for (const int i : order) {
            const int letter =
                index_[static_cast<unsigned char>(text[static_cast<std::size_t>(i)])];
            spread.push_back({letter * letterStride_, i});
        }
    }
    const bool down = d != Direction::Right;
    const int dx = stepX(d);
    s.probes.resize(spread.size());
    BitsetProbe* probe = s.probes.data();
    for (const SpreadLetter& l : spread) {
        const std::ptrdiff_t column = l.bitsets + dx * l.at;
        *probe++ = down ? BitsetProbe{(l.at >> 6) * wordStride_ + column, l.at & 63}
                        : BitsetProbe{column, 0};
    }
    s.reading = !down ? Reading::Across : rows_ <= 64 ? Reading::DownOneWord : Reading::Down;
}

// Works out the start rows of the groups of the scan's range from `group` on that are not known
// yet, up to `end` (not included) or the first known one, a word of rows at a time.
void BitsetSearch::workOut(Starts& s, int group, int end) {
    int stop = group;
    while (stop < end && !s.worked[static_cast<std::size_t>(stop)])
        s.worked[static_cast<std::size_t>(stop++)] = 1;
    const int x = s.firstColumn + group * kGroup;
    const int words = s.words;
    GroupRun run{s.masks.data() + static_cast<std::ptrdiff_t>(x - 1) * words,
                 words,
                 accept_.data() + (x - 1),
                 wordStride_,
                 s.probes.data(),
                 s.probes.size(),
                 ~0ULL,
                 stop - group};
    std::uint64_t holding = 0;
    for (int k = 0; k < words; ++k, ++run.out, run.accept += wordStride_) {
        if (k == words - 1) run.open = s.lastWord;
        switch (s.reading) {
            case Reading::Across:
                holding |= narrowAcross(run);
                break;
            case Reading::DownOneWord:
                holding |= narrowDownOneWord(run);
                break;
            case Reading::Down:
                holding |= narrowDown(run);
                break;
        }
    }
    if (!holding) return;
    // Only the range's columns count.
    const int inRange = s.lastColumn - x + 1;
    if (inRange < 64) holding &= (1ULL << inRange) - 1;
    const int at = x - 1;
    s.holding[static_cast<std::size_t>(at >> 6)] |= holding << (at & 63);
    if ((at & 63) != 0 && (holding >> (64 - (at & 63))) != 0)
        s.holding[static_cast<std::size_t>(at >> 6) + 1] |= holding >> (64 - (at & 63));
}

// The first column from `from` to `last` that holds a start; 0 when none does.
int BitsetSearch::nextColumn(const Starts& s, int from, int last) const {
    if (from > last) return 0;
    auto w = static_cast<std::size_t>((from - 1) >> 6);
    std::uint64_t bits = s.holding[w] & (~0ULL << ((from - 1) & 63));
    while (!bits) {
        if (static_cast<int>(++w) * 64 >= last) return 0;
        bits = s.holding[w];
    }
    const int x = static_cast<int>(w) * 64 + std::countr_zero(bits) + 1;
    return x <= last ? x : 0;
}

bool BitsetSearch::accepts(std::string_view text, Direction d, int x, int y, int& budget) const {
    const std::ptrdiff_t step =
        static_cast<std::ptrdiff_t>(stepX(d)) * rows_ + static_cast<std::ptrdiff_t>(stepY(d));
    const GridCell* cell = cells_->data() + static_cast<std::ptrdiff_t>(x - 1) * rows_ + (y - 1);
    const std::size_t n = text.size();
    std::size_t i = 0;
    for (; i < n; ++i, cell += step)
        if (*cell != kEmptyCell && *cell != cellOf(text[i])) break;
    budget -= static_cast<int>(i < n ? i + 1 : n);
    return i == n;
}

// The first column from `from` to `to` that holds a start, working out groups only until one
// does; 0 when none does.
int BitsetSearch::firstHolding(Starts& s, int from, int to) {
    for (int g = (from - s.firstColumn) / kGroup; from <= to; ++g) {
        if (!s.worked[static_cast<std::size_t>(g)])
            workOut(s, g, std::min(s.groups, g + kGroupsAhead));
        const int groupEnd = std::min(to, s.firstColumn + (g + 1) * kGroup - 1);
        if (const int x = nextColumn(s, from, groupEnd)) return x;
        from = groupEnd + 1;
    }
    return 0;
}

template <class Rng>
std::optional<Spot> BitsetSearch::scanColumns(Starts& s, const ScanShape& shape, Rng& rnd) {
    const int x0 = shape.column(rnd.peek(0));
    bool drewFirstColumn = false;
    for (int x = firstHolding(s, x0, shape.lastColumn); x != 0;
         x = firstHolding(s, x + 1, shape.lastColumn)) {
        if (!drewFirstColumn) {
            rnd.next();  // it is x0
            drewFirstColumn = true;
        }
        // The first start at or below the column's random first row.
        const int y0 = shape.row(rnd.next());
        const std::uint64_t* mask = s.masks.data() + static_cast<std::ptrdiff_t>(x - 1) * s.words;
        int k = (y0 - 1) >> 6;
        std::uint64_t m = mask[k] & (~0ULL << ((y0 - 1) & 63));
        while (!m && ++k < s.words) m = mask[k];
        if (m) return Spot{x, 64 * k + std::countr_zero(m) + 1};
    }
    if (drewFirstColumn) return std::nullopt;
    // Nothing from x0 on: the first column is drawn, in vain, only if a column left of it holds
    // a start.
    if (firstHolding(s, shape.firstColumn, x0 - 1)) {
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
            if (budget <= 0) return Verdict::Undecided;
            if (accepts(text, d, x, y, budget)) {
                ++draws;
                take();
                found = Spot{x, y};
                return Verdict::Found;
            }
        }
        // Nothing from the first row on; the row was drawn if a start lies above it.
        for (int y = 1; y < y0; ++y) {
            if (budget <= 0) return Verdict::Undecided;
            if (accepts(text, d, x, y, budget)) {
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
                if (budget <= 0) return Verdict::Undecided;
                anyStart = accepts(text, d, x, y, budget);
            }
        if (!anyStart) return Verdict::NoStartInRange;
    }
    take();
    return Verdict::NoRoom;
}

template <class Rng>
std::optional<Spot> BitsetSearch::findWith(std::string_view text, Direction d, Rng& rnd) {
    Starts& s = entryFor(text, d);
    const bool known = s.epoch == epoch_;
    if (known && s.noneInRange) return std::nullopt;
    const ScanShape shape(d, static_cast<int>(text.size()), cols_, rows_);
    if (!known) {
        const int budget = cellScanBudget_ + (built_ ? 0 : unbuiltCells_);
        if (budget > 0) {
            Spot found;
            int left = budget;
            const Verdict verdict = scanCells(text, d, shape, rnd, left, found);
            if (!built_)
                unbuiltCells_ -= std::clamp(budget - left - cellScanBudget_, 0, unbuiltCells_);
            if (verdict == Verdict::Undecided) {
                cellScanBudget_ = cellScanBudget_ / 2 < kLeastCellScan ? 0 : cellScanBudget_ / 2;
            } else {
                cellScanBudget_ = std::clamp(cellScanBudget_ * 2, kLeastCellScan, kMostCellScan);
            }
            switch (verdict) {
                case Verdict::Found:
                    return found;
                case Verdict::NoRoom:
                    return std::nullopt;
                case Verdict::NoStartInRange:
                    // Known until the grid changes, as if worked out with the bitsets.
                    s.epoch = epoch_;
                    s.noneInRange = true;
                    return std::nullopt;
                case Verdict::Undecided:
                    break;
            }
        } else if (++skippedScans_ == kSkipsBeforeRetry) {
            skippedScans_ = 0;
            cellScanBudget_ = kLeastCellScan;
        }
        prepare(s, textFor(orientation_), d, shape);
    }
    if (s.noneInRange) return std::nullopt;
    return scanColumns(s, shape, rnd);
}

std::optional<Spot> BitsetSearch::find(std::string_view text, Direction d, SeededRandom& rnd) {
    return findWith(text, d, rnd);
}

std::optional<Spot> BitsetSearch::find(std::string_view text, Direction d, Random& rnd) {
    return findWith(text, d, rnd);
}

// Whether some column of the scan's range holds a start, working out groups until one does.
bool BitsetSearch::holdsAnyStart(Starts& s) {
    if (s.noneInRange) return false;
    if (firstHolding(s, s.firstColumn, s.lastColumn)) return true;
    s.noneInRange = true;
    return false;
}

bool BitsetSearch::lastTextFitsNowhere() {
    // Without bitsets the grid is still roomy, and building them would cost more than the tries.
    if (!built_ || fitsSomewhere_ || forward_.empty()) return false;
    const int L = static_cast<int>(forward_.size());
    for (int orientation = 0; orientation < 2; ++orientation)
        for (int n = 0; n < 4; ++n) {
            const auto d = static_cast<Direction>(n);
            if (!fitsIn(d, L, cols_, rows_)) continue;
            Starts& s = starts_[static_cast<std::size_t>(4 * orientation + n)];
            if (s.epoch != epoch_)
                prepare(s, textFor(orientation), d, ScanShape(d, L, cols_, rows_));
            if (holdsAnyStart(s)) {
                fitsSomewhere_ = true;
                return false;
            }
        }
    return true;
}

void BitsetSearch::write(std::string_view text, Direction d, Spot s) {
    forgetStarts();  // the grid changes
    const int dx = stepX(d), dy = stepY(d);
    int x = s.x - 1, y = s.y - 1;
    for (std::size_t i = 0; i < text.size(); ++i, x += dx, y += dy) {
        GridCell& cell = (*cells_)[static_cast<std::size_t>(x) * rows_ + y];
        if (cell != kEmptyCell) continue;  // already holds this letter
        cell = cellOf(text[i]);
        if (built_) refuseOthers(x, y, text[i]);
    }
}

}  // namespace lettermaze
