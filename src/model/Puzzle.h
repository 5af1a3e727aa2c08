#pragma once
// The one puzzle the program holds, with every window-level value that the handlers read and
// write. The window owns one Puzzle and mirrors it; the command-line tool owns one too.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/GenerationScratch.h"
#include "model/Grid.h"
#include "model/Placements.h"
#include "model/SortedList.h"

namespace lettermaze {

// One item of the Word lists menu: its caption and its word count ("Tag"), which stays unset
// for a list that the library load did not finish.
struct LibraryMenuItem {
    std::string Caption;
    std::optional<std::string> Tag;
};

// The print dialog's choices, written only by the dialog.
struct PrintSettings {
    bool PrintCancelled = false;
    std::int16_t PrintWhat = 0;  // 0 puzzle and words, 1 puzzle only, 2 words only
    std::string PrintTitle;
    std::string PrintFont;
};

struct Puzzle {
    // The grid and the two lists.
    Grid FG;
    SortedList ListW;  // words still hidden
    SortedList ListF;  // words found
    PlacementList Placements;

    // Inputs that live in controls: the word box (already filtered), the size boxes and the
    // difficulty slider. WordListSelStart/Length mirror the word box's caret and selection.
    std::string WordList;
    int WordListSelStart = 0;
    int WordListSelLength = 0;
    std::string Textm = "20";  // columns
    std::string Textn = "20";  // rows
    int Difficulty = 3;

    // Captions of the two labels over the lists, as the last Update left them.
    std::string LabelH = "Hidden";
    std::string LabelF = "Found";

    // Window-level values, in the order the window declares them.
    std::int16_t GridCols = 0;
    std::int16_t GridRows = 0;
    GenerationScratch scratch;  // WorkGrid, TrialGrids, TrialPlacements
    std::vector<std::string> WordLines;
    std::int32_t LastLine = 0;
    bool WordReversed = false;
    bool AllSameLetter = false;
    bool GridActive = false;
    bool Printing = false;
    std::vector<std::string> LibraryLists;
    bool FindingAll = false;

    // The Word lists menu, built by the library load; item 0 exists from the start.
    std::vector<LibraryMenuItem> mnuL = {LibraryMenuItem{}};
    bool mnuWLEnabled = false;

    PrintSettings print;

    // The file dialogs' shared file name, kept between uses: a path, in the file system's bytes.
    std::string CDFileName;

    // The window's inner size in twips; the view keeps it current, FitGrid reads it.
    int WindowWidth = 11400;
    int WindowHeight = 8310;
};

}  // namespace lettermaze
