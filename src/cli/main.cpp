// lettermaze-cli: the window's puzzles from the command line, for batch work and scripts.
#include <cstring>
#include <iostream>
#include <map>

#include "cli/Commands.h"
#include "cli/Options.h"

namespace {

const char* kUsage =
    "usage: lettermaze-cli COMMAND [options]\n"
    "\n"
    "commands:\n"
    "  make        make a puzzle from a word list\n"
    "  grid        print a puzzle's letters as \"Copy lettermaze\" copies them\n"
    "  words       print a puzzle's words as \"Copy hidden words list\" copies them\n"
    "  page        print a puzzle's web page (or its HTML copy)\n"
    "  print-page  print a puzzle's print page\n"
    "  solve       find every remaining word and save the answer key\n"
    "  check       count where each word can be read, and look for unwanted words\n"
    "  batch       make many puzzles, with web pages and answer keys\n"
    "  pdf         print-ready worksheets and answer sheets as one PDF\n"
    "\n"
    "Write lettermaze-cli COMMAND --help for a command's options.\n";

}  // namespace

int main(int argc, char* argv[]) {
    using namespace lettermaze::cli;
    const std::map<std::string, int (*)(const Args&)> commands = {
        {"make", runMake},   {"grid", runGrid},   {"words", runWords},
        {"page", runPage},   {"print-page", runPrintPage}, {"solve", runSolve},
        {"check", runCheck}, {"batch", runBatch}, {"pdf", runPdf},
    };
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        (argc < 2 ? std::cerr : std::cout) << kUsage;
        return argc < 2 ? 2 : 0;
    }
    const auto it = commands.find(argv[1]);
    if (it == commands.end()) {
        std::cerr << "lettermaze-cli: unknown command \"" << argv[1] << "\"\n\n" << kUsage;
        return 2;
    }
    try {
        return it->second(Args(argv + 2, argv + argc));
    } catch (const UsageError& e) {
        std::cerr << "lettermaze-cli " << argv[1] << ": " << e.what() << "\n"
                  << "Write lettermaze-cli " << argv[1] << " --help for its options.\n";
        return 2;
    }
}
