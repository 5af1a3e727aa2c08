#include "files/Startup.h"

#include "files/Library.h"
#include "files/PuzzleFile.h"

namespace lettermaze {

void startUp(Puzzle& p, WindowState& window, Host& host, const std::string& commandLine,
             const StartupEnv& env) {
    try {
        registerFileType("Lettermaze", ".lm", "Lettermaze", env.programFolder + "/lm.ico", "",
                  env.registration);
        if (env.seedRandom) env.seedRandom();
        // Always called: the loader itself ignores names shorter than four characters.
        openPuzzleFile(p, window, host, commandLine);
        p.findingAll = false;
        // A missing library ends start-up here, quietly; the window works without it.
        loadLibrary(window, env.programFolder + "/word lists.dat");
    } catch (...) {
        // Start-up never fails loudly: the window opens with what the steps before did.
    }
}

}  // namespace lettermaze
