#pragma once
// What to print and how: the print dialog's choices, or the command-line tool's options.
#include <cstdint>
#include <string>

namespace lettermaze {

// The print dialog's choices when it closes; the command-line tool fills them from its options.
struct PrintSettings {
    bool cancelled = false;
    std::int16_t what = 0;  // 0 puzzle and words, 1 puzzle only, 2 words only
    std::string title;
    std::string font;
};

}  // namespace lettermaze
