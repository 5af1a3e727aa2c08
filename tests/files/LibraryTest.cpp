// Words arriving in the word box from outside: the word-list library, read at start-up and
// drawn from, and Paste new words.
#include <gtest/gtest.h>

#include <regex>

#include "fakes/Builders.h"
#include "files/Library.h"
#include "files/Paste.h"
#include "files/PuzzleFile.h"
#include "files/Startup.h"

using namespace lettermaze;
using namespace lettermaze::testing;

namespace {

// Each menu item as caption(count)words, the count "-" when unset.
std::string menu(const std::string& bytes) {
    WindowState window;
    loadLibraryText(window, bytes);
    std::string s = window.libraryMenuEnabled ? "" : "off:";
    for (std::size_t i = 0; i < window.libraryMenu.size(); ++i)
        s += window.libraryMenu[i].caption + "(" + window.libraryMenu[i].wordCount.value_or("-") +
             ")" + (i < window.libraryLists.size() ? window.libraryLists[i] : "") + ";";
    return s;
}

const std::string kTen = lines("ANT/BEE/CAT/DOG/EMU/FOX/GNU/HEN/IBIS/JAY/");
constexpr float kTop = 0.99999994f;  // the largest draw

}  // namespace

// A list is a name line, word lines taken exactly as read, and a line that is exactly [END];
// a line ends at CR LF or a lone CR. A file ending inside a list keeps its words uncounted.
TEST(LibraryLoad, readsEachListIntoTheMenuAndItsWordsAsRead) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {lines("  Farm animals /COW/pig/ HEN /[end]/ [END]/[END] /[END]/Fruit/FIG/[END]//"),
         "Farm animals(6)COW\rpig\r HEN \r[end]\r [END]\r[END] \r;Fruit(1)FIG\r;"},
        {"Birds\rOWL\r\nEMU\nKIWI\r[END]\rTrees\r\n\nOAK\r\n[END]\r\n",
         "Birds(2)OWL\rEMU\nKIWI\r;Trees(1)\nOAK\r;"},
        {lines("Fruit/FIG/[END]/Trees/OAK/ASH"), "Fruit(1)FIG\r;Trees(-)OAK\rASH\r;"}};
    // clang-format on
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(menu(bytes), expected) << bytes;
}

// The counters are 16-bit: a list of 32768 words or a 32769th list ends the load there.
TEST(LibraryLoad, counterOverflowEndsTheLoad) {
    std::string big = "Big\r\n", lists;
    for (int i = 0; i < 32767; ++i) big += "CAT\r\n";
    EXPECT_EQ(menu(big + "[END]\r\nN\r\nDOG\r\n[END]\r\n").substr(0, 11), "Big(32767)C");
    // Big(-), the words each with its CR, and ";": nothing after them.
    EXPECT_EQ(menu(big + "CAT\r\n[END]\r\nN\r\nDOG\r\n[END]\r\n").size(), 6 + 32768 * 4 + 1u);
    for (int i = 0; i < 32770; ++i) lists += "L\r\nW\r\n[END]\r\n";
    EXPECT_EQ(menu(lists).size(), 32768u * 7);  // L(1)W, CR and ;
}

// Start-up registers the file type, opens the puzzle named on the command line and loads the
// shipped library, whose lists are complete and hold capital words only.
TEST(startUp, registersTheTypeOpensTheCommandLinesPuzzleAndLoadsTheLibrary) {
    TempDir dir;
    ASSERT_TRUE(savePuzzleFile(samplePuzzle(), dir.file("p.lm")));
    Puzzle p;
    p.findingAll = true;
    WindowState window;
    FakeHost host;
    bool seeded = false;
    const RegistrationEnv env{dir.path(), "lettermaze", "", dir.file("data"), ""};
    startUp(p, window, host, dir.file("p.lm"),
            {env, std::string(LETTERMAZE_SOURCE_DIR) + "/data", [&] { seeded = true; }});
    EXPECT_EQ(std::tuple(seeded, p.shown, p.findingAll, p.hiddenWords.items()),
              std::tuple(true, true, false, Words{"CAT", "OWL"}));
    EXPECT_TRUE(std::filesystem::exists(dir.file("data/applications/lettermaze.desktop")));
    EXPECT_TRUE(window.libraryMenuEnabled && window.libraryLists.size() >= 20);
    for (const std::string& list : window.libraryLists)  // complete, and capital words only
        EXPECT_TRUE(std::regex_match(list, std::regex("([A-Z]+\r){25,}"))) << list;
}

