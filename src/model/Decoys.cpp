// Decoys are made from the words in a random order and then placed one after another into the
// winning attempt's grid with the same search as the words, but with their own odds: a decoy
// is turned round more rarely and goes right more often. They only ever fill empty cells or
// cells that already hold their letter, so no hidden word is damaged.
#include "model/Decoys.h"

#include <utility>

namespace lettermaze {

namespace {
constexpr int kTriesPerDecoy = 21;

Direction decoyDirection(float r) {
    return directionPast(r, 0.3f, 0.5f, 0.7f);
}
template <class Rng>
std::vector<std::string> makeDecoysWith(std::vector<std::string> words,
                                        const std::vector<char>& pool, int perWord, Rng& rnd) {
    std::vector<std::string> decoys;
    const int poolSize = static_cast<int>(pool.size());
    while (!words.empty()) {
        const auto pick = static_cast<std::size_t>(scaledDraw(rnd, static_cast<int>(words.size())));
        const std::string& word = words[pick];
        const int L = static_cast<int>(word.size());
        if (L > 2) {
            for (int n = 0; n < perWord; ++n) {
                const int j = scaledDraw(rnd, L - 2) + 2;
                char wrong;
                do {
                    wrong = pool[static_cast<std::size_t>(scaledDraw(rnd, poolSize))];
                } while (wrong == word[static_cast<std::size_t>(j)]);
                decoys.push_back(word.substr(0, static_cast<std::size_t>(j)) + wrong);
            }
        }
        words.erase(words.begin() + static_cast<std::ptrdiff_t>(pick));
    }
    return decoys;
}

template <class Rng>
int placeDecoysWith(const std::vector<std::string>& decoys, PlacementSearch& search, int cols,
                    int rows, Rng& rnd) {
    int placed = 0;
    std::string backward;
    for (const std::string& decoy : decoys) {
        backward.assign(decoy.rbegin(), decoy.rend());
        bool reversed = false;  // the turns accumulate
        const int L = static_cast<int>(decoy.size());
        for (int tryNumber = 1; tryNumber <= kTriesPerDecoy; ++tryNumber) {
            reversed ^= rnd.next() > 0.7f;
            const Direction d = decoyDirection(rnd.next());
            if (!fitsIn(d, L, cols, rows)) continue;
            const std::string& text = reversed ? backward : decoy;
            if (const std::optional<Spot> at = search.find(text, d, rnd)) {
                search.write(text, d, *at);
                ++placed;
                break;
            }
            // Every try left would fail too, so only their draws are made.
            if (search.lastTextFitsNowhere()) {
                for (int left = 2 * (kTriesPerDecoy - tryNumber); left > 0; --left) rnd.next();
                break;
            }
        }
    }
    return placed;
}

}  // namespace

std::vector<std::string> makeDecoys(std::vector<std::string> words, const std::vector<char>& pool,
                                    int perWord, Random& rnd) {
    return makeDecoysWith(std::move(words), pool, perWord, rnd);
}
std::vector<std::string> makeDecoys(std::vector<std::string> words, const std::vector<char>& pool,
                                    int perWord, SeededRandom& rnd) {
    return makeDecoysWith(std::move(words), pool, perWord, rnd);
}

int placeDecoys(const std::vector<std::string>& decoys, PlacementSearch& search, int cols, int rows,
                Random& rnd) {
    return placeDecoysWith(decoys, search, cols, rows, rnd);
}
int placeDecoys(const std::vector<std::string>& decoys, PlacementSearch& search, int cols, int rows,
                SeededRandom& rnd) {
    return placeDecoysWith(decoys, search, cols, rows, rnd);
}

}  // namespace lettermaze
