#include <gtest/gtest.h>

#include "solve/Occurrences.h"

using namespace lettermaze;

namespace {
Grid gridOf(const std::vector<std::string>& rows) {
    Grid g;
    g.setRowCount(static_cast<int>(rows.size()));
    g.setColumnCount(static_cast<int>(rows[0].size()));
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < g.columnCount(); ++c)
            g.setLetterAt(r, c, std::string(1, rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
    return g;
}
}  // namespace

TEST(Occurrences, findsEveryDirectionForwardsAndBackwards) {
    const Grid g = gridOf({"CATX",
                           "AXXT",
                           "TXAX",
                           "XCXX"});
    // CAT across row 0, down column 0, and up the diagonal from (3,1) to (1,3).
    const auto found = findOccurrences(g, "CAT");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(findOccurrences(g, "TAC").size(), 3u);  // the same lines, read the other way
    EXPECT_TRUE(findOccurrences(g, "DOG").empty());
}

TEST(Occurrences, palindromesAndSingleLettersCountEachLineOnce) {
    const Grid g = gridOf({"ABA", "XXX", "XXX"});
    EXPECT_EQ(findOccurrences(g, "ABA").size(), 1u);
    EXPECT_EQ(findOccurrences(g, "X").size(), 6u);
    EXPECT_TRUE(findOccurrences(g, "").empty());
    EXPECT_TRUE(findOccurrences(g, "ABAB").empty());  // longer than the grid is wide
}
