#pragma once
// The reference search: every candidate start in scan order, every cell of the run in turn.
// Slow on large grids (columns x rows x length per try) but plain to read; the generator's
// tests and benchmarks hold the fast search to its results.
#include "model/PlacementSearch.h"

namespace lettermaze {

class LiteralSearch final : public PlacementSearch {
  public:
    void attach(std::vector<GridCell>& cells, int cols, int rows) override;
    std::optional<Spot> find(std::string_view text, Direction d, Random& rnd) override;
    void write(std::string_view text, Direction d, Spot s) override;

  private:
    GridCell& at(int x, int y) {
        return (*cells_)[static_cast<std::size_t>(x - 1) * static_cast<std::size_t>(rows_) +
                         static_cast<std::size_t>(y - 1)];
    }
    bool accepts(std::string_view text, Direction d, int x, int y);

    std::vector<GridCell>* cells_ = nullptr;
    int cols_ = 0;
    int rows_ = 0;
};

}  // namespace lettermaze
