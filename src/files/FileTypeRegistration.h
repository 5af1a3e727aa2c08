#pragma once
// Registers the puzzle file type with the desktop at every start, as a per-user
// freedesktop registration (MIME type, desktop entry, icons, default handler).
#include <string>

namespace lettermaze {

// Where the registration goes and which program it opens. Paths are native file-system bytes.
struct RegistrationEnv {
    std::string programFolder;  // the folder that holds the program file
    std::string programName;    // the program file's name, e.g. "lettermaze"
    std::string programPath;    // its absolute path; folder + "/" + name when left empty
    std::string dataHome;       // XDG_DATA_HOME, e.g. ~/.local/share
    std::string configHome;     // XDG_CONFIG_HOME, e.g. ~/.config
};

// The environment of this run for the program file at programPath (made absolute), with the
// data and config homes taken from XDG_DATA_HOME / XDG_CONFIG_HOME or their defaults under HOME.
RegistrationEnv registrationEnvFor(const std::string& programPath);

// The running program's own file (from /proc/self/exe), or "" when it cannot be told.
std::string runningProgramPath();

// Registers files ending in extension as typeName, shown as description, opened by the
// program (with the file's path, or with command instead when it is not empty) and drawn with
// the icons shipped beside iconPath. Nothing is written when typeName is empty; each file is
// rewritten only when its content would change. Failures are ignored.
void registerFileType(const std::string& typeName, const std::string& extension,
               const std::string& description, const std::string& iconPath,
               const std::string& command, const RegistrationEnv& env);

}  // namespace lettermaze
