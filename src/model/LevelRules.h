#pragma once
// What the difficulty level changes: how often a word is turned round at each try, how much of
// the direction draw each diagonal gets, how many decoys each word yields and where the filler
// letters come from.
#include <algorithm>

namespace lettermaze {

struct LevelRules {
    float reverseChance;  // p: chance of reversing the text at each try
    float diagonalShare;  // q: share of each diagonal direction
    int decoysPerWord;    // for each word longer than 2 letters; 0 below level 4
    bool fillerFromPool;  // filler drawn from the words' letters rather than A to Z
};

inline LevelRules levelRules(int level) {
    level = std::clamp(level, 0, 9);
    static constexpr float kReverse[10] = {0.0f, 0.1f,  0.14f, 0.14f, 0.2f,
                                           0.2f, 0.25f, 0.32f, 0.32f, 0.4f};
    static constexpr float kDiagonal[10] = {0.0f,  0.0f,  0.08f, 0.08f, 0.12f,
                                            0.12f, 0.18f, 0.24f, 0.24f, 0.3f};
    return LevelRules{kReverse[level], kDiagonal[level], level >= 4 ? (level - 4) * 2 + 1 : 0,
                      level == 3 || level >= 5};
}

}  // namespace lettermaze
