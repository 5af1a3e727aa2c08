#include "model/Puzzle.h"

namespace lettermaze {

void showCounts(Puzzle& p) {
    p.countsShown = WordCounts{p.hiddenWords.count(), p.foundWords.count()};
}

namespace {
std::string caption(const Puzzle& p, const char* name, int WordCounts::*count) {
    if (!p.countsShown || p.countsShown->hidden + p.countsShown->found < 1) return name;
    return std::string(name) + " (" + std::to_string((*p.countsShown).*count) + ")";
}
}  // namespace

std::string hiddenCaption(const Puzzle& p) {
    return caption(p, "Hidden", &WordCounts::hidden);
}
std::string foundCaption(const Puzzle& p) {
    return caption(p, "Found", &WordCounts::found);
}

}  // namespace lettermaze
