// Paste new words.
//
// The clipboard text is upper-cased and stripped of punctuation and digits (which therefore
// join the letters around them rather than separate words); what is left is split at spaces,
// and every piece longer than one character becomes a line. Line breaks are not split points,
// so a list of one word per line arrives with its lines intact.
#include "files/Paste.h"

#include <string>

#include "files/Library.h"
#include "model/Text1252.h"

namespace lettermaze {

namespace {
bool deleted(unsigned char c) {
    return (c >= 33 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 126) || c == 163 ||
           c == 172;
}
}  // namespace

void pasteNewWords(WindowState& window, Host& host) {
    std::string text;
    // The rules below read line breaks as CR LF pairs: a lone LF would be a one-character piece
    // and dropped, where CR LF is kept.
    for (char c : upper1252(toCrLf(host.clipboardText())))
        if (!deleted(static_cast<unsigned char>(c))) text += c;

    std::string s;
    std::size_t start = 0;
    for (;;) {
        const std::size_t space = text.find(' ', start);
        const std::size_t stop = space == std::string::npos ? text.size() : space;
        const std::string piece = trimSpaces(std::string_view(text).substr(start, stop - start));
        if (piece.size() > 1) s += piece + "\r\n";
        if (space == std::string::npos) break;
        start = space + 1;
    }
    appendWords(window, s);
}

}  // namespace lettermaze
