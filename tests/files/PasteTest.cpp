#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeHost.h"
#include "files/Paste.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"
#include "model/GenerationScratch.h"

using namespace lettermaze;
using lettermaze::testing::FakeHost;

namespace {

std::string pasted(const std::string& box, const std::string& clipboard) {
    WindowState window;
    window.wordText = box;
    FakeHost host;
    host.setClipboardText(clipboard);
    pasteNewWords(window, host);
    return window.wordText;
}

}  // namespace

TEST(PasteNewWords, punctuationIsDeletedAndSpacesSplitWords) {
    EXPECT_EQ(pasted("CAT", "apple, banana; cherry!"), "CAT\r\nAPPLE\r\nBANANA\r\nCHERRY\r\n");
    EXPECT_EQ(pasted("", "Tea for 2"), "TEA\r\nFOR\r\n");
    EXPECT_EQ(pasted("", "It's a dog"), "ITS\r\nDOG\r\n");
}

TEST(PasteNewWords, deletedCharactersJoinTheLettersAroundThem) {
    EXPECT_EQ(pasted("", "x-ray"), "XRAY\r\n");
    EXPECT_EQ(pasted("", "apple,pear"), "APPLEPEAR\r\n");
    EXPECT_EQ(pasted("", "a[b]c^d_e`f{g|h}i~j\xA3k\xACl@m"), "ABCDEFGHIJKLM\r\n");
}

TEST(PasteNewWords, lineBreaksAreKeptInsideAPiece) {
    EXPECT_EQ(pasted("", "ONE\r\nTWO\r\nTHREE"), "ONE\r\nTWO\r\nTHREE\r\n");
    // A piece of just a line break is longer than one character and stays.
    EXPECT_EQ(pasted("", "CAT \r\n DOG"), "CAT\r\n\r\n\r\nDOG\r\n");
}

TEST(PasteNewWords, linesArriveIntactWhateverTheirLineEnds) {
    for (const char* clip : {"one\ntwo\nthree", "one\rtwo\rthree", "one\r\ntwo\r\nthree"})
        EXPECT_EQ(pasted("CAT\n", clip), "CAT\r\nONE\r\nTWO\r\nTHREE\r\n") << clip;
    EXPECT_EQ(pasted("", "one\ntwo\nthree\n"), pasted("", "one\r\ntwo\r\nthree\r\n"));
    EXPECT_EQ(pasted("", "CAT \n DOG"), "CAT\r\n\r\n\r\nDOG\r\n");
}

TEST(PasteNewWords, addsOnTheLineAfterTheBoxsLastWord) {
    EXPECT_EQ(pasted("CAT", "DOG"), "CAT\r\nDOG\r\n");
    EXPECT_EQ(pasted("CAT\r\n\r\n\r\n", "DOG"), "CAT\r\nDOG\r\n");
}

TEST(PasteNewWords, accentedLettersAreUpperCasedAndTabsStay) {
    EXPECT_EQ(pasted("", "caf\xE9 na\xEFve"), "CAF\xC9\r\nNA\xCFVE\r\n");
    EXPECT_EQ(pasted("", "ab\tcd"), "AB\tCD\r\n");
}

TEST(PasteNewWords, nothingUsableLeavesOneLineBreakOrAnEmptyBox) {
    EXPECT_EQ(pasted("CAT\r\n\r\n", "a 1 ! b"), "CAT\r\n");
    EXPECT_EQ(pasted("", "a 1 ! b"), "");
    EXPECT_EQ(pasted("CAT", ""), "CAT\r\n");
}
