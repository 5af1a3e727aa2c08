#pragma once
// Writing a file without losing the one it replaces: the bytes go to a new file beside the
// target, which is renamed over the target only once everything is written and flushed. Where
// the folder takes no new file (a writable file in someone else's folder), the target itself is
// rewritten in place, as any editor would, because saving must not fail where a plain overwrite
// works.
//
// Paths here and everywhere in the core are the file system's own bytes (UTF-8 on Linux),
// never windows-1252 text.
#include <filesystem>
#include <string_view>

namespace lettermaze {

// Writes bytes to target, replacing it whole. A symbolic link (or a chain of them) is followed
// and the file it leads to is written, so the link stays a link. The earlier file's permission
// bits, owner and group stay (a replacement that cannot be given them is not made: the file is
// rewritten in place instead). False when nothing could be written: the folder is missing, the
// target is a folder or a special file, or the user may not write it; the earlier file is then
// untouched. Only a failure part-way through an in-place rewrite can leave the target damaged.
bool replaceFile(const std::filesystem::path& target, std::string_view bytes);

}  // namespace lettermaze
