#pragma once
// Placement records: where each accepted word of the last generation (or of an opened file)
// lies in the grid. A record's fields may each hold no value: a word that was not placed has
// an empty record, which is not the same thing as a record of zeros.
#include <optional>
#include <string>
#include <vector>

namespace lettermaze {

struct PlacementRecord {
    std::optional<std::string> word;  // field 0: the word as typed
    std::optional<double> x1, y1;     // fields 1, 2: first cell, 1-based column and row
    std::optional<double> x2, y2;     // fields 3, 4: last cell

    bool empty() const { return !word && !x1 && !y1 && !x2 && !y2; }
    static PlacementRecord placed(std::string w, int x1, int y1, int x2, int y2) {
        return {std::move(w), x1, y1, x2, y2};
    }
    bool operator==(const PlacementRecord&) const = default;
};

using PlacementList = std::vector<PlacementRecord>;

}  // namespace lettermaze
