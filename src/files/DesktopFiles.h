#pragma once
// Small file-system helpers for the desktop registration: quiet writes that leave unchanged
// files alone, the merge into mimeapps.list, and running the desktop's database tools.
#include <string>
#include <string_view>
#include <vector>

namespace lettermaze {

// The whole file, or nothing when it cannot be read.
bool readWholeFile(const std::string& path, std::string& out);

// Writes content to path (creating its folders) unless the file already holds exactly that.
// True when the file was (re)written; false when it was left alone or could not be written.
bool writeIfChanged(const std::string& path, const std::string& content);

// The text of a mimeapps.list with "mimeType=desktopId" set under [Default Applications];
// every other line is kept as it was, and the text comes back unchanged when it already says so.
std::string withDefaultApplication(std::string_view list, const std::string& mimeType,
                                   const std::string& desktopId);

// The full path of a program found on PATH, or "".
std::string findOnPath(const std::string& program);

// Runs program with args (no shell), its output discarded, and waits for it.
void runQuietly(const std::string& program, const std::vector<std::string>& args);

}  // namespace lettermaze
