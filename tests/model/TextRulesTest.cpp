// The text rules every part of the program shares: windows-1252 case and conversions, the one
// number reader and its rounding, the word box's filter and word preparation.
#include <gtest/gtest.h>

#include "model/GenerationScratch.h"
#include "model/NumericValue.h"
#include "model/Text1252.h"
#include "model/WindowState.h"
#include "model/WordEntry.h"
#include "model/WordPrep.h"

using namespace lettermaze;
using Words = std::vector<std::string>;

TEST(Text1252, upperCasesAccentedLettersAndTheHighPairsOnly) {
    EXPECT_EQ(upper1252("ice cream"), "ICE CREAM");
    EXPECT_EQ(upper1252("\xE9\xE0\xFC\xF1\x9A\x9C\x9E\xFF"), "\xC9\xC0\xDC\xD1\x8A\x8C\x8E\x9F");
    EXPECT_EQ(upper1252("\xF7\xDF\xB5"), "\xF7\xDF\xB5");  // division sign, sharp s, micro stay
    EXPECT_EQ(reverseText("STOP"), "POTS");
    EXPECT_EQ(trimSpaces("  AB C  "), "AB C");
    EXPECT_EQ(trimSpaces("\tAB "), "\tAB");  // only spaces are trimmed
    EXPECT_EQ(trimSpaces("   "), "");
}

TEST(Text1252, convertsToAndFromUtf8AndMarksWhatItCannotHoldWithAQuestionMark) {
    const std::string cp = "CAF\xC9 \x80 \x8C \xFF";
    EXPECT_EQ(utf8From1252(cp), "CAF\xC3\x89 \xE2\x82\xAC \xC5\x92 \xC3\xBF");
    EXPECT_EQ(cp1252FromUtf8(utf8From1252(cp)), cp);
    EXPECT_EQ(cp1252FromUtf8("\xE4\xB8\xAD"), "?");  // a CJK character
    // A lead byte without its continuation, or a stray continuation, is one unknown character.
    EXPECT_EQ(cp1252FromUtf8("\xC3" "A\xC3"), "?A?");
    EXPECT_EQ(cp1252FromUtf8("\x89Z\xF0\x9F\x98\x80"), "?Z?");
}

TEST(NumericValue, readsTheNumberATextBeginsWith) {
    const std::pair<const char*, double> cases[] = {
        {"20", 20},     {" 2 0 ", 20},  {"\t\n12abc", 12}, {"abc", 0},     {"", 0},
        {"-7.25x", -7.25}, {"1E3", 1000}, {"1.5D2", 150}, {"2E", 2},      {".5", 0.5},
        {"1E+2", 100},  {"1e-1", 0.1},  {"+3", 3},       {"&H10", 16},    {"&haf", 175},
        {"&o17", 15},   {"&HFFFF", -1}, {"&H8000", -32768}, {"&H7FFF", 32767}, {"&H10000", 65536},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(numericValue(text), value) << text;
}

TEST(NumericValue, roundsHalvesToEvenAndRefusesWhatDoesNotFit) {
    for (const auto& [v, r] : std::vector<std::pair<double, double>>{
             {4.5, 4}, {5.5, 6}, {200.5, 200}, {-2.5, -2}, {-3.5, -4}, {4.6, 5}, {4.4, 4}})
        EXPECT_EQ(roundHalfEven(v), r) << v;
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5));  // rounds to 32768
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_EQ(toInt32(16777215), 16777215);
    EXPECT_FALSE(toInt32(2147483648.0));
}

// The box upper-cases, refuses codes 32-64, 91-96, 123-126, 163 and 172, keeps line breaks,
// tabs, DEL and accented letters, and keeps the caret after the same typed character.
TEST(TypingFilter, upperCasesDropsRefusedCharactersAndKeepsTheCaret) {
    const struct {
        const char* typed;
        int caret;
        const char* text;
        int caretAfter;
    } cases[] = {
        {"ice cream", 9, "ICECREAM", 8}, {"ICE7CREAM", 4, "ICECREAM", 3}, {"AB-C!", 1, "ABC", 1},
        {"Apple\r\nPear", 0, "APPLE\r\nPEAR", 0}, {"\tcaf\xE9", 0, "\tCAF\xC9", 0},
        {"a[b]c^d_e`f{g|h}i~j\xA3k\xAC@", 0, "ABCDEFGHIJK", 0}, {"\x7F\xA2", 0, "\x7F\xA2", 0},
        // Every line end becomes CR LF and the caret keeps its character.
        {"one\ntwo\nthree\n", 8, "ONE\r\nTWO\r\nTHREE\r\n", 10}, {"ONE\rTWO\r", 4, "ONE\r\nTWO\r\n", 5},
        {"ONE\r\nTWO\n\rX", 11, "ONE\r\nTWO\r\n\r\nX", 13}, {"AB\n", 2, "AB\r\n", 2},
        {"A \nB", 3, "A\r\nB", 3},  // a removed space and an added CR cancel out
    };
    for (const auto& c : cases) {
        const FilteredText f = filterWordText(c.typed, c.caret);
        EXPECT_EQ(f.text + std::to_string(f.caret), c.text + std::to_string(c.caretAfter)) << c.typed;
    }
}

// Lines end at CR; leading characters other than A to Z go (the LF of every line but the
// first), and what is left is a word when it has two characters or more.
TEST(WordPreparation, splitsAtCrStripsLeadingNonLettersAndKeepsWordsOfTwoOrMore) {
    const struct {
        const char* box;
        bool ok;
        Words words;
    } cases[] = {
        {"CAT", false, {}},
        {"CAT\r", true, {"CAT"}},
        {"CAT\r\nDOG\r\n", true, {"CAT", "DOG"}},
        {"A\r\nOX\r\n\n\tOX\r\n\t\xC9T\r\n", true, {"OX", "OX"}},
        {"A\xC9\tB\r\nCAT\r\nCAT\r\nA\x7FZ\r\n", true, {"A\xC9\tB", "CAT", "CAT", "A\x7FZ"}},
    };
    for (const auto& c : cases) {
        WindowState window;
        GenerationScratch scratch;
        window.wordText = c.box;
        PreparedWords w;
        EXPECT_EQ(prepareWords(window.wordText, scratch, w), c.ok) << c.box;
        EXPECT_EQ(w.words, c.words) << c.box;
    }
    WindowState window;
    GenerationScratch scratch;
    window.wordText = "CAT\r\nDOG\r\n";
    PreparedWords w;
    prepareWords(window.wordText, scratch, w);
    EXPECT_EQ(scratch.wordLines, (Words{"CAT", "DOG", "\n"}));
    EXPECT_EQ(std::string(w.letterPool.begin(), w.letterPool.end()), "CATDOG");
}

TEST(WordPreparation, considersTheFirst201LinesOnly) {
    WindowState window;
    GenerationScratch scratch;
    for (int i = 0; i < 250; ++i) window.wordText += "W" + std::string(1, char('A' + i % 26)) + "\r\n";
    PreparedWords w;
    ASSERT_TRUE(prepareWords(window.wordText, scratch, w));
    EXPECT_EQ(scratch.lastLine, 200);
    EXPECT_EQ(w.words.size(), 201u);
}
