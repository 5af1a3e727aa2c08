// Helpers for the desktop registration.
//
// Files are written to a temporary name beside the target and renamed over it, and only when
// their content differs, so that registering the same values again touches nothing. The
// mimeapps.list merge edits just the one key of [Default Applications] and keeps every other
// line of the user's file byte for byte.
#include "files/DesktopFiles.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/FileReplace.h"

extern char** environ;

namespace lettermaze {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kDefaultGroup = "[Default Applications]";

std::string_view trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

bool isGroupHeader(std::string_view line) {
    const std::string_view t = trimBlanks(line);
    return !t.empty() && t.front() == '[';
}

std::string_view keyOf(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return {};
    return trimBlanks(line.substr(0, eq));
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto nl = text.find('\n', start);
        if (nl == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, nl - start));
        start = nl + 1;
    }
    return lines;
}

}  // namespace

bool readWholeFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeIfChanged(const std::string& path, const std::string& content) {
    std::string old;
    if (readWholeFile(path, old) && old == content) return false;
    std::error_code ec;
    const fs::path target(path);
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    // The same safe replace as a saved puzzle: through a symbolic link (a managed dotfile, say),
    // keeping the file's permissions, and never half written.
    return replaceFile(target, content);
}

std::string withDefaultApplication(std::string_view list, const std::string& mimeType,
                                   const std::string& desktopId) {
    const std::string entry = mimeType + "=" + desktopId;
    const std::vector<std::string_view> lines = splitLines(list);

    // Where our group is, where its last non-blank line is, and which lines hold our key.
    std::ptrdiff_t group = -1, lastInGroup = -1;
    std::vector<std::size_t> ours;
    bool inGroup = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (isGroupHeader(lines[i])) {
            inGroup = trimBlanks(lines[i]) == kDefaultGroup;
            if (inGroup && group < 0) group = lastInGroup = static_cast<std::ptrdiff_t>(i);
            continue;
        }
        if (!inGroup) continue;
        if (!trimBlanks(lines[i]).empty()) lastInGroup = static_cast<std::ptrdiff_t>(i);
        if (keyOf(lines[i]) == mimeType) ours.push_back(i);
    }
    if (ours.size() == 1 && lines[ours.front()] == entry) return std::string(list);

    std::string out;
    auto add = [&out](std::string_view line) {
        out.append(line);
        out += '\n';
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!ours.empty() && i == ours.front()) {
            add(entry);
            continue;
        }
        if (std::find(ours.begin(), ours.end(), i) != ours.end()) continue;  // a duplicate
        add(lines[i]);
        if (ours.empty() && static_cast<std::ptrdiff_t>(i) == lastInGroup) add(entry);
    }
    if (group < 0) {
        if (!out.empty() && !out.ends_with("\n\n")) out += '\n';
        add(kDefaultGroup);
        add(entry);
    }
    return out;
}

std::string findOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (!path) return {};
    std::string_view dirs(path);
    while (true) {
        const auto colon = dirs.find(':');
        const std::string dir(dirs.substr(0, colon));
        if (!dir.empty()) {
            const std::string candidate = dir + "/" + program;
            if (::access(candidate.c_str(), X_OK) == 0) return candidate;
        }
        if (colon == std::string_view::npos) return {};
        dirs.remove_prefix(colon + 1);
    }
}

void runQuietly(const std::string& program, const std::vector<std::string>& args) {
    std::vector<std::string> owned;
    owned.push_back(program);
    owned.insert(owned.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : owned) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return;
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    posix_spawn_file_actions_destroy(&actions);
}

}  // namespace lettermaze
