#pragma once
// Word preparation: turns the word box's text into the words to hide and the letter pool.
#include <string>
#include <vector>

#include "model/GenerationScratch.h"

namespace lettermaze {

struct PreparedWords {
    std::vector<std::string> words;
    std::vector<char> letterPool;  // every character of every accepted word, in order
};

// Splits the word text at CR into scratch.wordLines (cleaned in place) and sets
// scratch.lastLine. Returns false when the text holds no carriage return at all (no puzzle can
// be made); otherwise fills out with the accepted words of lines 0..lastLine (at most 201 lines)
// and their letters.
bool prepareWords(const std::string& wordText, GenerationScratch& scratch, PreparedWords& out);

}  // namespace lettermaze
