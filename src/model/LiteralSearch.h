#pragma once
// The reference search: every candidate start in scan order, every cell of the run in turn.
// Slow on large grids (columns x rows x length per try) but plain to read; the generator's
// tests and benchmarks hold the fast search to its results.
#include "model/PlacementSearch.h"

namespace lettermaze {

class LiteralSearch final : public PlacementSearch {
  public:
    // Which draws a scan makes: only those that can change its outcome (what the program does),
    // or, as earlier versions did, a first column at every try and a first row for every column
    // scanned. The second is kept to show that both place words with the same odds.
    enum class Draws { WhenNeeded, EveryColumn };
    explicit LiteralSearch(Draws draws = Draws::WhenNeeded) : draws_(draws) {}

    void attach(std::vector<GridCell>& cells, int cols, int rows) override;
    std::optional<Spot> find(std::string_view text, Direction d, SeededRandom& rnd) override {
        return findWith(text, d, rnd);
    }
    std::optional<Spot> find(std::string_view text, Direction d, Random& rnd) override {
        return findWith(text, d, rnd);
    }
    void write(std::string_view text, Direction d, Spot s) override;

  private:
    template <class Rng>
    std::optional<Spot> findWith(std::string_view text, Direction d, Rng& rnd);
    GridCell& at(int x, int y) {
        return (*cells_)[static_cast<std::size_t>(x - 1) * static_cast<std::size_t>(rows_) +
                         static_cast<std::size_t>(y - 1)];
    }
    bool accepts(std::string_view text, Direction d, int x, int y);
    // The first row from `from` to lastRow at which text fits in column x; 0 when none does.
    int firstStart(std::string_view text, Direction d, int x, int from, int lastRow);

    Draws draws_;
    std::vector<GridCell>* cells_ = nullptr;
    int cols_ = 0;
    int rows_ = 0;
};

}  // namespace lettermaze
