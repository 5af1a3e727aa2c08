#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "files/Library.h"

using namespace lettermaze;

namespace {

Puzzle loaded(std::string_view bytes) {
    Puzzle p;
    loadLibraryText(p, bytes);
    return p;
}

std::string repeated(const std::string& line, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += line;
    return s;
}

}  // namespace

TEST(LibraryLoad, readsEachListIntoTheMenuAndTheLists) {
    const Puzzle p =
        loaded("  Farm animals \r\nCOW\r\npig\r\n HEN \r\n[END]\r\nFruit\r\nAPPLE\r\n[END]\r\n");
    ASSERT_EQ(p.mnuL.size(), 2u);
    ASSERT_EQ(p.LibraryLists.size(), 2u);
    EXPECT_TRUE(p.mnuWLEnabled);
    EXPECT_EQ(p.mnuL[0].Caption, "Farm animals");
    EXPECT_EQ(p.mnuL[0].Tag, "3");
    // Words are taken exactly as read: no trimming, no case change.
    EXPECT_EQ(p.LibraryLists[0], "COW\rpig\r HEN \r");
    EXPECT_EQ(p.mnuL[1].Caption, "Fruit");
    EXPECT_EQ(p.mnuL[1].Tag, "1");
    EXPECT_EQ(p.LibraryLists[1], "APPLE\r");
}

TEST(LibraryLoad, emptyFileLeavesTheDesignState) {
    const Puzzle p = loaded("");
    EXPECT_FALSE(p.mnuWLEnabled);
    EXPECT_EQ(p.mnuL.size(), 1u);
    EXPECT_FALSE(p.mnuL[0].Tag.has_value());
    EXPECT_TRUE(p.LibraryLists.empty());
}

TEST(LibraryLoad, emptyLineAfterTheLastListMakesNoItem) {
    const Puzzle p = loaded("Fruit\r\nAPPLE\r\n[END]\r\n\r\n");
    EXPECT_EQ(p.mnuL.size(), 1u);
    EXPECT_EQ(p.LibraryLists.size(), 1u);
    EXPECT_EQ(p.mnuL[0].Tag, "1");
    // Likewise a lone name on the last line.
    const Puzzle q = loaded("Fruit\r\nAPPLE\r\n[END]\r\nTrees");
    EXPECT_EQ(q.mnuL.size(), 1u);
    EXPECT_EQ(q.LibraryLists.size(), 1u);
}

TEST(LibraryLoad, lastMarkerWithoutLineBreakStillEndsTheList) {
    const Puzzle p = loaded("Fruit\r\nAPPLE\r\nPEAR\r\n[END]");
    EXPECT_EQ(p.mnuL[0].Tag, "2");
}

TEST(LibraryLoad, emptyLineBetweenListsBecomesTheNextName) {
    const Puzzle p = loaded("Fruit\r\nAPPLE\r\n[END]\r\n\r\nTrees\r\nOAK\r\n[END]\r\n");
    ASSERT_EQ(p.mnuL.size(), 2u);
    EXPECT_EQ(p.mnuL[1].Caption, "");
    EXPECT_EQ(p.mnuL[1].Tag, "2");
    EXPECT_EQ(p.LibraryLists[1], "Trees\rOAK\r");
}

TEST(LibraryLoad, nameLineEndMarkerMakesAnEmptyList) {
    const Puzzle p = loaded("Fruit\r\nAPPLE\r\n[END]\r\n[END]\r\nTrees\r\nOAK\r\n[END]\r\n");
    ASSERT_EQ(p.mnuL.size(), 3u);
    EXPECT_EQ(p.mnuL[1].Caption, "[END]");
    EXPECT_EQ(p.mnuL[1].Tag, "0");
    EXPECT_EQ(p.LibraryLists[1], "");
    EXPECT_EQ(p.mnuL[2].Caption, "Trees");
    EXPECT_EQ(p.LibraryLists[2], "OAK\r");
}

TEST(LibraryLoad, markerMustMatchExactly) {
    const Puzzle p = loaded("Fruit\r\n[end]\r\n [END]\r\n[END] \r\n[END]\r\n");
    EXPECT_EQ(p.mnuL[0].Tag, "3");
    EXPECT_EQ(p.LibraryLists[0], "[end]\r [END]\r[END] \r");
}

