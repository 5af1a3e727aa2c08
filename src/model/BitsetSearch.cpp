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

// Start rows worked out side by side for a block of columns read by rows: at most four vectors
// of sixteen.
constexpr int kRowGroup = 64;
static_assert(kGroupsAhead * kGroup <= 64);

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
    alphabet_.reserve(letters.size());
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
    byRows_ = rows_ > 64;
    if (byRows_) {
        // A group of start rows may read kRowGroup rows past the last one.
        blocks_ = (cols_ + kGroup - 1) / kGroup;
        rowStride_ = rows_ + kRowGroup;
        // One stride for a letter's bitsets of both kinds, so that the probes of a text going
        // right serve for it going straight down too.
        letterStride_ = std::max(letterStride_, blocks_ * rowStride_);
    }
    // A group of columns may run past the last column, into the next word of rows or letter, or,
    // after the last of all, into kGroup spare words.
    accept_.resize(static_cast<std::size_t>(letters_) * static_cast<std::size_t>(letterStride_) +
                   kGroup);
    // A cell accepts a letter while empty or holding it; a letter the bitsets have no row for
    // is refused everywhere.
    std::vector<std::uint64_t> holding(alphabet_.size());
    for (int x = 0; x < cols_; ++x) {
        const GridCell* column = cells_->data() + static_cast<std::ptrdiff_t>(x) * rows_;
        for (int j = 0; j < stride_; ++j) {
            std::uint64_t empty = 0;
            std::fill(holding.begin(), holding.end(), 0);
            for (int y = 64 * j; y < std::min(rows_, 64 * j + 64); ++y) {
                const std::uint64_t bit = 1ULL << (y & 63);
                if (column[y] == kEmptyCell) {
                    empty |= bit;
                } else if (const int l = index_[static_cast<unsigned char>(letterOf(column[y]))];
                           l >= 0) {
                    holding[static_cast<std::size_t>(l)] |= bit;
                }
            }
            std::uint64_t* word = accept_.data() + j * wordStride_ + x;
            for (int l = 0; l < letters_; ++l)
                word[l * letterStride_] = empty | holding[static_cast<std::size_t>(l)];
        }
    }
    if (byRows_) buildRows();
}

void BitsetSearch::buildRows() {
    acceptRows_.assign(static_cast<std::size_t>(letters_ * letterStride_), 0);
    std::vector<std::uint16_t> empty(static_cast<std::size_t>(rows_));
    for (int b = 0; b < blocks_; ++b) {
        std::fill(empty.begin(), empty.end(), 0);
        for (int x = kGroup * b; x < std::min(cols_, kGroup * b + kGroup); ++x) {
            const GridCell* column = cells_->data() + static_cast<std::ptrdiff_t>(x) * rows_;
            const auto bit = static_cast<std::uint16_t>(1U << (x % kGroup));
            for (int y = 0; y < rows_; ++y) {
                if (column[y] == kEmptyCell) {
                    empty[static_cast<std::size_t>(y)] |= bit;
                } else if (const int l = index_[static_cast<unsigned char>(letterOf(column[y]))];
                           l >= 0) {
                    acceptRows_[static_cast<std::size_t>(l * letterStride_ + b * rowStride_ + y)] |=
                        bit;
                }
            }
        }
        for (int l = 0; l < letters_; ++l) {
            std::uint16_t* rows = acceptRows_.data() + l * letterStride_ + b * rowStride_;
            for (int y = 0; y < rows_; ++y) rows[y] |= empty[static_cast<std::size_t>(y)];
        }
    }
}

void BitsetSearch::forgetStarts() {
    ++epoch_;
    fitsSomewhere_ = false;
}

// The current text as first seen (0) or turned round (1), with its letters learned: from here
// on the bitsets are needed.
const std::string& BitsetSearch::textFor(int orientation) {
    if (!lettersLearned_) {
        learnLetters(forward_);
        lettersLearned_ = true;
    }
    if (backward_.empty()) backward_.assign(forward_.rbegin(), forward_.rend());
    return orientation == 0 ? forward_ : backward_;
}

void BitsetSearch::forgetText() {
    forgetStarts();
    for (std::vector<BitsetProbe>& probes : probes_) probes.clear();
}

