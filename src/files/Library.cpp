// The word-list library.
//
// The file is a run of lists, each a name line, its word lines and an "[END]" line. Lines end at
// CR LF or a lone CR; a lone LF belongs to the line. Each list becomes one element of
// the library lists (its words, each followed by CR) and one Word lists menu item holding its
// word count. The counters are 16-bit, as the menu's indices are: a file that would overflow
// them, or that ends inside a list, ends the load where it stands.
//
// Choosing a list draws n of its words by removing the others one at a time at random from the
// sequence of word indices, so the words kept stay in library order. The sequence also holds
// the index of the empty piece that follows the last CR; it is never drawn, which leaves the
// chosen words followed by one empty line.
#include "files/Library.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <numeric>
#include <optional>
#include <vector>

#include "model/NumericValue.h"
#include "model/Text1252.h"
#include "model/WordEntry.h"

namespace lettermaze {

namespace {

constexpr int kMaxCounter = 32767;
constexpr std::string_view kEndMarker = "[END]";

// Reads lines as the program's text files are read: CR or CR LF ends a line.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}
    bool atEnd() const { return pos_ >= bytes_.size(); }
    // The next line, or nothing when the file has no more (reading past the end).
    std::optional<std::string> readLine() {
        if (atEnd()) return std::nullopt;
        const std::size_t cr = bytes_.find('\r', pos_);
        const std::size_t stop = cr == std::string_view::npos ? bytes_.size() : cr;
        std::string line(bytes_.substr(pos_, stop - pos_));
        pos_ = stop;
        if (pos_ < bytes_.size()) {
            ++pos_;  // the CR
            if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
        }
        return line;
    }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// The words of one list, each followed by CR, and how many there are; stops with the marker.
// False when the file ended first or the count overflowed.
bool readWords(LineReader& in, std::string& words, int& count) {
    for (;;) {
        const std::optional<std::string> line = in.readLine();
        if (!line) return false;
        if (*line == kEndMarker) return true;
        words += *line;
        words += '\r';
        if (count == kMaxCounter) return false;
        ++count;
    }
}

// The count that choosing an item works with: its word count, or, for a list whose load was cut
// short, the words it did keep.
long itemCount(const WindowState& window, std::size_t index) {
    const LibraryMenuItem& item = window.libraryMenu[index];
    if (item.wordCount) return toInt32(std::floor(numericValue(*item.wordCount))).value_or(0);
    if (index >= window.libraryLists.size()) return 0;
    const std::string& words = window.libraryLists[index];
    return static_cast<long>(std::count(words.begin(), words.end(), '\r'));
}

std::vector<std::string> splitAtCr(const std::string& text) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t cr = text.find('\r', start);
        if (cr == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, cr - start));
        start = cr + 1;
    }
}

// n of the pieces' words, in order, each on its own line, then one empty line.
std::string drawWords(const std::vector<std::string>& pieces, long n, Random& random) {
    std::vector<int> sequence(pieces.size());
    std::iota(sequence.begin(), sequence.end(), 0);
    const long last = static_cast<long>(pieces.size()) - 1;
    for (long k = 0; k < last - n; ++k) {
        // In double the product is exact, so the last position is never reached.
        const auto span = static_cast<double>(sequence.size() - 1);
        const auto at = static_cast<std::ptrdiff_t>(std::floor(random.next() * span));
        sequence.erase(sequence.begin() + at);
    }
    std::string s;
    for (int index : sequence) {
        s += pieces[static_cast<std::size_t>(index)];
        s += "\r\n";
    }
    return s;
}

bool onlyBlankLines(const std::string& text) {
    return text.find_first_not_of("\r\n ") == std::string::npos;
}

}  // namespace

void loadLibraryText(WindowState& window, std::string_view bytes) {
    LineReader in(bytes);
    int i = -1;
    while (!in.atEnd()) {
        if (i == kMaxCounter) return;
        ++i;
        const std::string name = *in.readLine();
        // A name on the last line, with nothing after it, makes no list.
        if (in.atEnd()) return;
        const auto item = static_cast<std::size_t>(i);
        if (item >= window.libraryMenu.size()) window.libraryMenu.resize(item + 1);
        window.libraryMenuEnabled = true;
        window.libraryMenu[item].caption = trimSpaces(name);
        window.libraryLists.resize(item + 1);
        window.libraryLists[item].clear();
        int count = 0;
        if (name != kEndMarker && !readWords(in, window.libraryLists[item], count)) return;
        window.libraryMenu[item].wordCount = std::to_string(count);
    }
}

bool loadLibrary(WindowState& window, const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) return false;
    loadLibraryText(window, bytes);
    return true;
}

void addWordsFromList(WindowState& window, Host& host, Random& random, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= window.libraryMenu.size()) return;
    const auto item = static_cast<std::size_t>(index);
    const long count = itemCount(window, item);
    const std::string name = window.libraryMenu[item].caption;
    const std::string countText = std::to_string(count);

    const std::string answer = host.inputBox(
        "Enter number of " + name + " to use:", countText + " " + name + " available.",
        count < 60 ? countText : "60");
    const double wanted = std::floor(numericValue(answer));
    if (!(wanted >= 2)) return;
    const long n = wanted > static_cast<double>(count) ? count : static_cast<long>(wanted);

    const std::vector<std::string> pieces = item < window.libraryLists.size()
                                                ? splitAtCr(window.libraryLists[item])
                                                : std::vector<std::string>{};
    const std::string s = drawWords(pieces, n, random);

    if (onlyBlankLines(window.wordText)) {
        setWordText(window, s);
        return;
    }
    // Show what would be replaced before asking.
    window.wordSelectionStart = 0;
    window.wordSelectionLength = static_cast<int>(window.wordText.size());
    host.processEvents();
    switch (host.messageBox("Do you want to replace the words already entered?",
                            "Add to current words or replace them?", Buttons::YesNoCancel,
                            MessageIcon::None)) {
        case Answer::Yes:
            setWordText(window, s);
            break;
        case Answer::No:
            appendWords(window, s);
            break;
        default:
            break;
    }
}

void appendWords(WindowState& window, const std::string& s) {
    std::string text = window.wordText;
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    setWordText(window, text.empty() ? s : text + "\r\n" + s);
}

}  // namespace lettermaze
