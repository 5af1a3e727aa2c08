// The page builder. The page is a fixed sequence of fragments: a credit comment, the document
// head, the grid table (one cell per letter, 21 by 19, with a bgcolor only for highlighted cells
// when highlighting is asked for), the "Find these words" list (hidden words, then found ones),
// the download line and the credit comment again. Nothing is escaped: titles, letters and words
// go in as typed.
#include "output/Page.h"

#include "config/Publisher.h"
#include "files/FileReplace.h"
#include "model/Text1252.h"

namespace lettermaze {

namespace {

constexpr const char* kCrLf = "\r\n";

// One "digit" of htmlColour. Colours outside 0..FFFFFF can give values outside 0..15: larger ones
// are written in full, negative ones as the four digits of their 16-bit two's complement (-1 gives
// FFFF), so every 32-bit value has a defined, finite result.
std::string hexOf(std::int32_t n) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::uint32_t v = n < 0 ? static_cast<std::uint16_t>(n) : static_cast<std::uint32_t>(n);
    std::string s;
    do {
        s.insert(s.begin(), kDigits[v % 16]);
        v /= 16;
    } while (v != 0);
    return s;
}

std::string cellTag(std::int32_t colour, bool highlight) {
    if (highlight && colour != kWhite)
        return "<td width=21 align=center bgcolor=" + htmlColour(colour) + " height=19>";
    return "<td width=21 align=center height=19>";
}

}  // namespace

std::string htmlColour(const std::int32_t& colour) {
    // C++ division truncates toward zero and % takes the dividend's sign, as the rule wants.
    const std::int32_t r = colour % 256;
    const std::int32_t g = (colour / 256) % 256;
    const std::int32_t b = colour / 65536;
    return hexOf(r / 16) + hexOf(r % 16) + hexOf(g / 16) + hexOf(g % 16) + hexOf(b / 16) +
           hexOf(b % 16);
}

namespace page {

std::string creditComment() {
    return std::string("<!--Created by Lettermaze v1.1 - download from ") +
           publisher::kDownloadAddress + "-->";
}

std::string documentHead(const std::string& title) {
    std::string s = creditComment() + kCrLf;
    s += "<html>\r\n";
    s += "<head>\r\n";
    s += "<meta http-equiv='Content-Type' content='text/html; charset=windows-1252'>\r\n";
    s += std::string("<meta name='generator' content='Lettermaze v1.1 from ") +
         publisher::kSiteName + "'>\r\n";
    s += "<title>" + title + "</title>\r\n";
    s += "</head>\r\n";
    s += "<body>\r\n";
    return s;
}

std::string gridTable(const Grid& g, bool highlight) {
    // Widened before multiplying so that no row count can overflow the height.
    const long long height = static_cast<long long>(g.rowCount()) * 19;
    std::string s = "<table border=1 cellspacing=0 cellpadding=0 bordercolor=000000 height=" +
                    std::to_string(height) + ">\r\n";
    for (int r = 0; r < g.rowCount(); ++r) {
        s += "<tr>\r\n";
        for (int c = 0; c < g.columnCount(); ++c) {
            s += cellTag(g.colourAt(r, c), highlight);
            s += "<b>" + g.letterAt(r, c) + "</b></td>\r\n";
        }
        s += "</tr>\r\n";
    }
    return s;
}

std::string wordItems(const Puzzle& p) {
    std::string s;
    for (const SortedList* list : {&p.hiddenWords, &p.foundWords})
        for (const std::string& word : list->items()) s += word + "<br>\r\n";
    return s;
}

std::string withGridHidden(Puzzle& p, bool highlight, const std::function<std::string()>& build) {
    if (!highlight) return build();
    p.shown = false;
    struct ShowAgain {
        Puzzle& p;
        ~ShowAgain() { p.shown = true; }
    } showAgain{p};
    return build();
}

}  // namespace page

std::string buildPage(const Puzzle& p, PageForm form, const std::string& title, bool highlight) {
    const bool web = form == PageForm::Web;
    std::string s = web ? page::documentHead(title) : page::creditComment() + kCrLf;
    s += "<font face=arial size=3>\r\n";
    s += page::gridTable(p.grid, highlight);
    s += "</table>\r\n";
    s += "</font><br>\r\n";
    s += "<table border=0 width=100% cellspacing=0 cellpadding=0><tr><td width=100%>"
         "<font face=arial size=5 color=000000>\r\n";
    s += "Find these words</p></font>\r\n";
    s += "<font face=arial size=4 color=000000>\r\n";
    s += "<p>" + page::wordItems(p);
    s += "</td></tr></table>\r\n";
    s += std::string("<p><font face=arial size=3 color=000000>Download <a href=") +
         publisher::kProductAddress + " target=_blank>Lettermaze</a> from " + publisher::kSiteName +
         "</font></p>\r\n";
    if (web) s += "</body>\r\n</html>\r\n";
    s += page::creditComment();
    return s;
}

bool highlightChoice(Puzzle& p, Host& host) {
    if (p.foundWords.count() == 0) return false;
    return host.messageBox("Highlight words already found?", publisher::kAppTitle, Buttons::YesNo,
                           MessageIcon::None) == Answer::Yes;
}

std::string lowerCase1252(std::string_view s) {
    std::string out(s);
    for (char& ch : out) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            ch = static_cast<char>(c + 32);
        else if (c == 0x8A || c == 0x8C || c == 0x8E)
            ch = static_cast<char>(c + 16);
        else if (c == 0x9F)
            ch = static_cast<char>(0xFF);
    }
    return out;
}

std::string proposedPageName(const std::string& current, const std::string& title) {
    if (lowerCase1252(current).find(".htm") != std::string::npos) return current;
    std::string name = title;
    for (char& c : name)
        if (c == ' ') c = '_';
    return utf8From1252(lowerCase1252(name)) + ".htm";
}

bool writePageFile(const std::string& path, const std::string& bytes) {
    return replaceFile(path, bytes);
}

void saveWebPage(Puzzle& p, WindowState& window, Host& host) {
    // Every failure ends the command quietly with the default pointer back.
    try {
        const std::string title =
            host.inputBox("Enter a title for your Web page", publisher::kAppTitle, "Lettermaze");
        if (title.empty()) return;
        const bool highlight = highlightChoice(p, host);
        host.setBusy(true);
        const std::string html = page::withGridHidden(
            p, highlight, [&] { return buildPage(p, PageForm::Web, title, highlight); });
        window.dialogFileName = proposedPageName(window.dialogFileName, title);
        const std::string chosen = host.showSave("HTML web page|*.htm", window.dialogFileName);
        if (!chosen.empty()) {
            window.dialogFileName = chosen;
            writePageFile(chosen, html + kCrLf);
        }
    } catch (const std::exception&) {
    }
    host.setBusy(false);
}

void copyPageHtml(Puzzle& p, Host& host) {
    const bool highlight = highlightChoice(p, host);
    host.setBusy(true);
    const std::string html = page::withGridHidden(
        p, highlight, [&] { return buildPage(p, PageForm::Clipboard, "", highlight); });
    host.setClipboardText(html);
    host.setBusy(false);
}

}  // namespace lettermaze
