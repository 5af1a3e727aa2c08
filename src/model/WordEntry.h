#pragma once
// The word box's typing filter.
#include <string>

#include "model/WindowState.h"

namespace lettermaze {

struct FilteredText {
    std::string text;
    int caret;
};

// Upper-cases text, writes its line ends as CR LF and removes the characters the word box
// refuses (codes 32-64, 91-96, 123-126, 163 and 172), keeping the caret just after the same
// typed character.
FilteredText filterWordText(const std::string& text, int caret);

// The word box's change handler: filters the window's word text in place and moves its caret.
void filterWordBox(WindowState& window);

// Sets the word box's text as a command does: the caret goes to the start and the box's change
// handler filters the new text.
void setWordText(WindowState& window, std::string text);

}  // namespace lettermaze