TEST(LibraryLoad, loneCrEndsALineAndLoneLfBelongsToIt) {
    const Puzzle p = loaded("Birds\rOWL\r\nEMU\nKIWI\r[END]\rTrees\r\n\nOAK\r\n[END]\r\n");
    ASSERT_EQ(p.mnuL.size(), 2u);
    EXPECT_EQ(p.LibraryLists[0], "OWL\rEMU\nKIWI\r");
    EXPECT_EQ(p.mnuL[0].Tag, "2");
    // After a CR LF pair a further LF starts the next line's text.
    EXPECT_EQ(p.LibraryLists[1], "\nOAK\r");
}

TEST(LibraryLoad, fileEndingInsideAListKeepsItsWordsWithoutACount) {
    Puzzle p = loaded("Fruit\r\nAPPLE\r\n[END]\r\nTrees\r\nOAK\r\nASH");
    ASSERT_EQ(p.mnuL.size(), 2u);
    EXPECT_EQ(p.mnuL[0].Tag, "1");
    EXPECT_EQ(p.mnuL[1].Caption, "Trees");
    EXPECT_FALSE(p.mnuL[1].Tag.has_value());
    EXPECT_EQ(p.LibraryLists[1], "OAK\rASH\r");

    p = loaded("Trees\r\nOAK\r\n");
    ASSERT_EQ(p.mnuL.size(), 1u);
    EXPECT_TRUE(p.mnuWLEnabled);
    EXPECT_EQ(p.mnuL[0].Caption, "Trees");
    EXPECT_FALSE(p.mnuL[0].Tag.has_value());
    EXPECT_EQ(p.LibraryLists[0], "OAK\r");
}

TEST(LibraryLoad, wordCounterOverflowEndsTheLoad) {
    // 32767 words fit the 16-bit count.
    Puzzle p = loaded("Big\r\n" + repeated("CAT\r\n", 32767) + "[END]\r\nNext\r\nDOG\r\n[END]\r\n");
    ASSERT_EQ(p.mnuL.size(), 2u);
    EXPECT_EQ(p.mnuL[0].Tag, "32767");

    // One more overflows: the list keeps what it read, gets no count, and nothing follows.
    p = loaded("Big\r\n" + repeated("CAT\r\n", 32768) + "[END]\r\nNext\r\nDOG\r\n[END]\r\n");
    ASSERT_EQ(p.mnuL.size(), 1u);
    EXPECT_FALSE(p.mnuL[0].Tag.has_value());
    EXPECT_EQ(p.LibraryLists[0].size(), 32768u * 4u);
}

TEST(LibraryLoad, listCounterOverflowEndsTheLoad) {
    // Indices 0 to 32767 fit; the list after them is never read.
    const Puzzle p = loaded(repeated("L\r\nW\r\n[END]\r\n", 32770));
    EXPECT_EQ(p.mnuL.size(), 32768u);
    EXPECT_EQ(p.LibraryLists.size(), 32768u);
    EXPECT_EQ(p.mnuL.back().Tag, "1");
}

TEST(LibraryLoad, missingFileChangesNothing) {
    Puzzle p;
    p.LibraryLists = {"X\r"};
    EXPECT_FALSE(loadLibrary(p, "/nonexistent/folder/word lists.dat"));
    EXPECT_FALSE(p.mnuWLEnabled);
    EXPECT_EQ(p.LibraryLists.size(), 1u);
    EXPECT_EQ(p.mnuL.size(), 1u);
}

TEST(LibraryLoad, readsAFileByteForByte) {
    const std::string path = ::testing::TempDir() + "library-load-test.dat";
    {
        std::ofstream out(path, std::ios::binary);
        out << "Mixed\r\nA\xC9\x42\r\nONE\nTWO\r\n[END]\r\n";
    }
    Puzzle p;
    EXPECT_TRUE(loadLibrary(p, path));
    EXPECT_EQ(p.LibraryLists[0], "A\xC9\x42\rONE\nTWO\r");
    EXPECT_EQ(p.mnuL[0].Tag, "2");
    std::remove(path.c_str());
}
