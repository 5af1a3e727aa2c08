#include "model/WordPrep.h"

#include <algorithm>

namespace lettermaze {

bool prepareWords(Puzzle& p, PreparedWords& out) {
    out = {};
    // Split at every CR; a LF that followed it stays at the start of the next line.
    p.WordLines.clear();
    std::string::size_type start = 0;
    for (;;) {
        const auto cr = p.WordList.find('\r', start);
        if (cr == std::string::npos) {
            p.WordLines.push_back(p.WordList.substr(start));
            break;
        }
        p.WordLines.push_back(p.WordList.substr(start, cr - start));
        start = cr + 1;
    }
    const auto highest = static_cast<std::int32_t>(p.WordLines.size()) - 1;
    if (highest < 1) return false;
    p.LastLine = std::min<std::int32_t>(200, highest);

    for (std::int32_t i = 0; i <= p.LastLine; ++i) {
        std::string& line = p.WordLines[static_cast<std::size_t>(i)];
        if (line.size() <= 1) continue;
        // Leading characters that are not A to Z go: the LF of every line but the first, and
        // anything else the typing filter let through (a tab, an accented capital ...).
        std::size_t drop = 0;
        while (line.size() - drop >= 2 && !(line[drop] >= 'A' && line[drop] <= 'Z')) ++drop;
        line.erase(0, drop);
        if (line.size() > 1) {
            out.WordsToPlace.push_back(line);
            out.LetterPool.insert(out.LetterPool.end(), line.begin(), line.end());
        }
    }
    return true;
}

}  // namespace lettermaze
