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
    Puzzle p;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    loadLibraryText(p, bytes);

    if (p.LibraryLists.size() > p.mnuL.size()) std::abort();
    for (std::size_t i = 0; i < p.LibraryLists.size(); ++i) {
        const auto& tag = p.mnuL[i].Tag;
        const auto words = std::count(p.LibraryLists[i].begin(), p.LibraryLists[i].end(), '\r');
        if (tag && *tag != std::to_string(words)) std::abort();
    }

    QuietHost host;
    host.inputAnswer = "60";
    SeededRandom random(static_cast<std::uint32_t>(size));
    mnuL_Click(p, host, random, 0);
    return 0;
}
