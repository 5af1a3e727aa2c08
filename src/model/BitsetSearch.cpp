#include "model/BitsetSearch.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace lettermaze {

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
    for (char c : letters) {
        const auto b = static_cast<unsigned char>(c);
        if (index_[b] < 0) {
            index_[b] = static_cast<int>(alphabet_.size());
            alphabet_.push_back(b);
        }
    }
}

int BitsetSearch::letterIndex(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (index_[b] < 0) {
        index_[b] = static_cast<int>(alphabet_.size());
        alphabet_.push_back(b);
        if (cells_) rebuild();
    }
    return index_[b];
}

void BitsetSearch::attach(std::vector<GridCell>& cells, int cols, int rows) {
    cells_ = &cells;
    cols_ = cols;
    rows_ = rows;
    rebuild();
}

void BitsetSearch::rebuild() {
    forgetStarts();
    letters_ = static_cast<int>(alphabet_.size());
    // The spare word: a start near the bottom reads the word after its own.
    stride_ = (rows_ + 63) / 64 + 1;
    columnStride_ = stride_ * letters_;
    accept_.resize(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(columnStride_));
    for (int x = 0; x < cols_; ++x)
        for (int j = 0; j < stride_; ++j) {
            const int below = std::clamp(rows_ - 64 * j, 0, 64);
            const std::uint64_t rowsHere = below == 64 ? ~0ULL : (1ULL << below) - 1;
            std::uint64_t* run = accept_.data() + static_cast<std::ptrdiff_t>(x) * columnStride_ +
                                 static_cast<std::ptrdiff_t>(j) * letters_;
            std::fill(run, run + letters_, rowsHere);
        }
    for (int x = 0; x < cols_; ++x)
        for (int y = 0; y < rows_; ++y) {
            const GridCell c = (*cells_)[static_cast<std::size_t>(x) * rows_ + y];
            if (c == kEmptyCell) continue;
            const int own = index_[static_cast<unsigned char>(letterOf(c))];
            std::uint64_t* run = accept_.data() + static_cast<std::ptrdiff_t>(x) * columnStride_ +
                                 static_cast<std::ptrdiff_t>(y / 64) * letters_;
            const std::uint64_t bit = 1ULL << (y % 64);
            for (int l = 0; l < letters_; ++l)
                if (l != own) run[l] &= ~bit;
        }
}

namespace {
// What is known of a column's starts.
constexpr std::uint8_t kUnknown = 0, kNoStart = 1, kSomeStart = 2;

// Called at every try with the same word as the last try most of the time: the length and the
// two ends tell most different texts apart before the full comparison.
bool sameText(std::string_view a, const std::string& b) {
    if (a.size() != b.size()) return false;
    if (a.empty()) return true;
    if (a.front() != b.front() || a.back() != b.back()) return false;
    return std::memcmp(a.data(), b.data(), a.size()) == 0;
}
}  // namespace

void BitsetSearch::forgetStarts() {
    for (Starts& s : starts_) s.valid = false;
}

BitsetSearch::Starts& BitsetSearch::startsFor(std::string_view text, Direction d) {
    int orientation = 0;
    if (sameText(text, forward_)) {
        orientation = 0;
    } else if (sameText(text, backward_)) {
        orientation = 1;
    } else {
        // A new text: results of the last one are of no use.
        for (char c : text) letterIndex(c);
        forgetStarts();
        forward_.assign(text);
        backward_.assign(text.rbegin(), text.rend());
        const std::vector<int>& order = spreadOrder(text.size());
        for (int o = 0; o < 2; ++o) {
            const std::string& t = o == 0 ? forward_ : backward_;
            std::vector<int>& letters = spreadLetters_[static_cast<std::size_t>(o)];
            letters.resize(order.size());
            for (std::size_t n = 0; n < order.size(); ++n)
                letters[n] =
                    index_[static_cast<unsigned char>(t[static_cast<std::size_t>(order[n])])];
        }
    }
    Starts& s = starts_[static_cast<std::size_t>(4 * orientation + static_cast<int>(d))];
    if (s.valid) return s;
    s.valid = true;
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
    s.columnsLeft = d == Direction::Down ? cols_ : cols_ - L + 1;
    s.anyStart = false;
    const std::vector<int>& order = spreadOrder(text.size());
    const std::vector<int>& letters = spreadLetters_[static_cast<std::size_t>(orientation)];
    const std::ptrdiff_t columnStep = static_cast<std::ptrdiff_t>(stepX(d)) * columnStride_;
    s.probes.resize(order.size());
    for (std::size_t n = 0; n < order.size(); ++n) {
        const int i = order[n];
        s.probes[n] = down ? Probe{i * columnStep + (i / 64) * letters_ + letters[n], i % 64}
                           : Probe{i * columnStep + letters[n], 0};
    }
    return s;
}

