#pragma once
// Program directories in the command-line tool's tests: what is in one, and
// the lock file a killed program leaves in it.
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

#include "io/atomic_file.h"
#include "io/directory_lock.h"

namespace hk {

// Kind and content of every entry under a directory (links not followed,
// FIFOs never opened), for tests that a command changed only what it names.
using DirSnapshot = std::map<std::string, std::string>;

inline DirSnapshot SnapshotOf(const std::filesystem::path& root) {
    namespace fs = std::filesystem;
    DirSnapshot s;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        const fs::file_status st = it->symlink_status();
        s[fs::relative(it->path(), root).string()] =
            fs::is_regular_file(st) ? "file:" + ReadWholeFile(it->path())
                                    : (fs::is_directory(st) ? "folder" : "other");
    }
    return s;
}

// The lock of the desktop program as process `pid` on this computer left it.
inline void WriteLockOf(const std::filesystem::path& dir, long pid) {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    WriteFileAtomic(dir / LockFileName,
                    "pid=" + std::to_string(pid) + "\nhost=" + host + "\nprogram=heliokres\n");
}

} // namespace hk
