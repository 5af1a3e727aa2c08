#pragma once
// The tool's commands. Each takes the words after the command's name and returns the exit
// status: 0 success, 1 a file that cannot be read or is not a puzzle, 2 a usage error,
// 3 a check that flagged something.
#include <string>
#include <vector>

namespace lettermaze {
struct Puzzle;
class QuietHost;
}  // namespace lettermaze

namespace lettermaze::cli {

using Args = std::vector<std::string>;

int runMake(const Args& args);
int runGrid(const Args& args);
int runWords(const Args& args);
int runPage(const Args& args);
int runPrintPage(const Args& args);
int runSolve(const Args& args);
int runCheck(const Args& args);
int runBatch(const Args& args);
int runPdf(const Args& args);

// Loads a puzzle file with the window's rules; on failure says why on standard error.
bool load(const std::string& path, Puzzle& p, QuietHost& host);

}  // namespace lettermaze::cli
