#pragma once
// Printing goes through the browser: the print command writes a print form of the puzzle page
// to a fixed file and hands it to the desktop, and the user prints from there.
#include <string>
#include <vector>

#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/PrintSettings.h"
#include "model/WindowState.h"

namespace lettermaze {

// The print form of the page: the document head with the dialog's title, then the grid
// (what 0 or 1) and the word list (what 0 or 2) in the dialog's font, with no download
// line. `highlight` colours found cells as in the web page.
std::string buildPrintPage(const Puzzle& p, const PrintSettings& s, bool highlight);

// The print dialog's font when it opens: the first name whose upper case contains "ARIAL", else
// the listed family the desktop substitutes for Arial, else the first font, else nothing.
std::string defaultPrintFont(const std::vector<std::string>& fonts,
                             const std::string& arialSubstitute = {});

// The first font whose upper case contains "ARIAL", as reported; empty when there is none.
std::string arialFont(const std::vector<std::string>& fonts);

// The dialog's Print button: the choices as the print command reads them (title trimmed of
// spaces, font in lower case and trimmed).
void acceptPrintChoices(PrintSettings& s, const std::string& title, int whatIndex,
                        const std::string& font);

// Where the print page goes: "print_lettermaze.htm" in the program's folder, or in the user's
// cache folder ($XDG_CACHE_HOME or ~/.cache, then "lettermaze/") when the program's folder is
// not writable. A path in the file system's bytes, like every core path.
std::string printFilePath(Host& host);

// "Print...": dialog, print page, browser.
void printPuzzle(Puzzle& p, WindowState& window, Host& host);

}  // namespace lettermaze
