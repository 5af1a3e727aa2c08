#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeHost.h"
#include "fakes/ScriptedRandom.h"
#include "files/Library.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"
#include "model/GenerationScratch.h"

using namespace lettermaze;
using lettermaze::testing::FakeHost;
using lettermaze::testing::ScriptedRandom;

namespace {

// Letters-only words that the word box keeps as they are: AAA, AAB, ...
std::string wordNumber(int i) {
    std::string w = "WAAA";
    w[3] = static_cast<char>('A' + i % 26);
    w[2] = static_cast<char>('A' + i / 26 % 26);
    w[1] = static_cast<char>('A' + i / 676 % 26);
    return w;
}

std::string listText(const std::string& name, int words) {
    std::string s = name + "\r\n";
    for (int i = 0; i < words; ++i) s += wordNumber(i) + "\r\n";
    return s + "[END]\r\n";
}

std::string linesOf(const std::vector<std::string>& words) {
    std::string s;
    for (const auto& w : words) s += w + "\r\n";
    return s;
}

const std::vector<std::string> kTen = {"ANT", "BEE", "CAT", "DOG",  "EMU",
                                       "FOX", "GNU", "HEN", "IBIS", "JAY"};

WindowState tenAnimals() {
    WindowState window;
    loadLibraryText(window, "Animals\r\n" + linesOf(kTen) + "[END]\r\n");
    return window;
}

// Notes the word box's selection when events are let run and when the question is asked.
class WatchingHost : public FakeHost {
  public:
    explicit WatchingHost(const WindowState& window) : window_(window) {}
    void processEvents() override {
        FakeHost::processEvents();
        selectionAtYield = {window_.wordSelectionStart, window_.wordSelectionLength};
    }
    Answer messageBox(const std::string& text, const std::string& caption, Buttons buttons,
                      MessageIcon icon) override {
        yieldsBeforeQuestion = processEventsCalls;
        return FakeHost::messageBox(text, caption, buttons, icon);
    }
    std::pair<int, int> selectionAtYield{-1, -1};
    int yieldsBeforeQuestion = -1;

  private:
    const WindowState& window_;
};

}  // namespace

TEST(LibraryChoice, asksWithTheListsNameAndCount) {
    WindowState window;
    loadLibraryText(window, listText("Animals", 25) + listText("Birds", 59) + listText("Trees", 60) +
                           listText("Countries", 150));
    FakeHost host;
    ScriptedRandom random({});
    for (int i = 0; i < 4; ++i) addWordsFromList(window, host, random, i);
    ASSERT_EQ(host.inputBoxes.size(), 4u);
    EXPECT_EQ(host.inputBoxes[0].prompt, "Enter number of Animals to use:");
    EXPECT_EQ(host.inputBoxes[0].caption, "25 Animals available.");
    EXPECT_EQ(host.inputBoxes[0].defaultText, "25");
    EXPECT_EQ(host.inputBoxes[1].defaultText, "59");
    EXPECT_EQ(host.inputBoxes[2].defaultText, "60");
    EXPECT_EQ(host.inputBoxes[3].caption, "150 Countries available.");
    EXPECT_EQ(host.inputBoxes[3].defaultText, "60");
}

TEST(LibraryChoice, answersBelowTwoOrNotNumbersChangeNothing) {
    for (const char* answer : {"1", "0", "-3", "text", "", "1.99"}) {
        WindowState window = tenAnimals();
        window.wordText = "OLD\r\n";
        FakeHost host;
        host.inputs = {answer};
        ScriptedRandom random({});
        addWordsFromList(window, host, random, 0);
        EXPECT_EQ(window.wordText, "OLD\r\n") << answer;
        EXPECT_EQ(random.draws, 0) << answer;
        EXPECT_TRUE(host.messages.empty()) << answer;
    }
}

