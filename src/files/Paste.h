#pragma once
// Edit > Paste new words: the clipboard's text, one word per line, after the word box's words.
#include "model/Host.h"
#include "model/WindowState.h"

namespace lettermaze {

void pasteNewWords(WindowState& window, Host& host);

}  // namespace lettermaze
