#pragma once
// Near-miss decoys: a real word's first letters followed by a wrong one, hidden in the grid to
// catch a solver who reads only the start of a word.
#include <string>
#include <vector>

#include "model/PlacementSearch.h"

namespace lettermaze {

// Takes the words in random order; each word longer than 2 letters yields perWord decoys of
// its first j letters (2 <= j <= length - 1) and a pool letter that differs from its letter
// j + 1. The pool must hold two different letters.
std::vector<std::string> makeDecoys(std::vector<std::string> words, const std::vector<char>& pool,
                                    int perWord, Random& rnd);
std::vector<std::string> makeDecoys(std::vector<std::string> words, const std::vector<char>& pool,
                                    int perWord, SeededRandom& rnd);

// Tries each decoy up to 21 times on the grid the search is attached to; a decoy that finds no
// room is dropped. Returns how many were placed.
int placeDecoys(const std::vector<std::string>& decoys, PlacementSearch& search, int cols, int rows,
                Random& rnd);
int placeDecoys(const std::vector<std::string>& decoys, PlacementSearch& search, int cols, int rows,
                SeededRandom& rnd);

}  // namespace lettermaze
