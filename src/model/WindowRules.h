#pragma once
// The window shell's own rules: which menu items a puzzle enables, how a resize re-fits the
// grid, and the texts of the about box and online help.
#include <string>

#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"

namespace lettermaze {

struct FileMenuState {
    bool print, save, reset, html;  // Open and Exit are always enabled
};
struct EditMenuState {
    bool paste, copyWords, copyGrid, copyLists, copyHtml;
};

FileMenuState fileMenuState(const Puzzle& p);
EditMenuState editMenuState(const Puzzle& p, const WindowState& window, Host& host);

// Re-fits a visible grid to the window's current size, unless a print
// page is being prepared or the window is too small for the grid's margins.
void refitGrid(Puzzle& p, WindowState& window);

// The about box: the product line, CR LF, the publisher's notice.
std::string aboutText();
void showAbout(Host& host);

// The support address (host and path, no scheme) and the command line that opens it.
std::string supportAddress();
std::string supportCommandLine();
void openOnlineHelp(Host& host);

// "Lettermaze from " and the publisher, the window's caption.
std::string windowCaption();

}  // namespace lettermaze
