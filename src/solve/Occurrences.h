#pragma once
// Where a word can be read in a grid: along any of the eight directions, so forwards or backwards
// along the four kinds of line. Puzzle makers use it to find accidental second copies of a word
// and words that should not appear at all.
#include <string>
#include <vector>

#include "model/Grid.h"

namespace lettermaze {

struct Occurrence {
    int row1, col1, row2, col2;  // first and last cell, 0-based, in reading order
};

// Every straight line of the grid that spells the word forwards or backwards, each line once
// (a palindrome read both ways is still one line). A one-letter word is one line per cell.
std::vector<Occurrence> findOccurrences(const Grid& g, const std::string& word);

}  // namespace lettermaze
