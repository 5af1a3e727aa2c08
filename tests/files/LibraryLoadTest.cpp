#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "files/Library.h"
#include "model/WindowState.h"

using namespace lettermaze;

namespace {

WindowState loaded(std::string_view bytes) {
    WindowState window;
    loadLibraryText(window, bytes);
    return window;
}

std::string repeated(const std::string& line, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += line;
    return s;
}

}  // namespace

TEST(LibraryLoad, readsEachListIntoTheMenuAndTheLists) {
    const WindowState window =
        loaded("  Farm animals \r\nCOW\r\npig\r\n HEN \r\n[END]\r\nFruit\r\nAPPLE\r\n[END]\r\n");
    ASSERT_EQ(window.libraryMenu.size(), 2u);
    ASSERT_EQ(window.libraryLists.size(), 2u);
    EXPECT_TRUE(window.libraryMenuEnabled);
    EXPECT_EQ(window.libraryMenu[0].caption, "Farm animals");
    EXPECT_EQ(window.libraryMenu[0].wordCount, "3");
    // Words are taken exactly as read: no trimming, no case change.
    EXPECT_EQ(window.libraryLists[0], "COW\rpig\r HEN \r");
    EXPECT_EQ(window.libraryMenu[1].caption, "Fruit");
    EXPECT_EQ(window.libraryMenu[1].wordCount, "1");
    EXPECT_EQ(window.libraryLists[1], "APPLE\r");
}

TEST(LibraryLoad, emptyFileLeavesTheDesignState) {
    const WindowState window = loaded("");
    EXPECT_FALSE(window.libraryMenuEnabled);
    EXPECT_EQ(window.libraryMenu.size(), 1u);
    EXPECT_FALSE(window.libraryMenu[0].wordCount.has_value());
    EXPECT_TRUE(window.libraryLists.empty());
}

TEST(LibraryLoad, emptyLineAfterTheLastListMakesNoItem) {
    const WindowState window = loaded("Fruit\r\nAPPLE\r\n[END]\r\n\r\n");
    EXPECT_EQ(window.libraryMenu.size(), 1u);
    EXPECT_EQ(window.libraryLists.size(), 1u);
    EXPECT_EQ(window.libraryMenu[0].wordCount, "1");
    // Likewise a lone name on the last line.
    const WindowState q = loaded("Fruit\r\nAPPLE\r\n[END]\r\nTrees");
    EXPECT_EQ(q.libraryMenu.size(), 1u);
    EXPECT_EQ(q.libraryLists.size(), 1u);
}

TEST(LibraryLoad, lastMarkerWithoutLineBreakStillEndsTheList) {
    const WindowState window = loaded("Fruit\r\nAPPLE\r\nPEAR\r\n[END]");
    EXPECT_EQ(window.libraryMenu[0].wordCount, "2");
}

TEST(LibraryLoad, emptyLineBetweenListsBecomesTheNextName) {
    const WindowState window = loaded("Fruit\r\nAPPLE\r\n[END]\r\n\r\nTrees\r\nOAK\r\n[END]\r\n");
    ASSERT_EQ(window.libraryMenu.size(), 2u);
    EXPECT_EQ(window.libraryMenu[1].caption, "");
    EXPECT_EQ(window.libraryMenu[1].wordCount, "2");
    EXPECT_EQ(window.libraryLists[1], "Trees\rOAK\r");
}

TEST(LibraryLoad, nameLineEndMarkerMakesAnEmptyList) {
    const WindowState window = loaded("Fruit\r\nAPPLE\r\n[END]\r\n[END]\r\nTrees\r\nOAK\r\n[END]\r\n");
    ASSERT_EQ(window.libraryMenu.size(), 3u);
    EXPECT_EQ(window.libraryMenu[1].caption, "[END]");
    EXPECT_EQ(window.libraryMenu[1].wordCount, "0");
    EXPECT_EQ(window.libraryLists[1], "");
    EXPECT_EQ(window.libraryMenu[2].caption, "Trees");
    EXPECT_EQ(window.libraryLists[2], "OAK\r");
}

TEST(LibraryLoad, markerMustMatchExactly) {
    const WindowState window = loaded("Fruit\r\n[end]\r\n [END]\r\n[END] \r\n[END]\r\n");
    EXPECT_EQ(window.libraryMenu[0].wordCount, "3");
    EXPECT_EQ(window.libraryLists[0], "[end]\r [END]\r[END] \r");
}

