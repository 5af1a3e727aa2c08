#include <gtest/gtest.h>

#include "fakes/FakeHost.h"
#include "output/OutputFixtures.h"
#include "output/TextCopies.h"
#include "model/Puzzle.h"

using namespace lettermaze;
using lettermaze::testing::FakeHost;
using lettermaze::testing::puzzleOf;

namespace {
// Notes whether the grid was shown at the moment the clipboard was written.
struct GridWatchingHost : FakeHost {
    const Puzzle* puzzle = nullptr;
    bool shownWhileCopying = true;
    void setClipboardText(const std::string& text) override {
        shownWhileCopying = puzzle->shown;
        FakeHost::setClipboardText(text);
    }
};
}  // namespace

TEST(GridCopy, tabsBetweenCellsAndALoneCrBetweenRowsWithNothingAfterTheLastRow) {
    const Puzzle p = puzzleOf({"ABCD", "EFGH", "IJKL", "MNOP"});
    const std::string text = gridText(p.grid);
    EXPECT_EQ(text, "A\tB\tC\tD\rE\tF\tG\tH\rI\tJ\tK\tL\rM\tN\tO\tP");
    EXPECT_EQ(text.size(), 31u);
    EXPECT_EQ(text.find('\n'), std::string::npos);
}

TEST(GridCopy, oneColumnHasNoTabsAndOneRowNoCr) {
    EXPECT_EQ(gridText(puzzleOf({"A", "B", "C"}).grid), "A\rB\rC");
    EXPECT_EQ(gridText(puzzleOf({"XYZ"}).grid), "X\tY\tZ");
}

TEST(GridCopy, commandCopiesWithTheGridHiddenAndShowsItAgain) {
    Puzzle p = puzzleOf({"AB", "CD"});
    GridWatchingHost host;
    host.puzzle = &p;
    copyGridText(p, host);
    EXPECT_EQ(host.clipboard, "A\tB\rC\tD");
    EXPECT_FALSE(host.shownWhileCopying);
    EXPECT_TRUE(p.shown);
}

TEST(WordListCopy, hiddenWordsThenFoundWordsEachEndingInCrLf) {
    Puzzle p = puzzleOf({"AB"}, {"BETA", "ALPHA"}, {"GAMMA"});
    FakeHost host;
    copyHiddenWords(p, host);
    EXPECT_EQ(host.clipboard, "ALPHA\r\nBETA\r\nGAMMA\r\n");
}

TEST(WordListCopy, everyWordFoundCopiesTheFoundListAloneAndNoWordsCopyNothing) {
    Puzzle p = puzzleOf({"AB"}, {}, {"ZEBRA", "APPLE"});
    EXPECT_EQ(wordsText(p), "APPLE\r\nZEBRA\r\n");
    EXPECT_EQ(wordsText(puzzleOf({"AB"})), "");
}

TEST(WordBoxCopy, copiesTheWordBoxTextUnchanged) {
    WindowState window;
    Puzzle p = puzzleOf({"AB"});
    window.wordText = "CAT\r\nDOG\r\n\r\nEMU";
    FakeHost host;
    copyOriginalWords(window, host);
    EXPECT_EQ(host.clipboard, "CAT\r\nDOG\r\n\r\nEMU");
    EXPECT_TRUE(host.clipboardHoldsText);
}
