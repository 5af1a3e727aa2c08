#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "files/Library.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"
#include "model/GenerationScratch.h"

using namespace lettermaze;

namespace {

std::string dataFile(const std::string& name) {
    std::ifstream in(std::string(LETTERMAZE_SOURCE_DIR) + "/data/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t littleEndian(const std::string& s, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(s[at + static_cast<std::size_t>(i)]);
    return v;
}

std::uint32_t bigEndian32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(s[at + i]);
    return v;
}

}  // namespace

TEST(ShippedLibrary, everyLineEndsWithCrLf) {
    const std::string bytes = dataFile(kLibraryFileName);
    ASSERT_FALSE(bytes.empty());
    ASSERT_TRUE(bytes.ends_with("[END]\r\n"));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            ASSERT_LT(i + 1, bytes.size());
            ASSERT_EQ(bytes[i + 1], '\n') << "lone CR at " << i;
        } else if (bytes[i] == '\n') {
            ASSERT_GT(i, 0u);
            ASSERT_EQ(bytes[i - 1], '\r') << "lone LF at " << i;
        }
    }
}

TEST(ShippedLibrary, holdsCompleteThemedListsOfCapitalWords) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    loadLibraryText(window, dataFile(kLibraryFileName));
    ASSERT_GE(window.libraryLists.size(), 20u);
    std::set<std::string> names;
    for (std::size_t i = 0; i < window.libraryLists.size(); ++i) {
        const LibraryMenuItem& item = window.libraryMenu[i];
        ASSERT_TRUE(item.wordCount.has_value()) << item.caption;
        EXPECT_FALSE(item.caption.empty());
        EXPECT_TRUE(names.insert(item.caption).second) << item.caption;
        const int count = std::stoi(*item.wordCount);
        EXPECT_GE(count, 25) << item.caption;
        EXPECT_LE(count, 150) << item.caption;
        std::set<std::string> words;
        std::size_t start = 0;
        const std::string& list = window.libraryLists[i];
        for (std::size_t cr; (cr = list.find('\r', start)) != std::string::npos; start = cr + 1) {
            const std::string word = list.substr(start, cr - start);
            EXPECT_GE(word.size(), 2u) << item.caption;
            EXPECT_EQ(word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos)
                << item.caption << ": " << word;
            EXPECT_TRUE(words.insert(word).second) << item.caption << ": " << word;
        }
        EXPECT_EQ(static_cast<int>(words.size()), count);
    }
}

TEST(ShippedIcons, iconFileHoldsSeveralSizes) {
    const std::string ico = dataFile("lm.ico");
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(littleEndian(ico, 0, 2), 0u);  // reserved
    EXPECT_EQ(littleEndian(ico, 2, 2), 1u);  // an icon, not a cursor
    const std::uint32_t count = littleEndian(ico, 4, 2);
    ASSERT_GE(count, 3u);
    std::set<unsigned> sizes;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        ASSERT_LE(entry + 16, ico.size());
        const unsigned width = static_cast<unsigned char>(ico[entry]);
        sizes.insert(width == 0 ? 256 : width);
        const std::uint32_t length = littleEndian(ico, entry + 8, 4);
        const std::uint32_t offset = littleEndian(ico, entry + 12, 4);
        EXPECT_LE(static_cast<std::size_t>(offset) + length, ico.size());
    }
    EXPECT_TRUE(sizes.count(16) && sizes.count(32) && sizes.count(48));
}

TEST(ShippedIcons, pngIs48By48AndSvgIsAnImage) {
    const std::string png = dataFile("lettermaze-48.png");
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(bigEndian32(png, 16), 48u);
    EXPECT_EQ(bigEndian32(png, 20), 48u);
    const std::string svg = dataFile("lettermaze.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
}