BitsetSearch::Starts& BitsetSearch::entryFor(std::string_view text, Direction d) {
    if (sameText(text, forward_)) {
        orientation_ = 0;
    } else if (backward_.empty() ? text.size() == forward_.size() &&
                                       std::equal(text.begin(), text.end(), forward_.rbegin())
                                 : sameText(text, backward_)) {
        // Kept once seen, since a word's tries take both ways round again and again.
        if (backward_.empty()) backward_.assign(text);
        orientation_ = 1;
    } else {
        // A new text: results of the last one are of no use. Its letters and its reverse are
        // only needed once the bitsets are.
        forgetText();
        forward_.assign(text);
        backward_.clear();
        lettersLearned_ = false;
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
                                                   std::ptrdiff_t step, std::uint64_t open) {
    constexpr int kVectors = kGroup / kLanes;
    Lanes m[kVectors] = {};
    for (Lanes& v : m) v += open;
    const auto test = [&](const BitsetProbe& probe) {
        const std::uint64_t* word = accept + probe.offset + step * probe.at;
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
    std::ptrdiff_t step;
    std::uint64_t open;
    int groups;  // at most 64 / kGroup
};

template <Reading R>
[[gnu::always_inline]] inline std::uint64_t narrowGroups(const GroupRun& run) {
    std::uint64_t holding = 0;
    for (int g = 0; g < run.groups; ++g)
        holding |= std::uint64_t{narrowGroup<R>(run.out + g * kGroup * run.outStride, run.outStride,
                                                run.accept + g * kGroup, run.next, run.probes,
                                                run.count, run.step, run.open)}
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

// Sixteen rows of a block of kGroup columns, a row's columns to a lane.
using RowLanes = std::uint16_t __attribute__((vector_size(32)));
constexpr int kRowLanes = 16;
static_assert(kGroup == 16);

// Neighbouring blocks of columns read by rows: where their start rows' columns go, their row
// bitsets and the text's probes.
struct BlockRun {
    std::uint16_t* out;           // start row y + 1 of the first block at y
    std::ptrdiff_t outStride;     // from one block to the next
    const std::uint16_t* accept;  // the first block's first row, of the first letter
    std::ptrdiff_t acceptStride;  // from one block to the next
    const BitsetProbe* probes;
    std::size_t count;
    int startRows;
    int blocks;  // at most 64 / kGroup
};

// The columns at which the text can start in up to kRowGroup start rows of a block (sixteen to
// a vector), narrowed down letter by letter until every letter is tested or no start is left;
// returns the columns that hold a start in any of these rows. No shifts are needed: the word a
// letter gives start row y is its own row y + its place along the run.
template <int kVectors>
[[gnu::always_inline]] inline unsigned narrowRowGroup(std::uint16_t* out, const std::uint16_t* rows,
                                                      const BitsetProbe* probes, std::size_t count,
                                                      int startRows) {
    static constexpr RowLanes kRowIndex = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    RowLanes m[kVectors];
    for (int v = 0; v < kVectors; ++v)
        m[v] =
            reinterpret_cast<RowLanes>(kRowIndex + static_cast<std::uint16_t>(v * kRowLanes) <
                                       static_cast<std::uint16_t>(std::min(startRows, kRowGroup)));
    const auto test = [&](const BitsetProbe& probe) {
        const std::uint16_t* word = rows + probe.offset;
        for (int v = 0; v < kVectors; ++v) {
            RowLanes here;
            std::memcpy(&here, word + v * kRowLanes, sizeof here);
            m[v] &= here;
        }
    };
    for (std::size_t n = 0; n < count; n += 2) {
        test(probes[n]);
        if (n + 1 < count) test(probes[n + 1]);
        RowLanes alive = m[0];
        for (int v = 1; v < kVectors; ++v) alive |= m[v];
        using Words = std::uint64_t __attribute__((vector_size(32)));
        const auto words = reinterpret_cast<Words>(alive);
        if (!((words[0] | words[1]) | (words[2] | words[3]))) {
            std::memset(out, 0, sizeof m);
            return 0;
        }
    }
    std::memcpy(out, m, sizeof m);
    RowLanes columns = m[0];
    for (int v = 1; v < kVectors; ++v) columns |= m[v];
    unsigned holding = 0;
    for (int l = 0; l < kRowLanes; ++l) holding |= columns[l];
    return holding;
}

LETTERMAZE_VECTOR_CLONES std::uint64_t narrowBlocks(const BlockRun& run) {
    // A vector only for the rows that may start.
    std::uint64_t holding = 0;
    for (int b = 0; b < run.blocks; ++b) {
        unsigned columns = 0;
        for (int y = 0; y < run.startRows; y += kRowGroup) {
            std::uint16_t* out = run.out + b * run.outStride + y;
            const std::uint16_t* rows = run.accept + b * run.acceptStride + y;
            const int left = run.startRows - y;
            columns |= left > 48   ? narrowRowGroup<4>(out, rows, run.probes, run.count, left)
                       : left > 32 ? narrowRowGroup<3>(out, rows, run.probes, run.count, left)
                       : left > 16 ? narrowRowGroup<2>(out, rows, run.probes, run.count, left)
                                   : narrowRowGroup<1>(out, rows, run.probes, run.count, left);
        }
        holding |= std::uint64_t{columns} << (b * kGroup);
    }
    return holding;
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
    s.lastRow = shape.lastRow;
    const auto holdingWords = static_cast<std::size_t>((cols_ + 63) / 64);
    const auto groups =
        static_cast<std::size_t>((shape.lastColumn - shape.firstColumn) / kGroup + 1);
    if (s.holding.size() < holdingWords) s.holding.resize(holdingWords);
    if (s.worked.size() < groups) s.worked.resize(groups);
    s.groups = static_cast<int>(groups);
    std::fill_n(s.holding.begin(), holdingWords, 0);
    std::fill_n(s.worked.begin(), groups, 0);
    // The text's letters in the order they are tested, where their bitsets are read: along the
    // run's rows or columns (kind 0), or down and across at once (kind 1).
    const bool down = d != Direction::Right;
    const bool byRows = d == Direction::Down && byRows_;
    const int kind = d == Direction::Right || byRows ? 0 : 1;
    const int orientation = text.data() == forward_.data() ? 0 : 1;
    std::vector<BitsetProbe>& probes = probes_[static_cast<std::size_t>(2 * orientation + kind)];
    if (probes.empty()) {
        const std::vector<int>& order = spreadOrder(text.size());
        probes.reserve(order.size());
        const auto stride = static_cast<std::int32_t>(letterStride_);
        const auto words = static_cast<std::int32_t>(wordStride_);
        for (const int i : order) {
            const int letter =
                index_[static_cast<unsigned char>(text[static_cast<std::size_t>(i)])];
            const std::int32_t bitsets = letter * stride;
            probes.push_back(kind == 1 ? BitsetProbe{bitsets + (i >> 6) * words,
                                                     static_cast<std::int16_t>(i),
                                                     static_cast<std::int16_t>(i & 63)}
                                       : BitsetProbe{bitsets + i, 0, 0});
        }
    }
    s.probes = probes.data();
    s.probeCount = probes.size();
    s.step = stepX(d);
    if (byRows) {
        s.reading = Reading::ByRows;
        s.words = (shape.lastRow + kRowGroup - 1) / kRowGroup * kRowGroup;
        const auto maskWords = static_cast<std::size_t>(blocks_ * s.words);
        if (s.rowMasks.size() < maskWords) s.rowMasks.resize(maskWords);
        return;
    }
    s.reading = !down ? Reading::Across : rows_ <= 64 ? Reading::DownOneWord : Reading::Down;
    s.words = (shape.lastRow + 63) / 64;
    const int inLastWord = shape.lastRow - 64 * (s.words - 1);
    s.lastWord = inLastWord == 64 ? ~0ULL : (1ULL << inLastWord) - 1;
    // A group may run past the range's last column: the masks have room for it, and the bitsets
    // too (into the next letter's, or kGroup spare words after the last).
    const auto maskWords =
        static_cast<std::size_t>(cols_ + kGroup) * static_cast<std::size_t>(s.words);
    if (s.masks.size() < maskWords) s.masks.resize(maskWords);
}

// Works out the start rows of the groups of the scan's range from `group` on that are not known
// yet, up to `end` (not included) or the first known one: a word of rows at a time, or, read by
// rows, a block of columns at a time.
void BitsetSearch::workOut(Starts& s, int group, int end) {
    int stop = group;
    while (stop < end && !s.worked[static_cast<std::size_t>(stop)])
        s.worked[static_cast<std::size_t>(stop++)] = 1;
    const int x = s.firstColumn + group * kGroup;
    std::uint64_t holding = 0;
    if (s.reading == Reading::ByRows) {
        holding = narrowBlocks({s.rowMasks.data() + group * s.words, s.words,
                                acceptRows_.data() + group * rowStride_, rowStride_, s.probes,
                                s.probeCount, s.lastRow, stop - group});
    } else {
        const int words = s.words;
        GroupRun run{s.masks.data() + static_cast<std::ptrdiff_t>(x - 1) * words,
                     words,
                     accept_.data() + (x - 1),
                     wordStride_,
                     s.probes,
                     s.probeCount,
                     s.step,
                     ~0ULL,
                     stop - group};
        for (int k = 0; k < words; ++k, ++run.out, run.accept += wordStride_) {
            if (k == words - 1) run.open = s.lastWord;
            holding |= s.reading == Reading::Across        ? narrowAcross(run)
                       : s.reading == Reading::DownOneWord ? narrowDownOneWord(run)
                                                           : narrowDown(run);
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
        if (s.reading == Reading::ByRows) {
            const std::uint16_t* rows = s.rowMasks.data() + ((x - 1) / kGroup) * s.words;
            const int bit = (x - 1) % kGroup;
            for (int y = y0; y <= shape.lastRow; ++y)
                if ((rows[y - 1] >> bit) & 1) return Spot{x, y};
            continue;
        }
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
    const int L = static_cast<int>(text.size());
    const int x0 = s.x - 1, y0 = s.y - 1;
    for (int i = 0, x = x0, y = y0; i < L; ++i, x += dx, y += dy) {
        GridCell& cell = (*cells_)[static_cast<std::size_t>(x) * rows_ + y];
        if (cell == kEmptyCell) cell = cellOf(text[static_cast<std::size_t>(i)]);
    }
    if (!built_) return;
    // Every letter refuses the run's cells (a cell that held its letter already refused the
    // others), then each cell takes its own letter back.
    for (int l = 0; l < letters_; ++l) {
        std::uint64_t* bitsets = accept_.data() + l * letterStride_;
        if (d == Direction::Down) {
            for (int y = y0; y < y0 + L; y = (y | 63) + 1) {
                const int last = std::min(y0 + L - 1, y | 63);
                const int n = last - y + 1;
                const std::uint64_t bits = (n == 64 ? ~0ULL : (1ULL << n) - 1) << (y & 63);
                bitsets[(y >> 6) * wordStride_ + x0] &= ~bits;
            }
        } else if (d == Direction::Right) {
            std::uint64_t* run = bitsets + (y0 >> 6) * wordStride_ + x0;
            const std::uint64_t keep = ~(1ULL << (y0 & 63));
            for (int i = 0; i < L; ++i) run[i] &= keep;
        }
    }
    if (d == Direction::DownRight || d == Direction::DownLeft) {
        // Four cells at a time where their rows share a word: their columns lie side by side.
        for (int i = 0; i < L;) {
            const int y = y0 + i, x = x0 + dx * i;
            const std::uint64_t bit = 1ULL << (y & 63);
            if (i + kLanes <= L && (y & 63) <= 64 - kLanes) {
                const Lanes bits = dx > 0 ? Lanes{bit, bit << 1, bit << 2, bit << 3}
                                          : Lanes{bit << 3, bit << 2, bit << 1, bit};
                std::uint64_t* at = accept_.data() + (y >> 6) * wordStride_ + (dx > 0 ? x : x - 3);
                for (int l = 0; l < letters_; ++l, at += letterStride_) {
                    Lanes v;
                    std::memcpy(&v, at, sizeof v);
                    v &= ~bits;
                    std::memcpy(at, &v, sizeof v);
                }
                i += kLanes;
            } else {
                std::uint64_t* at = accept_.data() + (y >> 6) * wordStride_ + x;
                for (int l = 0; l < letters_; ++l, at += letterStride_) *at &= ~bit;
                ++i;
            }
        }
    }
    // The same in the row bitsets, a block of columns at a time: the run's cells in one block
    // lie in one row (going right) or in neighbouring rows, up to sixteen to a vector.
    for (int i = 0; i < L && byRows_;) {
        const int x = x0 + dx * i, y = y0 + i * dy;
        const int block = x / kGroup, j = x % kGroup;
        const int n = std::min(L - i, dx > 0 ? kGroup - j : dx < 0 ? j + 1 : kRowLanes);
        std::uint16_t* at = acceptRows_.data() + block * rowStride_ + y;
        if (dy == 0) {
            const auto bits = static_cast<std::uint16_t>(((1U << n) - 1) << j);
            for (int l = 0; l < letters_; ++l, at += letterStride_) *at &= ~bits;
        } else {
            RowLanes bits{};
            for (int k = 0; k < n; ++k) bits[k] = static_cast<std::uint16_t>(1U << (j + dx * k));
            for (int l = 0; l < letters_; ++l, at += letterStride_) {
                RowLanes v;
                std::memcpy(&v, at, sizeof v);
                v &= ~bits;
                std::memcpy(at, &v, sizeof v);
            }
        }
        i += n;
    }
    for (int i = 0, x = x0, y = y0; i < L; ++i, x += dx, y += dy) {
        const int own = index_[static_cast<unsigned char>(text[static_cast<std::size_t>(i)])];
        if (own < 0) continue;
        accept_[static_cast<std::size_t>(own * letterStride_ + (y >> 6) * wordStride_ + x)] |=
            1ULL << (y & 63);
        if (byRows_)
            acceptRows_[static_cast<std::size_t>(own * letterStride_ + (x / kGroup) * rowStride_ +
                                                 y)] |=
                static_cast<std::uint16_t>(1U << (x % kGroup));
    }
}

}  // namespace lettermaze