TEST(LibraryChoice, removesDrawnPositionsKeepingLibraryOrder) {
    WindowState window = tenAnimals();
    FakeHost host;
    host.inputs = {"7.9"};  // takes 7
    // Positions counted from 1 are floor(r x (size - 1)) + 1: the 1st of 11, the 9th of 10, the
    // 5th of 9. The empty piece after the last word is always last and never drawn.
    ScriptedRandom random({0.0f, 0.99f, 0.5f});
    addWordsFromList(window, host, random, 0);
    EXPECT_EQ(random.draws, 3);
    EXPECT_EQ(window.wordText, linesOf({"BEE", "CAT", "DOG", "EMU", "GNU", "HEN", "IBIS"}) + "\r\n");
}

TEST(LibraryChoice, highestDrawNeverRemovesTheTrailingEmptyLine) {
    WindowState window = tenAnimals();
    FakeHost host;
    host.inputs = {"2"};
    ScriptedRandom random({}, 0.99999994f);
    addWordsFromList(window, host, random, 0);
    EXPECT_EQ(random.draws, 8);
    // Always the last word is removed, as the empty piece stays behind it.
    EXPECT_EQ(window.wordText, "ANT\r\nBEE\r\n\r\n");
}

TEST(LibraryChoice, takingAllWordsGivesTheWholeListWithoutDrawing) {
    for (const char* answer : {"10", "500"}) {
        WindowState window = tenAnimals();
        FakeHost host;
        host.inputs = {answer};
        ScriptedRandom random({});
        addWordsFromList(window, host, random, 0);
        EXPECT_EQ(random.draws, 0);
        EXPECT_EQ(window.wordText, linesOf(kTen) + "\r\n");
    }
}

TEST(LibraryChoice, seededDrawsGiveDistinctWordsInLibraryOrder) {
    WindowState window;
    loadLibraryText(window, listText("Countries", 150));
    FakeHost host;
    host.inputs = {"60"};
    SeededRandom random(12345);
    addWordsFromList(window, host, random, 0);
    ASSERT_TRUE(window.wordText.ends_with("\r\n\r\n"));
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t crlf; (crlf = window.wordText.find("\r\n", start)) != std::string::npos;
         start = crlf + 2)
        lines.push_back(window.wordText.substr(start, crlf - start));
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(lines.back(), "");
    lines.pop_back();
    for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_LT(lines[i - 1], lines[i]);
}

TEST(LibraryChoice, emptyBoxOrOnlyEmptyLinesIsReplacedWithoutAQuestion) {
    for (const char* box : {"", "\r\n\r\n", "\r\n"}) {
        WindowState window = tenAnimals();
        window.wordText = box;
        FakeHost host;
        host.inputs = {"10"};
        ScriptedRandom random({});
        addWordsFromList(window, host, random, 0);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(host.processEventsCalls, 0);
        EXPECT_EQ(window.wordText, linesOf(kTen) + "\r\n");
    }
}

