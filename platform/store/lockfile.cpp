#include "platform/store/lockfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/store/codes.h"
#include "platform/store/driverror.h"

namespace vorda::store {
namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(25);

int systemError(const std::string& what, int err) {
    return DriverError::system(FileSystemError, err, what);
}

}  // namespace

int LockFile::acquire(const std::string& tablePath, Mode mode, bool forWriting, int waitSeconds,
                      std::unique_ptr<LockFile>* out) {
    int fd = -1;
    if (int code = openLockFile(tablePath + ".lck", forWriting, &fd); code != Ok)
        return code;
    if (fd >= 0) {
        if (int code = lockWithin(fd, mode, waitSeconds); code != Ok) {
            ::close(fd);
            return code;
        }
    }
    out->reset(new LockFile(fd));
    return Ok;
}

// Opens (creating when needed) the lock file. *fd stays -1 when the directory
// cannot hold one and only reading is asked.
int LockFile::openLockFile(const std::string& path, bool forWriting, int* fd) {
    *fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (*fd >= 0)
        return Ok;
    *fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (*fd >= 0)
        return Ok;
    const int err = errno;
    if (err == EACCES || err == EROFS || err == EPERM) {
        if (forWriting)
            return DriverError::system(AccessDenied, err, path);
        return Ok;
    }
    return systemError(path, err);
}

int LockFile::lockWithin(int fd, Mode mode, int waitSeconds) {
    const int operation = (mode == Mode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(waitSeconds);
    for (;;) {
        if (::flock(fd, operation) == 0)
            return Ok;
        const int err = errno;
        if (err == EINTR)
            continue;
        if (err != EWOULDBLOCK)
            return systemError("No se pudo bloquear el archivo", err);
        if (std::chrono::steady_clock::now() >= deadline) {
            return DriverError::system(AccessDenied, err);
        }
        std::this_thread::sleep_for(kRetryPause);
    }
}

LockFile::~LockFile() {
    if (fd_ >= 0) {
        ::flock(fd_, LOCK_UN);
        ::close(fd_);
    }
}

}  // namespace vorda::store
