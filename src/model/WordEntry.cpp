#include "model/WordEntry.h"

#include "model/Text1252.h"

namespace lettermaze {

namespace {
bool refused(unsigned char c) {
    return (c >= 32 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 126) || c == 163 ||
           c == 172;
}
}  // namespace

FilteredText filterWordText(const std::string& typed, int caret) {
    // Every way into the box (typing, pasting, dropping, the library, Paste new words) ends up
    // here, so this is where LF and lone CR line ends, which Linux sources bring, become the CR LF
    // that word preparation splits at.
    const std::string text = toCrLf(typed, caret);
    // Removing one refused character at a time moves the caret back by one for each removal at
    // or before it; done in a single pass that is the count of refused characters before it.
    FilteredText out{std::string(), caret};
    out.text.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = upper1252(text[i]);
        if (refused(static_cast<unsigned char>(c))) {
            if (static_cast<long>(i) < caret) --out.caret;
        } else {
            out.text += c;
        }
    }
    if (out.caret < 0) out.caret = 0;
    return out;
}

void filterWordBox(WindowState& window) {
    const FilteredText f = filterWordText(window.wordText, window.wordSelectionStart);
    if (f.text != window.wordText || f.caret != window.wordSelectionStart) {
        window.wordText = f.text;
        window.wordSelectionStart = f.caret;
        window.wordSelectionLength = 0;
    }
}

void setWordText(WindowState& window, std::string text) {
    window.wordText = std::move(text);
    window.wordSelectionStart = 0;
    window.wordSelectionLength = 0;
    filterWordBox(window);
}

}  // namespace lettermaze
