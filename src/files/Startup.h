#pragma once
// Start-up, before the window is first shown: register the puzzle file type, seed the random
// numbers, open the puzzle named on the command line and load the word-list library. Any
// failure ends start-up quietly with whatever the earlier steps did.
#include <functional>
#include <string>

#include "files/FileTypeRegistration.h"
#include "model/Host.h"
#include "model/Puzzle.h"
#include "model/WindowState.h"

namespace lettermaze {

struct StartupEnv {
    RegistrationEnv registration;  // where the file-type registration goes
    std::string programFolder;  // holds "word lists.dat" and "lm.ico"
    std::function<void()> seedRandom;  // seeds the program's random numbers from the clock
};

// commandLine: the program's arguments joined by spaces, as the bytes the system passed them.
void startUp(Puzzle& p, WindowState& window, Host& host, const std::string& commandLine,
             const StartupEnv& env);

}  // namespace lettermaze
