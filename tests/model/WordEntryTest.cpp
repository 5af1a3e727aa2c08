#include <gtest/gtest.h>

#include "model/WordEntry.h"
#include "model/WordPrep.h"

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
    p.WordList = "cat dog";
    p.WordListSelStart = 7;
    WordList_Change(p);
    EXPECT_EQ(p.WordList, "CATDOG");
    EXPECT_EQ(p.WordListSelStart, 6);
    WordList_Change(p);
    EXPECT_EQ(p.WordList, "CATDOG");
}

TEST(UpdateCaptions, showCountsOnlyWhenTheListsHoldWords) {
    Puzzle p;
    Update(p);
    EXPECT_EQ(p.LabelF, "Found");
    EXPECT_EQ(p.LabelH, "Hidden");
    for (const char* w : {"A1", "B2", "C3"}) p.ListW.AddItem(w);
    Update(p);
    EXPECT_EQ(p.LabelF, "Found (0)");
    EXPECT_EQ(p.LabelH, "Hidden (3)");
}

namespace {
PreparedWords prepare(const std::string& text, bool* ok = nullptr) {
    Puzzle p;
    p.WordList = text;
    PreparedWords w;
    const bool r = prepareWords(p, w);
    if (ok) *ok = r;
    return w;
}
}  // namespace

TEST(WordPreparation, splitsAtCarriageReturnsAndStripsLeadingNonLetters) {
    Puzzle p;
    p.WordList = "CAT\r\nDOG\r\n";
    PreparedWords w;
    ASSERT_TRUE(prepareWords(p, w));
    EXPECT_EQ(p.WordLines, (std::vector<std::string>{"CAT", "DOG", "\n"}));
    EXPECT_EQ(p.LastLine, 2);
    EXPECT_EQ(w.WordsToPlace, (std::vector<std::string>{"CAT", "DOG"}));
    EXPECT_EQ(std::string(w.LetterPool.begin(), w.LetterPool.end()), "CATDOG");
}

TEST(WordPreparation, needsALineBreak) {
    bool ok = true;
    prepare("CAT", &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(prepare("CAT\r", &ok).WordsToPlace.size(), 1u);
    EXPECT_TRUE(ok);
}

TEST(WordPreparation, oneLetterLinesAreNeverWordsButTwoLetterOnesAre) {
    // "\n\t\xC9T" strips down to the single letter T, which is dropped.
    EXPECT_EQ(prepare("A\r\nOX\r\n\n\tOX\r\n\t\xC9T\r\n").WordsToPlace,
              (std::vector<std::string>{"OX", "OX"}));
}

TEST(WordPreparation, keepsTheCharactersAfterTheFirstAndDuplicates) {
    EXPECT_EQ(prepare("A\xC9\tB\r\nCAT\r\nCAT\r\n").WordsToPlace,
              (std::vector<std::string>{"A\xC9\tB", "CAT", "CAT"}));
}

TEST(WordPreparation, considersTheFirst201LinesOnly) {
    std::string text;
    for (int i = 0; i < 250; ++i) text += "W" + std::string(1, static_cast<char>('A' + i % 26)) + "\r\n";
    Puzzle p;
    p.WordList = text;
    PreparedWords w;
    ASSERT_TRUE(prepareWords(p, w));
    EXPECT_EQ(p.LastLine, 200);
    EXPECT_EQ(w.WordsToPlace.size(), 201u);
    EXPECT_EQ(w.LetterPool.size(), 402u);
}
