#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "files/FieldReader.h"

using namespace lettermaze;

namespace {

// Every field of text, in order, until a read fails.
std::vector<std::string> fields(std::string_view text) {
    ViewBuffer buffer(text);
    FieldReader in(buffer);
    std::vector<std::string> out;
    for (std::string s; in.read(s);) out.push_back(s);
    return out;
}

using Fields = std::vector<std::string>;

}  // namespace

TEST(FieldReader, unquotedFieldRunsToCommaOrLineEnd) {
    EXPECT_EQ(fields("ab,cd\r\nef"), (Fields{"ab", "cd", "ef"}));
    EXPECT_EQ(fields("a,,b\r\n"), (Fields{"a", "", "b"}));
    // A comma just before the line end leaves an empty field on that line.
    EXPECT_EQ(fields("a,\r\nb\r\n"), (Fields{"a", "", "b"}));
}

TEST(FieldReader, leadingSpacesAreSkippedTrailingOnesKept) {
    EXPECT_EQ(fields("   20 \r\n  x y  \r\n"), (Fields{"20 ", "x y  "}));
    // Only spaces are skipped, not tabs.
    EXPECT_EQ(fields("\tA\r\n"), (Fields{"\tA"}));
}

TEST(FieldReader, quotedFieldDropsItsQuotesAndSkipsTheRestOfItsField) {
    EXPECT_EQ(fields("\"a,b\" junk,c\r\nd\r\n"), (Fields{"a,b", "c", "d"}));
    EXPECT_EQ(fields("  \"  padded  \"\r\n"), (Fields{"  padded  "}));
    EXPECT_EQ(fields("\"\"\r\n"), (Fields{""}));
    // A quote that does not open the field is an ordinary character.
    EXPECT_EQ(fields("ab\"c\r\n"), (Fields{"ab\"c"}));
}

TEST(FieldReader, quotedFieldMayRunOverLineEnds) {
    ViewBuffer buffer("\"a\r\nb\nc\"\r\nd\r\n");
    FieldReader in(buffer);
    std::string s;
    ASSERT_TRUE(in.read(s));
    EXPECT_EQ(s, "a\r\nb\nc");
    EXPECT_EQ(in.line(), 4u);
    ASSERT_TRUE(in.read(s));
    EXPECT_EQ(s, "d");
}

TEST(FieldReader, unclosedQuoteIsAReadPastTheEnd) {
    EXPECT_EQ(fields("a\r\n\"bc\r\n"), (Fields{"a"}));
}

TEST(FieldReader, lineEndsMayBeCrLfLoneLfOrLoneCr) {
    EXPECT_EQ(fields("a\r\nb\nc\rd"), (Fields{"a", "b", "c", "d"}));
    // LF CR is two line ends, so an empty line between them.
    EXPECT_EQ(fields("a\n\rb"), (Fields{"a", "", "b"}));
    EXPECT_EQ(fields("\r\n\r\n"), (Fields{"", ""}));
}

TEST(FieldReader, readingPastTheEndFails) {
    EXPECT_EQ(fields(""), Fields{});
    EXPECT_EQ(fields("E\r\n"), (Fields{"E"}));
    EXPECT_EQ(fields("E"), (Fields{"E"}));
    // Spaces at the very end hold no field.
    EXPECT_EQ(fields("E\r\n   "), (Fields{"E"}));
}

TEST(FieldReader, countsLinesForReports) {
    ViewBuffer buffer("a,b\r\nc\rd\ne");
    FieldReader in(buffer);
    std::string s;
    std::vector<std::uint64_t> lines;
    while (true) {
        const auto at = in.line();
        if (!in.read(s)) break;
        lines.push_back(at);
    }
    EXPECT_EQ(lines, (std::vector<std::uint64_t>{1, 1, 2, 3, 4}));
}

TEST(FieldReader, keepsBytesAbove127AndNulAsTheyAre) {
    const std::string text("\xC9T\xC9\0X\r\n", 7);
    EXPECT_EQ(fields(text), (Fields{std::string("\xC9T\xC9\0X", 5)}));
}
