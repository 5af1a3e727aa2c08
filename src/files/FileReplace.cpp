#include "files/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

namespace lettermaze {

namespace fs = std::filesystem;

namespace {

// The file a chain of symbolic links ends at, which need not exist yet. Loops give up after
// as many hops as the system itself follows.
fs::path finalTarget(const fs::path& requested) {
    fs::path p = requested;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(p, ec); ++hops) {
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return p;
}

// A new file with a name nobody else is using, next to target; -1 with errno set on failure.
int openTemporary(const fs::path& target, fs::path& tempPath) {
    static std::minstd_rand spread(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target;
        tempPath.replace_filename("." + target.filename().string() + ".tmp" +
                                  std::to_string(spread() % 1000000));
        // O_EXCL: fail rather than reuse a file that already exists. 0666 lets the umask decide
        // a new file's permissions, as for any file the user creates.
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    // A rename must not reach the disk before the bytes it publishes.
    return ::fsync(fd) == 0;
}

// The folder's own rules, not the disk, refused: writing the file in place may still work.
bool refusedByFolder(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// The new file takes the earlier one's owner, group and permission bits (owner first: a change
// of owner clears set-id bits). False when the system does not let us give them.
bool takeOverOwnership(int fd, const struct stat& earlier) {
    struct stat now {};
    if (::fstat(fd, &now) != 0) return false;
    if ((now.st_uid != earlier.st_uid || now.st_gid != earlier.st_gid) &&
        ::fchown(fd, earlier.st_uid, earlier.st_gid) != 0)
        return false;
    return ::fchmod(fd, earlier.st_mode & 07777) == 0;
}

bool rewriteInPlace(const fs::path& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = writeAll(fd, bytes);
    return ::close(fd) == 0 && ok;
}

}  // namespace

bool replaceFile(const fs::path& requested, std::string_view bytes) {
    const fs::path target = finalTarget(requested);
    struct stat earlier {};
    const bool exists = ::stat(target.c_str(), &earlier) == 0;
    if (!exists && errno != ENOENT) return false;
    // A file we could not write in place must not be replaced behind its owner's back either.
    if (exists &&
        (!S_ISREG(earlier.st_mode) || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        return false;

    fs::path temp;
    const int fd = openTemporary(target, temp);
    if (fd < 0) return exists && refusedByFolder(errno) && rewriteInPlace(target, bytes);

    if (!writeAll(fd, bytes)) {
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    }
    // Without the earlier file's owner the replacement would change hands; and a rename can be
    // refused in a folder with the sticky bit. Either way the file is still ours to rewrite.
    const bool owned = !exists || takeOverOwnership(fd, earlier);
    const bool closed = ::close(fd) == 0;
    if (owned && closed && ::rename(temp.c_str(), target.c_str()) == 0) return true;
    const int why = errno;
    ::unlink(temp.c_str());
    if (closed && exists && (!owned || refusedByFolder(why))) return rewriteInPlace(target, bytes);
    return false;
}

}  // namespace lettermaze
