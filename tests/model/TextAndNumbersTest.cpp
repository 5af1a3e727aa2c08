#include <gtest/gtest.h>

#include "model/NumericValue.h"
#include "model/Text1252.h"

using namespace lettermaze;

TEST(Text1252, upperCoversAccentedLettersAndTheHighPairs) {
    EXPECT_EQ(upper1252("ice cream"), "ICE CREAM");
    EXPECT_EQ(upper1252("\xE9\xE0\xFC\xF1"), "\xC9\xC0\xDC\xD1");  // e-acute a-grave u-umlaut n-tilde
    EXPECT_EQ(upper1252("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
    EXPECT_EQ(upper1252("\xF7\xDF\xB5"), "\xF7\xDF\xB5");  // division sign, sharp s, micro stay
}

TEST(Text1252, reverseAndTrim) {
    EXPECT_EQ(reverseText("STOP"), "POTS");
    EXPECT_EQ(reverseText("A"), "A");
    EXPECT_EQ(reverseText(""), "");
    EXPECT_EQ(trimSpaces("  AB C  "), "AB C");
    EXPECT_EQ(trimSpaces("\tAB "), "\tAB");  // only spaces are trimmed
    EXPECT_EQ(trimSpaces("   "), "");
}

TEST(Text1252, utf8RoundTripAndUnmappable) {
    const std::string cp = "CAF\xC9 \x80 \x8C";
    EXPECT_EQ(utf8From1252(cp), "CAF\xC3\x89 \xE2\x82\xAC \xC5\x92");
    EXPECT_EQ(cp1252FromUtf8(utf8From1252(cp)), cp);
    EXPECT_EQ(cp1252FromUtf8("\xE4\xB8\xAD"), "?");  // a CJK character has no windows-1252 byte
}

TEST(NumericValue, readsTheNumberATextBeginsWith) {
    EXPECT_EQ(numericValue("20"), 20);
    EXPECT_EQ(numericValue(" 2 0 "), 20);  // blanks anywhere are skipped
    EXPECT_EQ(numericValue("\t\n12abc"), 12);
    EXPECT_EQ(numericValue("abc"), 0);
    EXPECT_EQ(numericValue(""), 0);
    EXPECT_EQ(numericValue("-7.25x"), -7.25);
    EXPECT_EQ(numericValue("1E3"), 1000);
    EXPECT_EQ(numericValue("1.5D2"), 150);
    EXPECT_EQ(numericValue("2E"), 2);
    EXPECT_EQ(numericValue(".5"), 0.5);
    EXPECT_EQ(numericValue("&H10"), 16);
    EXPECT_EQ(numericValue("&o17"), 15);
    EXPECT_EQ(numericValue("&HFFFF"), -1);
    EXPECT_EQ(numericValue("+3"), 3);
}

TEST(NumericValue, roundsHalvesToEven) {
    EXPECT_EQ(roundHalfEven(4.5), 4);
    EXPECT_EQ(roundHalfEven(5.5), 6);
    EXPECT_EQ(roundHalfEven(200.5), 200);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(4.6), 5);
    EXPECT_EQ(roundHalfEven(4.4), 4);
}

TEST(NumericValue, rangesRefuseWhatDoesNotFit) {
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5));  // rounds to 32768
    EXPECT_FALSE(toInt16(99999));
    EXPECT_EQ(toInt16(-32768.5), -32768);  // half to even stays in range
    EXPECT_EQ(toInt32(16777215), 16777215);
    EXPECT_FALSE(toInt32(2147483648.0));
    EXPECT_FALSE(toInt32(numericValue("1E300")));
}