// Every start row of column x (1-based) up to the entry's last start at which all the
// text's letters are accepted, as bits 0.. of out.
template <int DY>
void BitsetSearch::columnStarts(const Starts& starts, int x, std::uint64_t* out) const {
    const std::uint64_t* column =
        accept_.data() + static_cast<std::ptrdiff_t>(x - 1) * columnStride_;
    const std::ptrdiff_t wordStep = letters_;
    for (int k = 0; k < starts.words; ++k) {
        std::uint64_t m = starts.open[static_cast<std::size_t>(k)];
        const std::uint64_t* word = column + k * wordStep;
        for (auto p = starts.probes.begin(); p != starts.probes.end() && m; ++p) {
            const std::uint64_t* w = word + p->offset;
            if constexpr (DY == 0) {
                m &= *w;
            } else {
                // Two shifts so that a shift of 0 needs neither a branch nor a shift by 64.
                m &= (w[0] >> p->shift) | ((w[wordStep] << 1) << (63 - p->shift));
            }
        }
        out[k] = m;
    }
}

template <int DY>
std::optional<Spot> BitsetSearch::scan(Starts& starts, int x0, int xLast, Random& rnd) {
    const int span = starts.lastStart - DY;  // rows, or rows - L
    if (starts.columnsLeft == 0 && !starts.anyStart) {
        // Known to fit nowhere: only the draws of the scan remain.
        for (int x = x0; x <= xLast; ++x) rnd.next();
        return std::nullopt;
    }
    const int words = starts.words;
    for (int x = x0; x <= xLast; ++x) {
        const float r = rnd.next();
        const auto column = static_cast<std::size_t>(x - 1);
        std::uint8_t state = starts.known[column];
        if (state == kNoStart) continue;
        std::uint64_t* mask = starts.masks.data() + column * static_cast<std::size_t>(words);
        if (state == kUnknown) {
            columnStarts<DY>(starts, x, mask);
            --starts.columnsLeft;
            std::uint64_t any = 0;
            for (int k = 0; k < words; ++k) any |= mask[k];
            state = any ? kSomeStart : kNoStart;
            starts.known[column] = state;
            if (state == kNoStart) continue;
            starts.anyStart = true;
        }
        // The first start at or below the column's random first row.
        const int y0 = static_cast<int>(static_cast<double>(r) * span) + 1;
        int k = (y0 - 1) >> 6;
        std::uint64_t m = mask[k] & (~0ULL << ((y0 - 1) & 63));
        while (!m && ++k < words) m = mask[k];
        if (m) return Spot{x, 64 * k + std::countr_zero(m) + 1};
    }
    return std::nullopt;
}

std::optional<Spot> BitsetSearch::find(std::string_view text, Direction d, Random& rnd) {
    const int L = static_cast<int>(text.size());
    Starts& starts = startsFor(text, d);
    switch (d) {
        case Direction::Down: {
            const int x0 = scaledDraw(rnd, cols_) + 1;
            return scan<1>(starts, x0, cols_, rnd);
        }
        case Direction::Right: {
            const int x0 = scaledDraw(rnd, cols_ - L) + 1;
            return scan<0>(starts, x0, cols_ - L + 1, rnd);
        }
        case Direction::DownRight: {
            const int x0 = scaledDraw(rnd, cols_ - L) + 1;
            return scan<1>(starts, x0, cols_ - L + 1, rnd);
        }
        case Direction::DownLeft: {
            const int x0 = scaledDraw(rnd, cols_ - L) + L;
            return scan<1>(starts, x0, cols_, rnd);
        }
    }
    return std::nullopt;
}

void BitsetSearch::write(std::string_view text, Direction d, Spot s) {
    for (char c : text) letterIndex(c);
    forgetStarts();  // the grid changes
    const int dx = stepX(d), dy = stepY(d);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int x = s.x - 1 + dx * static_cast<int>(i);
        const int y = s.y - 1 + dy * static_cast<int>(i);
        GridCell& cell = (*cells_)[static_cast<std::size_t>(x) * rows_ + y];
        if (cell != kEmptyCell) continue;  // already holds this letter
        cell = cellOf(text[i]);
        // The cell now refuses every other letter.
        std::uint64_t* run = accept_.data() + static_cast<std::ptrdiff_t>(x) * columnStride_ +
                             static_cast<std::ptrdiff_t>(y / 64) * letters_;
        const std::uint64_t bit = 1ULL << (y % 64);
        for (int l = 0; l < letters_; ++l) run[l] &= ~bit;
        run[index_[static_cast<unsigned char>(text[i])]] |= bit;
    }
}

}  // namespace lettermaze
