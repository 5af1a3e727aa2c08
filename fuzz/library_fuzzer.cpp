// Feeds arbitrary bytes to the word-list library loader, then draws words from the first list
// as the Word lists menu would. Every list that loaded whole must count exactly its words.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/QuietHost.h"
#include "files/Library.h"
#include "model/Random.h"

using namespace lettermaze;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WindowState window;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    loadLibraryText(window, bytes);

    if (window.libraryLists.size() > window.libraryMenu.size()) std::abort();
    for (std::size_t i = 0; i < window.libraryLists.size(); ++i) {
        const auto& tag = window.libraryMenu[i].wordCount;
        const auto words = std::count(window.libraryLists[i].begin(), window.libraryLists[i].end(), '\r');
        if (tag && *tag != std::to_string(words)) std::abort();
    }

    QuietHost host;
    host.inputAnswer = "60";
    SeededRandom random(static_cast<std::uint32_t>(size));
    addWordsFromList(window, host, random, 0);
    return 0;
}
