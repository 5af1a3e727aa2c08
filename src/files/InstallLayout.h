#pragma once
// Where the program's parts are when it runs from its build folder and when it is installed
// (bin/ beside share/), so that the same binary works in both places.
#include <string>

#include "files/FileTypeRegistration.h"

namespace lettermaze {

// The folder holding the word lists and icons: programFolder itself when the library lies
// there (a build folder), else programFolder/../share/lettermaze when that exists (an
// installed program), else programFolder.
std::string findDataFolder(const std::string& programFolder);

// True when the installation this program belongs to already registers it with the desktop
// (prefix/share/applications/<desktopId>.desktop starts env.programPath) and the user has no
// registration of their own under the same id that would shadow it; the per-user
// registration is then left out, so nothing of an installed program is written into home
// and a home-installed one's files are not overwritten.
bool installedRegistrationCovers(const RegistrationEnv& env, const std::string& desktopId);

}  // namespace lettermaze