// Fewer than two words (or no number) does nothing; the words are drawn without repeats and
// kept in library order, one draw for each word left out; an empty word box is filled without
// asking, else, with the words shown selected, Yes replaces, No adds and Cancel keeps them.
TEST(LibraryChoice, drawsTheWordsAskedForIntoTheWordBox) {
    using Draws = std::vector<float>;
    // clang-format off
    const std::tuple<std::string, std::string, Answer, Draws, std::string> cases[] = {
        {"", "1.99", Answer::Yes, {}, ""}, {"", "text", Answer::Yes, {}, ""},
        {"", "7.9", Answer::Yes, {0, 0.99f, 0.5f}, lines("BEE/CAT/DOG/EMU/GNU/HEN/IBIS//")},
        {"\r\n\r\n", "2", Answer::Yes, Draws(8, kTop), "ANT\r\nBEE\r\n\r\n"},
        {"OLD", "10", Answer::Cancel, {}, "OLD"}, {"OLD\r\n", "99", Answer::Yes, {}, kTen + "\r\n"},
        {"OLD \r\n\r\n\n", "10", Answer::No, {}, "OLD\r\n" + kTen + "\r\n"}};
    // clang-format on
    for (const auto& [box, answer, reply, draws, expected] : cases) {
        WindowState window;
        loadLibraryText(window, "Animals\r\n" + kTen + "[END]\r\n");
        window.wordText = box;
        FakeHost host;
        host.inputs = {answer};
        host.answers = {reply};
        std::string asked;  // each request, with the box's selection as it is made
        host.watch = [&](const std::string& request) {
            asked += request + " " + std::to_string(window.wordSelectionStart) + "+" +
                     std::to_string(window.wordSelectionLength) + ";";
        };
        ScriptedRandom random(draws);
        addWordsFromList(window, host, random, 0);
        const std::string all = " 0+" + std::to_string(box.size()) + ";";
        const bool asks = !box.empty() && !box.starts_with("\r");
        EXPECT_EQ(std::tuple(window.wordText, random.draws, asked),
                  std::tuple(expected, static_cast<int>(draws.size()),
                             "input 0+0;" + (asks ? "events" + all + "choose" + all : "")))
            << answer;
        EXPECT_EQ(host.count("choose Do you want to replace the words already entered?"), asks);
    }
}

// Words go on a new line after the box's text, trimmed of trailing spaces and line ends, and
// the box's own filter then applies; pasted text is upper-cased and loses its punctuation and
// digits, which join the letters around them; spaces split it, pieces of one character go, and
// line breaks of any kind stay.
TEST(PasteNewWords, keepsThePiecesOfTwoOrMoreLettersBetweenSpacesOnNewLines) {
    // clang-format off
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"cat", "apple, banana; cherry!", lines("CAT/APPLE/BANANA/CHERRY/")},
        {"", "CAT \r\n DOG Tea for 2 It's a dog x-ray apple,pear ab\tcd a! b/ c0 d9 e: f@ g[ h` "
             "i{ j~ k\xA3 l\xAC a\x7F b\xA2 caf\xE9 na\xEFve ONE\r\nTWO\r\nTHREE",
         lines("CAT///DOG/TEA/FOR/ITS/DOG/XRAY/APPLEPEAR/AB\tCD/A\x7F/B\xA2/CAF\xC9/NA\xCFVE/ONE/"
               "TWO/THREE/")},
        {"CAT\n", "one\ntwo\nthree\n", lines("CAT/ONE/TWO/THREE//")},
        {"CAT \r\n\r\n\n\r", "one\rtwo\rthree", lines("CAT/ONE/TWO/THREE/")}};
    // clang-format on
    for (const auto& [box, clipboard, after] : cases) {
        WindowState window;
        window.wordText = box;
        window.wordSelectionStart = 3;
        FakeHost host;
        host.setClipboardText(clipboard);
        pasteNewWords(window, host);
        EXPECT_EQ(window.wordText + std::to_string(window.wordSelectionStart), after + "0")
            << clipboard;
    }
}
