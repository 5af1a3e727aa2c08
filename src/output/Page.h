#pragma once
// The puzzle as a small self-contained HTML page: the grid as a bordered table, found words
// optionally in their highlight colours, then the words to find. One builder serves the web page
// file, the HTML copy and (through Print.h) the print page.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "model/Grid.h"
#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"

namespace lettermaze {

enum class PageForm {
    Web,        // the whole document, with head, title and body
    Clipboard,  // the body's content only, between the two credit comments
};

// Six upper-case hex digits red, green, blue of a colour (red in the low byte), no "#".
std::string htmlColour(const std::int32_t& colour);

// The page, one windows-1252 byte per character. The title (web form only) and every letter and
// word go in unescaped.
std::string buildPage(const Puzzle& p, PageForm form, const std::string& title, bool highlight);

// Whether to colour found words: asked only when a word has been found.
bool highlightChoice(Puzzle& p, Host& host);

// The file name the save dialog proposes: an earlier page name stays, anything else gives way to
// the title with "_" for spaces, in lower case, plus ".htm". current is a path; the title is
// windows-1252 text, so its name comes out in UTF-8 like every file name the desktop makes
// ("Café" proposes "café.htm", not a byte no file manager can show).
std::string proposedPageName(const std::string& current, const std::string& title);

// "Make this lettermaze into a web page...": title, highlight choice, save dialog, file.
void saveWebPage(Puzzle& p, WindowState& window, Host& host);
// "Copy HTML for this lettermaze...": the clipboard form as plain text.
void copyPageHtml(Puzzle& p, Host& host);

// Lower case as the program's texts know it (windows-1252 letters, accented ones included).
std::string lowerCase1252(std::string_view s);

// Creates or replaces a file with exactly these bytes, as a puzzle file is saved; false when
// nothing could be written.
bool writePageFile(const std::string& path, const std::string& bytes);

// Pieces shared by the page forms.
namespace page {
// The credit comment that opens and closes every form (no line end).
std::string creditComment();
// Everything up to and including "<body>" CRLF.
std::string documentHead(const std::string& title);
// The grid table's opening tag and all its rows; the closing "</table>" is left to the caller.
std::string gridTable(const Grid& g, bool highlight);
// Every hidden word, then every found word, each followed by "<br>" CRLF.
std::string wordItems(const Puzzle& p);
// Runs build with the grid hidden when highlighting (its colours are being read), and shows
// the grid again afterwards.
std::string withGridHidden(Puzzle& p, bool highlight, const std::function<std::string()>& build);
}  // namespace page

}  // namespace lettermaze
