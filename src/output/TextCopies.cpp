// Plain-text copies for pasting elsewhere. The grid copy separates rows by a lone CR, which
// spreadsheets and word processors read as a row break; the word lists use CR LF.
#include "output/TextCopies.h"

namespace lettermaze {

std::string gridText(const Grid& g) {
    std::string s;
    const int rows = g.Rows();
    const int cols = g.Cols();
    s.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols) * 2);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            s += g.TextMatrix(r, c);
            if (c < cols - 1) s += '\t';
        }
        if (r < rows - 1) s += '\r';
    }
    return s;
}

std::string wordsText(const Puzzle& p) {
    std::string s;
    for (const SortedList* list : {&p.ListW, &p.ListF})
        for (const std::string& word : list->items()) {
            s += word;
            s += "\r\n";
        }
    return s;
}

void mnuCopyS_Click(Puzzle& p, Host& host) {
    p.FG.Visible = false;
    const std::string text = gridText(p.FG);
    host.setClipboardText(text);
    p.FG.Visible = true;
}

void mnuCopyH_Click(Puzzle& p, Host& host) {
    host.setClipboardText(wordsText(p));
}

void mnuCopy_Click(Puzzle& p, Host& host) {
    host.setClipboardText(p.WordList);
}

}  // namespace lettermaze
