// Copying to removable media (contract in mediacopy.h).
//
//   open source ──► create <folder>/.<name>.<random>.tmp (O_EXCL)
//               ──► copy all bytes ──► fsync(copy) ──► close(copy)
//               ──► rename over <folder>/<name> ──► fsync(folder)
// Any failure before the rename unlinks the temporary copy. A failure of the
// last fsync is reported too: the rename may not have reached the device.
#include "diskette/mediacopy.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <random>
#include <vector>

#include "platform/process/errorstate.h"

namespace vorda {

namespace {

namespace fs = std::filesystem;

// A descriptor closed on every path.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now; false (errno set) when the close reports a failed write.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

std::string randomHex() {
    static std::random_device device;
    std::mt19937 gen(device());
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(gen()));
    return text;
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Copies every byte; errno tells why when false.
bool copyBytes(int from, int to) {
    std::vector<char> block(1 << 16);
    for (;;) {
        const ssize_t n = ::read(from, block.data(), block.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!writeAll(to, block.data(), static_cast<size_t>(n)))
            return false;
    }
}

// Writes the temporary copy; "" or the error.
std::string writeCopy(int source, const fs::path& copy) {
    Fd out(::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (out.get() < 0)
        return platform::systemErrorText(errno);
    if (!copyBytes(source, out.get()) || ::fsync(out.get()) != 0)
        return platform::systemErrorText(errno);
    return out.close() ? std::string() : platform::systemErrorText(errno);
}

std::string syncFolder(const fs::path& folder) {
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0 || ::fsync(dir.get()) != 0)
        return platform::systemErrorText(errno);
    return {};
}

// Whether `file` is `stem`, eight hexadecimal digits and `suffix`, with
// anything after the suffix.
bool isReserved(const std::string& file, const std::string& stem, const std::string& suffix) {
    constexpr size_t digits = 8;
    if (file.size() < stem.size() + digits + suffix.size() || !file.starts_with(stem))
        return false;
    for (size_t i = stem.size(); i < stem.size() + digits; ++i) {
        if (std::isxdigit(static_cast<unsigned char>(file[i])) == 0)
            return false;
    }
    return file.compare(stem.size() + digits, suffix.size(), suffix) == 0;
}

// The copies a killed run left on the media (".<name>.<8 hex>.tmp") and its
// temporary presentation files are removed after this long.
constexpr std::chrono::hours StaleAfter{24};

}  // namespace

int removeStale(const fs::path& folder, const std::string& stem, const std::string& suffix,
                std::chrono::hours age) {
    const auto before = fs::file_time_type::clock::now() - age;
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileEc;
        if (!isReserved(it->path().filename().string(), stem, suffix) ||
            !it->is_regular_file(fileEc) || it->last_write_time(fileEc) >= before || fileEc) {
            continue;
        }
        if (fs::remove(it->path(), fileEc))
            ++removed;
    }
    return removed;
}

std::string copyToMedia(const fs::path& from, const fs::path& folder, const std::string& name) {
    removeStale(folder, "." + name + ".", ".tmp", StaleAfter);
    Fd source(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (source.get() < 0)
        return platform::systemErrorText(errno);
    const fs::path copy = folder / ("." + name + "." + randomHex() + ".tmp");
    std::string error = writeCopy(source.get(), copy);
    if (error.empty() && ::rename(copy.c_str(), (folder / name).c_str()) != 0)
        error = platform::systemErrorText(errno);
    if (!error.empty()) {
        ::unlink(copy.c_str());
        return error;
    }
    return syncFolder(folder);
}

std::string reserveUniqueName(const fs::path& folder, const std::string& stem,
                              const std::string& suffix) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = stem;
        name.append(randomHex()).append(suffix);
        const int fd =
            ::open((folder / name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST)
            return {};
    }
    errno = EEXIST;
    return {};
}

}  // namespace vorda
