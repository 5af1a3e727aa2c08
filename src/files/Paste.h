#pragma once
// Edit > Paste new words: the clipboard's text, one word per line, after the word box's words.
#include "model/Host.h"
#include "model/Puzzle.h"

namespace lettermaze {

void mnuPaste_Click(Puzzle& p, Host& host);

}  // namespace lettermaze
