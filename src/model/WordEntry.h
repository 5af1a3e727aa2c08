#pragma once
// The word box's typing filter and the two list captions.
#include <string>

#include "model/Puzzle.h"

namespace lettermaze {

struct FilteredText {
    std::string text;
    int caret;
};

// Upper-cases text, writes its line ends as CR LF and removes the characters the word box
// refuses (codes 32-64, 91-96, 123-126, 163 and 172), keeping the caret just after the same
// typed character.
FilteredText filterWordText(const std::string& text, int caret);

// The word box's change handler: filters p.WordList in place and moves its caret.
void WordList_Change(Puzzle& p);

// Sets the word box's text as a command does: the caret goes to the start and the box's change
// handler filters the new text.
void setWordListText(Puzzle& p, std::string text);

// Refreshes the captions over the two lists from their counts.
void Update(Puzzle& p);

}  // namespace lettermaze
