#pragma once
// What the window holds besides the puzzle: the word box and the size and level controls, the
// grid's frame, the Word lists menu and its library, the print choices and the file dialogs'
// remembered name. Only the window and the commands that read these controls see it; the
// command-line tool has none.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/GridFrame.h"
#include "model/PrintSettings.h"

namespace lettermaze {

// One item of the Word lists menu: its caption and its word count, which stays unset for a
// list that the library load did not finish.
struct LibraryMenuItem {
    std::string caption;
    std::optional<std::string> wordCount;
};

struct WindowState {
    // The word box (already filtered) with its caret and selection, and the size and level
    // controls as typed.
    std::string wordText;
    int wordSelectionStart = 0;
    int wordSelectionLength = 0;
    std::string columnsText = "20";
    std::string rowsText = "20";
    int level = 3;

    // The window's inner size and where the grid sits in it, all in twips.
    int width = 11400;
    int height = 8310;
    GridFrame gridFrame;

    // The library's word lists and the Word lists menu built from them; item 0 exists from
    // the start.
    std::vector<std::string> libraryLists;
    std::vector<LibraryMenuItem> libraryMenu = {LibraryMenuItem{}};
    bool libraryMenuEnabled = false;

    PrintSettings print;
    bool printing = false;  // a print page is being prepared: resizing leaves the grid alone

    // The file dialogs' shared file name, kept between uses: a path, in the file system's bytes.
    std::string dialogFileName;
};

}  // namespace lettermaze