TEST(LibraryChoice, asksAfterSelectingTheWholeBoxAndLettingItPaint) {
    WindowState window = tenAnimals();
    window.wordText = "OLD\r\nWORDS";
    WatchingHost host(window);
    host.inputs = {"10"};
    host.answers = {Answer::Cancel};
    ScriptedRandom random({});
    addWordsFromList(window, host, random, 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Do you want to replace the words already entered?");
    EXPECT_EQ(host.messages[0].caption, "Add to current words or replace them?");
    EXPECT_EQ(host.messages[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(host.yieldsBeforeQuestion, 1);
    EXPECT_EQ(host.selectionAtYield, std::make_pair(0, 10));
    // Cancel leaves the text and the selection.
    EXPECT_EQ(window.wordText, "OLD\r\nWORDS");
    EXPECT_EQ(window.wordSelectionStart, 0);
    EXPECT_EQ(window.wordSelectionLength, 10);
}

TEST(LibraryChoice, yesReplacesTheWords) {
    WindowState window = tenAnimals();
    window.wordText = "OLD\r\n";
    FakeHost host;
    host.inputs = {"10"};
    host.answers = {Answer::Yes};
    ScriptedRandom random({});
    addWordsFromList(window, host, random, 0);
    EXPECT_EQ(window.wordText, linesOf(kTen) + "\r\n");
    EXPECT_EQ(window.wordSelectionLength, 0);
}

TEST(LibraryChoice, noAddsAfterTheLastWordDroppingTrailingEmptyLines) {
    WindowState window = tenAnimals();
    window.wordText = "OLD\r\nWORDS\r\n\r\n\r\n";
    FakeHost host;
    host.inputs = {"10"};
    host.answers = {Answer::No};
    ScriptedRandom random({});
    addWordsFromList(window, host, random, 0);
    EXPECT_EQ(window.wordText, "OLD\r\nWORDS\r\n" + linesOf(kTen) + "\r\n");
}

TEST(LibraryChoice, listCutShortUsesTheWordsItKept) {
    WindowState window;
    loadLibraryText(window, "Trees\r\nOAK\r\nASH\r\nELM");
    ASSERT_FALSE(window.libraryMenu[0].wordCount.has_value());
    FakeHost host;
    host.inputs = {"60"};
    ScriptedRandom random({});
    addWordsFromList(window, host, random, 0);
    ASSERT_EQ(host.inputBoxes.size(), 1u);
    EXPECT_EQ(host.inputBoxes[0].caption, "3 Trees available.");
    EXPECT_EQ(host.inputBoxes[0].defaultText, "3");
    EXPECT_EQ(window.wordText, "OAK\r\nASH\r\nELM\r\n\r\n");
}

TEST(LibraryChoice, emptyListGivesNoWords) {
    WindowState window;
    loadLibraryText(window, "[END]\r\nFruit\r\nFIG\r\n[END]\r\n");
    FakeHost host;
    host.inputs = {"5", "5"};
    host.answers = {Answer::No};
    ScriptedRandom random({});
    addWordsFromList(window, host, random, 0);
    EXPECT_EQ(host.inputBoxes[0].caption, "0 [END] available.");
    EXPECT_EQ(window.wordText, "");
    window.wordText = "CAT";
    addWordsFromList(window, host, random, 0);
    EXPECT_EQ(window.wordText, "CAT\r\n");
}

TEST(LibraryChoice, itemOutsideTheMenuDoesNothing) {
    WindowState window = tenAnimals();
    FakeHost host;
    ScriptedRandom random({});
    addWordsFromList(window, host, random, 1);
    addWordsFromList(window, host, random, -1);
    EXPECT_TRUE(host.inputBoxes.empty());
}

TEST(AppendWordsTest, addsOnANewLineAfterTrimmingTheEnd) {
    WindowState window;
    appendWords(window, "DOG\r\n");
    EXPECT_EQ(window.wordText, "DOG\r\n");
    window.wordText = "CAT";
    appendWords(window, "DOG\r\n");
    EXPECT_EQ(window.wordText, "CAT\r\nDOG\r\n");
    window.wordText = "CAT\r\n\r\n\n\r";
    appendWords(window, "DOG\r\n");
    EXPECT_EQ(window.wordText, "CAT\r\nDOG\r\n");
    window.wordText = "CAT\r\n";
    appendWords(window, "");
    EXPECT_EQ(window.wordText, "CAT\r\n");
    window.wordText = "\r\n\r\n";
    appendWords(window, "");
    EXPECT_EQ(window.wordText, "");
}

TEST(AppendWordsTest, theBoxFiltersWhatIsAdded) {
    WindowState window;
    window.wordText = "CAT";
    window.wordSelectionStart = 3;
    appendWords(window, "ice cream\r\n");
    EXPECT_EQ(window.wordText, "CAT\r\nICECREAM\r\n");
    EXPECT_EQ(window.wordSelectionStart, 0);
}
