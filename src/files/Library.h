#pragma once
// The word-list library: named lists read once at start-up from "word lists.dat", one menu item
// per list, and the command that draws some of a list's words into the word box.
#include <string>
#include <string_view>

#include "model/Host.h"
#include "model/WindowState.h"
#include "model/Random.h"

namespace lettermaze {

// The library file's name, looked up in the program's folder.
inline constexpr const char* kLibraryFileName = "word lists.dat";

// Reads the library from the file's bytes into the window's library lists and menu and enables the
// menu. A fault in the file (it ends inside a list, or a counter overflows) ends the load
// quietly, keeping what was read before it.
void loadLibraryText(WindowState& window, std::string_view bytes);

// Loads the library file at path; false, with nothing changed, when it cannot be read.
bool loadLibrary(WindowState& window, const std::string& path);

// Click on item index of the Word lists menu: asks how many words to use, draws them and puts
// them into the word box, replacing or adding to its words as the user answers.
void addWordsFromList(WindowState& window, Host& host, Random& random, int index);

// Adds text s after the words of the word box, on a line of its own.
void appendWords(WindowState& window, const std::string& s);

}  // namespace lettermaze
