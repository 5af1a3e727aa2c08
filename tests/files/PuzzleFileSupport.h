#pragma once
// Shared pieces of the puzzle-file tests: a private temporary folder, file helpers and a small
// puzzle with every kind of content a file holds.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "model/Puzzle.h"

namespace lettermaze {

// Readable records in test failures.
inline void PrintTo(const PlacementRecord& r, std::ostream* os) {
    const auto num = [&](const std::optional<double>& v) {
        if (v)
            *os << *v;
        else
            *os << "-";
    };
    *os << "{" << (r.word ? "\"" + *r.word + "\"" : std::string("-"));
    for (const auto* v : {&r.x1, &r.y1, &r.x2, &r.y2}) {
        *os << ", ";
        num(*v);
    }
    *os << "}";
}

}  // namespace lettermaze

namespace lettermaze::testing {

class TempDir {
  public:
    TempDir() {
        static std::atomic<int> serial{0};
        path_ = std::filesystem::temp_directory_path() /
                ("lettermaze-files-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Every name in the folder, sorted.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(path_))
            out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

  private:
    std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Lines joined with CR LF, each line ended.
inline std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

// The lines of a CR LF text (the last line end ends the last line).
inline std::vector<std::string> splitCrlf(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        out.push_back(text.substr(start, at - start));
    if (start < text.size()) out.push_back(text.substr(start));
    return out;
}

// A 3 x 4 puzzle: two hidden words, one found (and highlighted), a record per word and a
// fourth record for a word that was not placed.
inline Puzzle samplePuzzle() {
    Puzzle p;
    p.grid.setRowCount(3);
    p.grid.setColumnCount(4);
    const char* rows[] = {"CATX", "DOGY", "OWL\xC9"};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) p.grid.setLetterAt(r, c, std::string(1, rows[r][c]));
    for (int c = 0; c < 3; ++c) p.grid.setColourAt(1, c, 8454143);
    p.grid.setColourAt(2, 3, -5);
    p.hiddenWords.add("OWL");
    p.hiddenWords.add("CAT");
    p.foundWords.add("DOG");
    p.placements = {PlacementRecord::placed("CAT", 1, 1, 3, 1),
                    PlacementRecord::placed("DOG", 1, 2, 3, 2),
                    PlacementRecord::placed("OWL", 1, 3, 3, 3), PlacementRecord{}};
    p.shown = true;
    p.inPlay = true;
    return p;
}

}  // namespace lettermaze::testing
