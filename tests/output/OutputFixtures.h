#pragma once
// Small puzzles and scratch folders for the output tests.
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "model/Puzzle.h"
#include "model/WindowState.h"
#include "model/GenerationScratch.h"

namespace lettermaze::testing {

// A shown puzzle whose grid holds the given rows of letters, all white.
inline Puzzle puzzleOf(const std::vector<std::string>& rows,
                       std::initializer_list<const char*> hidden = {},
                       std::initializer_list<const char*> found = {}) {
    Puzzle p;
    WindowState window;
    GenerationScratch scratch;
    p.grid.setRowCount(static_cast<int>(rows.size()));
    p.grid.setColumnCount(static_cast<int>(rows.front().size()));
    for (int r = 0; r < p.grid.rowCount(); ++r)
        for (int c = 0; c < p.grid.columnCount(); ++c) p.grid.setLetterAt(r, c, std::string(1, rows[r][c]));
    for (const char* w : hidden) p.hiddenWords.add(w);
    for (const char* w : found) p.foundWords.add(w);
    p.shown = true;
    return p;
}

// A fresh empty folder, removed with everything in it at the end of the test.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string t = (std::filesystem::temp_directory_path() / "lettermaze-out-XXXXXX").string();
        path_ = mkdtemp(t.data());
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

inline int countOf(const std::string& s, const std::string& what) {
    int n = 0;
    for (auto i = s.find(what); i != std::string::npos; i = s.find(what, i + what.size())) ++n;
    return n;
}

}  // namespace lettermaze::testing
