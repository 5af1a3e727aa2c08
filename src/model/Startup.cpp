#include "model/Startup.h"

#include "files/Library.h"
#include "files/PuzzleFile.h"

namespace lettermaze {

void Form_Load(Puzzle& p, Host& host, const std::string& commandLine, const StartupEnv& env) {
    try {
        Associate("Lettermaze", ".lm", "Lettermaze", env.programFolder + "/lm.ico", "",
                  env.associate);
        if (env.seedRandom) env.seedRandom();
        // Always called: the loader itself ignores names shorter than four characters.
        OpenLM(p, host, commandLine);
        p.FindingAll = false;
        // A missing library ends start-up here, quietly; the window works without it.
        loadLibrary(p, env.programFolder + "/word lists.dat");
    } catch (...) {
        // Start-up never fails loudly: the window opens with what the steps before did.
    }
}

}  // namespace lettermaze
