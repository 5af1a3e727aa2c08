#pragma once
// The word-list library: named lists read once at start-up from "word lists.dat", one menu item
// per list, and the command that draws some of a list's words into the word box.
#include <string>
#include <string_view>

#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/Random.h"

namespace lettermaze {

// The library file's name, looked up in the program's folder.
inline constexpr const char* kLibraryFileName = "word lists.dat";

// Reads the library from the file's bytes into p.LibraryLists and p.mnuL and enables the
// menu. A fault in the file (it ends inside a list, or a counter overflows) ends the load
// quietly, keeping what was read before it.
void loadLibraryText(Puzzle& p, std::string_view bytes);

// Loads the library file at path; false, with nothing changed, when it cannot be read.
bool loadLibrary(Puzzle& p, const std::string& path);

// Click on item index of the Word lists menu: asks how many words to use, draws them and puts
// them into the word box, replacing or adding to its words as the user answers.
void mnuL_Click(Puzzle& p, Host& host, Random& random, int index);

// Adds text s after the words of the word box, on a line of its own.
void AppendWords(Puzzle& p, const std::string& s);

}  // namespace lettermaze
