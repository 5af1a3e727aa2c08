// Plain-text copies for pasting elsewhere. The grid copy separates rows by a lone CR, which
// spreadsheets and word processors read as a row break; the word lists use CR LF.
#include "output/TextCopies.h"

namespace lettermaze {

std::string gridText(const Grid& g) {
    std::string s;
    const int rows = g.rowCount();
    const int cols = g.columnCount();
    s.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols) * 2);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            s += g.letterAt(r, c);
            if (c < cols - 1) s += '\t';
        }
        if (r < rows - 1) s += '\r';
    }
    return s;
}

std::string wordsText(const Puzzle& p) {
    std::string s;
    for (const SortedList* list : {&p.hiddenWords, &p.foundWords})
        for (const std::string& word : list->items()) {
            s += word;
            s += "\r\n";
        }
    return s;
}

void copyGridText(Puzzle& p, Host& host) {
    p.shown = false;
    const std::string text = gridText(p.grid);
    host.setClipboardText(text);
    p.shown = true;
}

void copyHiddenWords(Puzzle& p, Host& host) {
    host.setClipboardText(wordsText(p));
}

void copyOriginalWords(const WindowState& window, Host& host) {
    host.setClipboardText(window.wordText);
}

}  // namespace lettermaze
