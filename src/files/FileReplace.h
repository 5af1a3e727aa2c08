#pragma once
// Writing a file without ever losing the one it replaces: the bytes go to a new file beside the
// target, which is renamed over the target only once everything is written and flushed. On any
// failure the target is left exactly as it was and the new file is removed.
//
// Paths here and everywhere in the core are the file system's own bytes (UTF-8 on Linux),
// never windows-1252 text.
#include <filesystem>
#include <string_view>

namespace lettermaze {

// Writes bytes to target, replacing it whole. False, with the target untouched, when the folder
// cannot take a new file, the target is a folder or a file we may not write, or any write,
// flush or rename fails. A target that is a symbolic link has the file it points to replaced.
bool replaceFile(const std::filesystem::path& target, std::string_view bytes);

}  // namespace lettermaze
