#include "solve/Occurrences.h"

namespace lettermaze {

std::vector<Occurrence> findOccurrences(const Grid& g, const std::string& word) {
    std::vector<Occurrence> out;
    const int n = static_cast<int>(word.size());
    if (n == 0) return out;
    // Reading the word in all eight directions finds every line in both senses; keeping only
    // the four "forward" directions for one of the two readings makes each line count once.
    static constexpr int kDirs[8][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1},
                                        {0, -1}, {-1, 0}, {-1, -1}, {-1, 1}};
    const bool palindrome = std::string(word.rbegin(), word.rend()) == word;
    const int dirCount = n == 1 ? 1 : (palindrome ? 4 : 8);
    for (int r = 0; r < g.rowCount(); ++r) {
        for (int c = 0; c < g.columnCount(); ++c) {
            for (int d = 0; d < dirCount; ++d) {
                const int dr = kDirs[d][0], dc = kDirs[d][1];
                const int r2 = r + dr * (n - 1), c2 = c + dc * (n - 1);
                if (r2 < 0 || r2 >= g.rowCount() || c2 < 0 || c2 >= g.columnCount()) continue;
                bool match = true;
                for (int i = 0; i < n && match; ++i) {
                    const std::string& cell = g.letterAt(r + dr * i, c + dc * i);
                    match = cell.size() == 1 && cell[0] == word[static_cast<std::size_t>(i)];
                }
                if (match) out.push_back({r, c, r2, c2});
            }
        }
    }
    return out;
}

}  // namespace lettermaze