TEST(LibraryLoad, loneCrEndsALineAndLoneLfBelongsToIt) {
    const WindowState window = loaded("Birds\rOWL\r\nEMU\nKIWI\r[END]\rTrees\r\n\nOAK\r\n[END]\r\n");
    ASSERT_EQ(window.libraryMenu.size(), 2u);
    EXPECT_EQ(window.libraryLists[0], "OWL\rEMU\nKIWI\r");
    EXPECT_EQ(window.libraryMenu[0].wordCount, "2");
    // After a CR LF pair a further LF starts the next line's text.
    EXPECT_EQ(window.libraryLists[1], "\nOAK\r");
}

TEST(LibraryLoad, fileEndingInsideAListKeepsItsWordsWithoutACount) {
    WindowState window = loaded("Fruit\r\nAPPLE\r\n[END]\r\nTrees\r\nOAK\r\nASH");
    ASSERT_EQ(window.libraryMenu.size(), 2u);
    EXPECT_EQ(window.libraryMenu[0].wordCount, "1");
    EXPECT_EQ(window.libraryMenu[1].caption, "Trees");
    EXPECT_FALSE(window.libraryMenu[1].wordCount.has_value());
    EXPECT_EQ(window.libraryLists[1], "OAK\rASH\r");

    window = loaded("Trees\r\nOAK\r\n");
    ASSERT_EQ(window.libraryMenu.size(), 1u);
    EXPECT_TRUE(window.libraryMenuEnabled);
    EXPECT_EQ(window.libraryMenu[0].caption, "Trees");
    EXPECT_FALSE(window.libraryMenu[0].wordCount.has_value());
    EXPECT_EQ(window.libraryLists[0], "OAK\r");
}

TEST(LibraryLoad, wordCounterOverflowEndsTheLoad) {
    // 32767 words fit the 16-bit count.
    WindowState window = loaded("Big\r\n" + repeated("CAT\r\n", 32767) + "[END]\r\nNext\r\nDOG\r\n[END]\r\n");
    ASSERT_EQ(window.libraryMenu.size(), 2u);
    EXPECT_EQ(window.libraryMenu[0].wordCount, "32767");

    // One more overflows: the list keeps what it read, gets no count, and nothing follows.
    window = loaded("Big\r\n" + repeated("CAT\r\n", 32768) + "[END]\r\nNext\r\nDOG\r\n[END]\r\n");
    ASSERT_EQ(window.libraryMenu.size(), 1u);
    EXPECT_FALSE(window.libraryMenu[0].wordCount.has_value());
    EXPECT_EQ(window.libraryLists[0].size(), 32768u * 4u);
}

TEST(LibraryLoad, listCounterOverflowEndsTheLoad) {
    // Indices 0 to 32767 fit; the list after them is never read.
    const WindowState window = loaded(repeated("L\r\nW\r\n[END]\r\n", 32770));
    EXPECT_EQ(window.libraryMenu.size(), 32768u);
    EXPECT_EQ(window.libraryLists.size(), 32768u);
    EXPECT_EQ(window.libraryMenu.back().wordCount, "1");
}

TEST(LibraryLoad, missingFileChangesNothing) {
    WindowState window;
    window.libraryLists = {"X\r"};
    EXPECT_FALSE(loadLibrary(window, "/nonexistent/folder/word lists.dat"));
    EXPECT_FALSE(window.libraryMenuEnabled);
    EXPECT_EQ(window.libraryLists.size(), 1u);
    EXPECT_EQ(window.libraryMenu.size(), 1u);
}

TEST(LibraryLoad, readsAFileByteForByte) {
    const std::string path = ::testing::TempDir() + "library-load-test.dat";
    {
        std::ofstream out(path, std::ios::binary);
        out << "Mixed\r\nA\xC9\x42\r\nONE\nTWO\r\n[END]\r\n";
    }
    WindowState window;
    EXPECT_TRUE(loadLibrary(window, path));
    EXPECT_EQ(window.libraryLists[0], "A\xC9\x42\rONE\nTWO\r");
    EXPECT_EQ(window.libraryMenu[0].wordCount, "2");
    std::remove(path.c_str());
}
