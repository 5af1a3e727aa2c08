#include "files/InstallLayout.h"

#include <filesystem>

#include "files/DesktopFiles.h"
#include "files/Library.h"

namespace lettermaze {

namespace fs = std::filesystem;

namespace {

// The program an Exec line starts: its first word, with the quotes of a quoted path removed.
std::string execProgram(const std::string& entry) {
    const auto at = entry.find("\nExec=");
    if (at == std::string::npos) return {};
    std::string program;
    bool quoted = false;
    for (std::size_t i = at + 6; i < entry.size() && entry[i] != '\n'; ++i) {
        const char c = entry[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ' ' && !quoted) {
            break;
        } else if (c == '\\' && quoted && i + 1 < entry.size()) {
            program += entry[++i];
        } else {
            program += c;
        }
    }
    return program;
}

}  // namespace

std::string findDataFolder(const std::string& programFolder) {
    std::error_code ec;
    const fs::path folder(programFolder);
    if (fs::exists(folder / kLibraryFileName, ec)) return programFolder;
    const fs::path shared = (folder / ".." / "share" / "lettermaze").lexically_normal();
    if (fs::is_directory(shared, ec)) return shared.string();
    return programFolder;
}

bool installedRegistrationCovers(const RegistrationEnv& env, const std::string& desktopId) {
    if (env.programFolder.empty() || env.programPath.empty()) return false;
    const std::string name = desktopId + ".desktop";
    const fs::path installed =
        (fs::path(env.programFolder) / ".." / "share" / "applications" / name).lexically_normal();
    std::string entry;
    if (!readWholeFile(installed.string(), entry)) return false;
    std::error_code ec;
    const std::string program = execProgram(entry);
    if (program.empty() || !fs::equivalent(program, env.programPath, ec)) return false;
    // A copy of the user's own (left by a run from elsewhere) would shadow the installed
    // entry; it is then kept and pointed here instead.
    if (env.dataHome.empty()) return true;
    const fs::path own = fs::path(env.dataHome) / "applications" / name;
    return !fs::exists(own, ec) || fs::equivalent(own, installed, ec);
}

}  // namespace lettermaze
