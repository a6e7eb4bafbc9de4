// LockFile: the sidecar lock that says who has a table open.
//
// An open table holds a shared or an exclusive `flock` on `<table>.lck`
// beside the table file; the database file itself is never flocked (opening
// and closing another descriptor on it would silently drop SQLite's own POSIX
// locks in this process). flock locks belong to the open file description, so
// two opens in one process conflict exactly as two stations do.
#pragma once

#include <memory>
#include <string>

namespace vorda::store {

class LockFile {
public:
    enum class Mode { Shared, Exclusive };

    // Takes the lock for the table at `tablePath`, retrying for up to
    // `waitSeconds` while another holder conflicts. Returns Ok with `*out` set,
    // AccessDenied on a conflict (or when the lock file cannot be created and
    // writing was asked), or FileSystemError. A read-only open of a table in
    // a directory where no lock file can be made goes on without a lock.
    static int acquire(const std::string& tablePath, Mode mode, bool forWriting, int waitSeconds,
                       std::unique_ptr<LockFile>* out);

    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

private:
    explicit LockFile(int fd) : fd_(fd) {}
    static int openLockFile(const std::string& path, bool forWriting, int* fd);
    static int lockWithin(int fd, Mode mode, int waitSeconds);

    int fd_ = -1;
};

}  // namespace vorda::store
