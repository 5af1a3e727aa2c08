#include <gtest/gtest.h>

#include "model/WordEntry.h"
#include "model/WordPrep.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"
#include "model/GenerationScratch.h"

using namespace lettermaze;

TEST(TypingFilter, upperCasesAndDropsSpacesKeepingTheCaret) {
    auto f = filterWordText("ice cream", 9);
    EXPECT_EQ(f.text, "ICECREAM");
    EXPECT_EQ(f.caret, 8);
    // A digit typed in the middle vanishes and the caret stays after the same letter.
    f = filterWordText("ICE7CREAM", 4);
    EXPECT_EQ(f.text, "ICECREAM");
    EXPECT_EQ(f.caret, 3);
    // Removals after the caret do not move it.
    f = filterWordText("AB-C!", 1);
    EXPECT_EQ(f.text, "ABC");
    EXPECT_EQ(f.caret, 1);
}

TEST(TypingFilter, keepsLineBreaksTabsAndAccentedLetters) {
    EXPECT_EQ(filterWordText("Apple\r\nPear", 0).text, "APPLE\r\nPEAR");
    EXPECT_EQ(filterWordText("\tcaf\xE9", 0).text, "\tCAF\xC9");
    EXPECT_EQ(filterWordText("a[b]c^d_e`f{g|h}i~j\xA3k\xAC", 0).text, "ABCDEFGHIJK");
    EXPECT_EQ(filterWordText("\x7F\xA2", 0).text, "\x7F\xA2");  // DEL and the cent sign stay
}

TEST(TypingFilter, everyLineEndBecomesCrLfAndTheCaretKeepsItsCharacter) {
    const struct { const char* in; int caret; const char* text; int caretAfter; } cases[] = {
        {"one\ntwo\nthree\n", 8, "ONE\r\nTWO\r\nTHREE\r\n", 10},
        {"ONE\rTWO\r", 4, "ONE\r\nTWO\r\n", 5},
        {"ONE\r\nTWO\n\rX", 11, "ONE\r\nTWO\r\n\r\nX", 13},
        {"A \nB", 3, "A\r\nB", 3},  // a removed space and an added CR cancel out
        {"AB\n", 2, "AB\r\n", 2},
    };
    for (const auto& c : cases) {
        const FilteredText f = filterWordText(c.in, c.caret);
        EXPECT_EQ(f.text, c.text) << c.in;
        EXPECT_EQ(f.caret, c.caretAfter) << c.in;
    }
}

TEST(TypingFilter, changeHandlerLeavesCleanTextAlone) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    window.wordText = "cat dog";
    window.wordSelectionStart = 7;
    filterWordBox(window);
    EXPECT_EQ(window.wordText, "CATDOG");
    EXPECT_EQ(window.wordSelectionStart, 6);
    filterWordBox(window);
    EXPECT_EQ(window.wordText, "CATDOG");
}

TEST(UpdateCaptions, showCountsOnlyWhenTheListsHoldWords) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    showCounts(p);
    EXPECT_EQ(foundCaption(p), "Found");
    EXPECT_EQ(hiddenCaption(p), "Hidden");
    for (const char* w : {"A1", "B2", "C3"}) p.hiddenWords.add(w);
    showCounts(p);
    EXPECT_EQ(foundCaption(p), "Found (0)");
    EXPECT_EQ(hiddenCaption(p), "Hidden (3)");
}

namespace {
PreparedWords prepare(const std::string& text, bool* ok = nullptr) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    window.wordText = text;
    PreparedWords w;
    const bool r = prepareWords(window.wordText, scratch, w);
    if (ok) *ok = r;
    return w;
}
}  // namespace

TEST(WordPreparation, splitsAtCarriageReturnsAndStripsLeadingNonLetters) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    window.wordText = "CAT\r\nDOG\r\n";
    PreparedWords w;
    ASSERT_TRUE(prepareWords(window.wordText, scratch, w));
    EXPECT_EQ(scratch.wordLines, (std::vector<std::string>{"CAT", "DOG", "\n"}));
    EXPECT_EQ(scratch.lastLine, 2);
    EXPECT_EQ(w.words, (std::vector<std::string>{"CAT", "DOG"}));
    EXPECT_EQ(std::string(w.letterPool.begin(), w.letterPool.end()), "CATDOG");
}

TEST(WordPreparation, needsALineBreak) {
    bool ok = true;
    prepare("CAT", &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(prepare("CAT\r", &ok).words.size(), 1u);
    EXPECT_TRUE(ok);
}

TEST(WordPreparation, oneLetterLinesAreNeverWordsButTwoLetterOnesAre) {
    // "\n\t\xC9T" strips down to the single letter T, which is dropped.
    EXPECT_EQ(prepare("A\r\nOX\r\n\n\tOX\r\n\t\xC9T\r\n").words,
              (std::vector<std::string>{"OX", "OX"}));
}

TEST(WordPreparation, keepsTheCharactersAfterTheFirstAndDuplicates) {
    EXPECT_EQ(prepare("A\xC9\tB\r\nCAT\r\nCAT\r\n").words,
              (std::vector<std::string>{"A\xC9\tB", "CAT", "CAT"}));
}

TEST(WordPreparation, considersTheFirst201LinesOnly) {
    std::string text;
    for (int i = 0; i < 250; ++i) text += "W" + std::string(1, static_cast<char>('A' + i % 26)) + "\r\n";
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    window.wordText = text;
    PreparedWords w;
    ASSERT_TRUE(prepareWords(window.wordText, scratch, w));
    EXPECT_EQ(scratch.lastLine, 200);
    EXPECT_EQ(w.words.size(), 201u);
    EXPECT_EQ(w.letterPool.size(), 402u);
}
