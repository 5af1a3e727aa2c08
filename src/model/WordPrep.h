#pragma once
// Word preparation: turns the word box's text into the words to hide and the letter pool.
#include <string>
#include <vector>

#include "model/Puzzle.h"

namespace lettermaze {

struct PreparedWords {
    std::vector<std::string> WordsToPlace;
    std::vector<char> LetterPool;  // every character of every accepted word, in order
};

// Splits p.WordList at CR into p.WordLines (cleaned in place) and sets p.LastLine. Returns false
// when the text holds no carriage return at all (no puzzle can be made); otherwise fills out with
// the accepted words of lines 0..LastLine (at most 201 lines) and their letters.
bool prepareWords(Puzzle& p, PreparedWords& out);

}  // namespace lettermaze
