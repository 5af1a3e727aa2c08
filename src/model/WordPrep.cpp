#include "model/WordPrep.h"

#include <algorithm>

namespace lettermaze {

bool prepareWords(const std::string& wordText, GenerationScratch& scratch, PreparedWords& out) {
    out = {};
    // Split at every CR; a LF that followed it stays at the start of the next line.
    scratch.wordLines.clear();
    std::string::size_type start = 0;
    for (;;) {
        const auto cr = wordText.find('\r', start);
        if (cr == std::string::npos) {
            scratch.wordLines.push_back(wordText.substr(start));
            break;
        }
        scratch.wordLines.push_back(wordText.substr(start, cr - start));
        start = cr + 1;
    }
    const auto highest = static_cast<std::int32_t>(scratch.wordLines.size()) - 1;
    if (highest < 1) return false;
    scratch.lastLine = std::min<std::int32_t>(200, highest);

    for (std::int32_t i = 0; i <= scratch.lastLine; ++i) {
        std::string& line = scratch.wordLines[static_cast<std::size_t>(i)];
        if (line.size() <= 1) continue;
        // Leading characters that are not A to Z go: the LF of every line but the first, and
        // anything else the typing filter let through (a tab, an accented capital ...).
        std::size_t drop = 0;
        while (line.size() - drop >= 2 && !(line[drop] >= 'A' && line[drop] <= 'Z')) ++drop;
        line.erase(0, drop);
        if (line.size() > 1) {
            out.words.push_back(line);
            out.letterPool.insert(out.letterPool.end(), line.begin(), line.end());
        }
    }
    return true;
}

}  // namespace lettermaze
