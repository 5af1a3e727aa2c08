#include "files/FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#define LETTERMAZE_POSIX 1
#endif

namespace lettermaze {

namespace fs = std::filesystem;

namespace {

// A file we could not write in place must not be replaced behind its owner's back either.
bool mayWrite(const fs::path& p) {
#ifdef LETTERMAZE_POSIX
    return ::access(p.c_str(), W_OK) == 0;
#else
    std::FILE* f = std::fopen(p.string().c_str(), "ab");
    if (!f) return false;
    std::fclose(f);
    return true;
#endif
}

// Opens a new file with a name nobody else is using, next to target.
std::FILE* openTemporary(const fs::path& target, fs::path& tempPath) {
    static std::minstd_rand spread(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target;
        tempPath.replace_filename("." + target.filename().string() + ".tmp" +
                                  std::to_string(spread() % 1000000));
        // "x": fail rather than reuse a file that already exists.
        if (std::FILE* f = std::fopen(tempPath.c_str(), "wbx")) return f;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

bool writeAll(std::FILE* f, std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size())
        return false;
    if (std::fflush(f) != 0) return false;
#ifdef LETTERMAZE_POSIX
    // The rename must not reach the disk before the bytes it publishes.
    if (::fsync(::fileno(f)) != 0) return false;
#endif
    return true;
}

}  // namespace

bool replaceFile(const fs::path& requested, std::string_view bytes) {
    std::error_code ec;
    fs::path target = requested;
    if (fs::is_symlink(target, ec)) {
        const fs::path real = fs::canonical(target, ec);
        if (!ec) target = real;
    }
    const fs::file_status status = fs::status(target, ec);
    const bool exists = fs::exists(status);
    if (exists && (!fs::is_regular_file(status) || !mayWrite(target))) return false;

    fs::path temp;
    std::FILE* f = openTemporary(target, temp);
    if (!f) return false;
    bool ok = writeAll(f, bytes);
    ok = std::fclose(f) == 0 && ok;
    // The replacement keeps the permissions the user gave the file it replaces.
    if (ok && exists) fs::permissions(temp, status.permissions(), fs::perm_options::replace, ec);
    if (ok) {
        fs::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(temp, ec);
    return ok;
}

}  // namespace lettermaze
