// The fixed-record text-file driver (contract in textfile.h).
//
// A line is read into the record's stored text fields, taken in byte order
// and filled one after another (the record length is the sum of their
// widths). The file's character set is settled when it is opened for
// reading (textencoding.h): Windows-1252 bytes are copied as they are, UTF-8
// is converted. A line ends at LF; one CR just before the LF is dropped, so
// CRLF and LF files read the same. A last line without LF is still a record,
// except a lone Ctrl+Z, the end-of-file mark of old DOS programs. What the
// record cannot hold is judged by textline.h and kept as the current line.
//
// Reading goes through one buffer of file bytes: a block of about one record
// per read normally, 1 MiB blocks with "QUICKSCAN=on". Positions are byte
// offsets of lines, encoded as position texts.
#include "platform/text/textfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>
#include <utility>

#include "platform/store/codes.h"
#include "platform/store/drivercommand.h"
#include "platform/store/driverror.h"
#include "platform/store/positiontext.h"
#include "platform/text/textline.h"

namespace vorda::store {
namespace {

constexpr size_t kQuickBlock = 1 << 20;
constexpr int kDenyAll = 0x10;

int systemError(const std::string& what, int err) {
    return DriverError::system(FileSystemError, err, what);
}

struct Slice {
    size_t offset;
    size_t width;
};

// The first bytes of a line (at most the reader's keep size) and whether
// anything but blanks came after them.
struct RawLine {
    std::string bytes;
    bool nonBlankBeyond = false;
};

constexpr char kDosEndOfFile = '\x1a';

class TextFile final : public File {
public:
    TextFile(const TableDesc& desc, void* buffer)
        : desc_(desc), buffer_(buffer), name_(desc.fileName) {
        for (const FieldDesc& f : desc.fields) {
            if (f.column && f.kind == FieldKind::Text)
                slices_.push_back({f.offset, f.width});
        }
        std::sort(slices_.begin(), slices_.end(),
                  [](const Slice& a, const Slice& b) { return a.offset < b.offset; });
        for (const Slice& s : slices_)
            recordLength_ += s.width;
        // Room for the record in UTF-8 (up to 4 bytes a character) and one more.
        keep_ = recordLength_ * 4 + 8;
    }
    ~TextFile() override { close(); }

    const TableDesc& desc() const override { return desc_; }
    void* buffer() const override { return buffer_; }
    std::string name() const override { return name_; }
    void setName(std::string name) override { name_ = std::move(name); }
    void setOwner(std::string_view) override {}

    int open(int mode) override;
    int create() override;
    int close() override;
    bool isOpen() const override { return fd_ >= 0; }
    bool isReadOnly() const override { return (mode_ & 0x0f) == 0; }
    int send(std::string_view command) override;

    int setKey(int key) override;
    int resetTo(int key, const std::string& position) override;
    int next() override;
    int previous() override { return unsupported(); }
    int get(int) override { return unsupported(); }
    std::string position(int key) const override;
    int reget(const std::string& position) override;

    int add() override;
    int put() override { return unsupported(); }
    int erase() override { return unsupported(); }

    int64_t records() override { return -1; }
    int64_t bytes() override;
    int64_t bytesRead() override { return nextOffset_; }
    int buildKeys() override { return Ok; }

    std::unique_ptr<Cursor> openCursor() override { return nullptr; }
    bool supportsTransactions() const override { return false; }

    const text::TextLine* line() const { return currentOffset_ >= 0 ? &line_ : nullptr; }
    std::optional<text::TextEncoding> encoding() const {
        return fd_ >= 0 ? std::optional(encoding_) : std::nullopt;
    }

private:
    static int unsupported() {
        return DriverError::fileSystem("Operación no disponible en un archivo de texto");
    }
    int requireOpen() const {
        return fd_ >= 0 ? Ok : DriverError::fileSystem("El archivo no está abierto");
    }
    int lockWithin(int fd, bool exclusive);
    int detectEncoding();
    int lineAt(int64_t offset, RawLine* line, int64_t* next);
    static void scanBeyond(const char* p, size_t n, RawLine* line, bool* crPending);
    int fill(int64_t offset);
    void toRecord(const RawLine& line);

    const TableDesc& desc_;
    void* buffer_;
    std::string name_;
    std::vector<Slice> slices_;
    size_t recordLength_ = 0;
    size_t keep_ = 0;
    int fd_ = -1;
    int mode_ = 0;
    int recoverSeconds_ = 0;
    bool quickScan_ = false;
    std::vector<char> block_;
    int64_t blockStart_ = 0;
    size_t blockLength_ = 0;
    int64_t nextOffset_ = 0;
    int64_t currentOffset_ = -1;
    int64_t dataStart_ = 0;  // after a UTF-8 byte-order mark
    text::TextEncoding encoding_ = text::TextEncoding::Windows1252;
    text::TextLine line_;
    std::string record_;  // the current line made into record characters
};

int TextFile::lockWithin(int fd, bool exclusive) {
    const int operation = (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(std::exchange(recoverSeconds_, 0));
    for (;;) {
        if (::flock(fd, operation) == 0)
            return Ok;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return systemError(name_, errno);
        if (std::chrono::steady_clock::now() >= deadline) {
            return DriverError::system(AccessDenied, errno, name_);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
}

int TextFile::open(int mode) {
    if (fd_ >= 0)
        return DriverError::fail(AlreadyOpen);
    struct stat st {};
    if (::stat(name_.c_str(), &st) != 0) {
        return errno == ENOENT ? DriverError::fail(FileNotFound) : systemError(name_, errno);
    }
    if (S_ISDIR(st.st_mode))
        return systemError(name_, EISDIR);
    const int access = mode & 0x0f;
    const int flags = access == 0 ? O_RDONLY : (access == 1 ? O_WRONLY : O_RDWR) | O_APPEND;
    const int fd = ::open(name_.c_str(), flags | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        if (err == EACCES || err == EROFS || err == EPERM) {
            return DriverError::system(AccessDenied, err, name_);
        }
        return systemError(name_, err);
    }
    if (int code = lockWithin(fd, (mode & 0xf0) == kDenyAll); code != Ok) {
        ::close(fd);
        return code;
    }
    fd_ = fd;
    mode_ = mode;
    blockLength_ = 0;
    currentOffset_ = -1;
    encoding_ = text::TextEncoding::Windows1252;
    dataStart_ = 0;
    if (access != 1) {
        if (int code = detectEncoding(); code != Ok) {
            close();
            return code;
        }
    }
    nextOffset_ = dataStart_;
    return Ok;
}

// Reads the whole file once to settle its character set.
int TextFile::detectEncoding() {
    text::EncodingDetector detector;
    std::vector<char> block(kQuickBlock);
    for (int64_t offset = 0;;) {
        ssize_t n;
        do {
            n = ::pread(fd_, block.data(), block.size(), offset);
        } while (n < 0 && errno == EINTR);
        if (n < 0)
            return systemError(name_, errno);
        if (n == 0)
            break;
        detector.feed(std::string_view(block.data(), static_cast<size_t>(n)));
        offset += n;
    }
    encoding_ = detector.result();
    dataStart_ = detector.hasByteOrderMark()
                     ? static_cast<int64_t>(text::EncodingDetector::ByteOrderMark.size())
                     : 0;
    return Ok;
}

int TextFile::create() {
    if (fd_ >= 0)
        return DriverError::fail(AlreadyOpen);
    const int fd = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int err = errno;
        if (err == EACCES || err == EROFS || err == EPERM) {
            return DriverError::system(AccessDenied, err, name_);
        }
        return systemError(name_, err);
    }
    int code = lockWithin(fd, true);
    if (code == Ok && ::ftruncate(fd, 0) != 0)
        code = systemError(name_, errno);
    ::close(fd);
    return code;
}

int TextFile::close() {
    if (fd_ >= 0)
        ::close(fd_);  // also drops the flock
    fd_ = -1;
    blockLength_ = 0;
    currentOffset_ = -1;
    return Ok;
}

int TextFile::send(std::string_view command) {
    const DriverCommand c = DriverCommand::parse(command);
    if (c.key == "QUICKSCAN") {
        const std::optional<bool> on = c.onOff();
        if (!on)
            return DriverError::fileSystem("Comando inválido: " + std::string(command));
        quickScan_ = *on;
    } else if (c.key == "RECOVER") {
        const std::optional<int> seconds = c.seconds();
        if (!seconds)
            return DriverError::fileSystem("Comando inválido: " + std::string(command));
        recoverSeconds_ = *seconds;
    }
    return Ok;
}

int TextFile::setKey(int key) {
    if (int code = requireOpen(); code != Ok)
        return code;
    if (key != 0)
        return DriverError::fileSystem("Un archivo de texto no tiene claves");
    nextOffset_ = dataStart_;
    return Ok;
}

int TextFile::resetTo(int key, const std::string& position) {
    if (int code = requireOpen(); code != Ok)
        return code;
    std::vector<SqlValue> values;
    int64_t offset = 0;
    if (key != 0 || !PositionText::decode(position, &values, &offset) || !values.empty() ||
        offset < 0) {
        return DriverError::fileSystem("Posición inválida");
    }
    nextOffset_ = offset;
    return Ok;
}

std::string TextFile::position(int key) const {
    if (key != 0 || currentOffset_ < 0)
        return {};
    return PositionText::encode({}, currentOffset_);
}

int TextFile::next() {
    if (int code = requireOpen(); code != Ok)
        return code;
    RawLine line;
    int64_t after = 0;
    if (int code = lineAt(nextOffset_, &line, &after); code != Ok)
        return code;
    toRecord(line);
    currentOffset_ = nextOffset_;
    nextOffset_ = after;
    return Ok;
}

int TextFile::reget(const std::string& position) {
    if (int code = requireOpen(); code != Ok)
        return code;
    std::vector<SqlValue> values;
    int64_t offset = 0;
    if (!PositionText::decode(position, &values, &offset) || !values.empty() || offset < 0) {
        return DriverError::fileSystem("Posición inválida");
    }
    RawLine line;
    int64_t after = 0;
    if (int code = lineAt(offset, &line, &after); code != Ok) {
        return code == NoMoreRecords ? DriverError::fail(RecordNotFound) : code;
    }
    toRecord(line);
    currentOffset_ = offset;
    return Ok;
}

// Reads the block of the file that starts at `offset`; Ok even at the end.
int TextFile::fill(int64_t offset) {
    const size_t size = quickScan_ ? kQuickBlock : std::max<size_t>(recordLength_ + 2, 64);
    block_.resize(size);
    ssize_t n;
    do {
        n = ::pread(fd_, block_.data(), size, offset);
    } while (n < 0 && errno == EINTR);
    blockStart_ = offset;
    blockLength_ = n > 0 ? static_cast<size_t>(n) : 0;
    return n < 0 ? systemError(name_, errno) : Ok;
}

// The line at `offset` (its first keep_ bytes, and whether anything but
// blanks follows them) and where the next line starts. A CR that ends the
// line is dropped.
int TextFile::lineAt(int64_t offset, RawLine* line, int64_t* next) {
    line->bytes.clear();
    line->nonBlankBeyond = false;
    bool crPending = false;
    bool ended = false;  // by a line feed
    size_t total = 0;
    int64_t pos = offset;
    for (;;) {
        if (pos < blockStart_ || pos >= blockStart_ + static_cast<int64_t>(blockLength_)) {
            if (int code = fill(pos); code != Ok)
                return code;
            if (blockLength_ == 0)
                break;  // end of file
        }
        const char* p = block_.data() + (pos - blockStart_);
        const size_t avail = blockLength_ - static_cast<size_t>(pos - blockStart_);
        const auto* lf = static_cast<const char*>(std::memchr(p, '\n', avail));
        const size_t n = lf != nullptr ? static_cast<size_t>(lf - p) : avail;
        const size_t take = std::min(n, keep_ - std::min(line->bytes.size(), keep_));
        line->bytes.append(p, take);
        scanBeyond(p + take, n - take, line, &crPending);
        total += n;
        pos += static_cast<int64_t>(n);
        if (lf != nullptr) {
            *next = pos + 1;
            ended = true;
            break;
        }
    }
    if (!ended && total == 0)
        return DriverError::fail(NoMoreRecords);
    if (!ended)
        *next = pos;
    if (total == line->bytes.size() && !line->bytes.empty() && line->bytes.back() == '\r')
        line->bytes.pop_back();
    if (!ended && total == 1 && line->bytes.front() == kDosEndOfFile)
        return DriverError::fail(NoMoreRecords);
    return Ok;
}

// The part of a line beyond the bytes kept: only blanks may follow, and the
// one CR that ends the line.
void TextFile::scanBeyond(const char* p, size_t n, RawLine* line, bool* crPending) {
    for (size_t i = 0; i < n && !line->nonBlankBeyond; ++i) {
        if (!*crPending && p[i] == '\r')
            *crPending = true;
        else if (*crPending || p[i] != ' ')
            line->nonBlankBeyond = true;
    }
}

void TextFile::toRecord(const RawLine& line) {
    line_ = text::decodeLine(line.bytes, line.nonBlankBeyond, encoding_, recordLength_, record_);
    auto* record = static_cast<char*>(buffer_);
    size_t at = 0;
    for (const Slice& s : slices_) {
        std::memcpy(record + s.offset, record_.data() + at, s.width);
        at += s.width;
    }
}

int TextFile::add() {
    if (int code = requireOpen(); code != Ok)
        return code;
    if (isReadOnly())
        return DriverError::fail(AccessDenied, "0", name_ + ": sólo lectura");
    std::string line;
    const auto* record = static_cast<const char*>(buffer_);
    for (const Slice& s : slices_)
        line.append(record + s.offset, s.width);
    line += "\r\n";
    size_t done = 0;
    while (done < line.size()) {
        const ssize_t n = ::write(fd_, line.data() + done, line.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return systemError(name_, errno);
        done += static_cast<size_t>(n);
    }
    blockLength_ = 0;  // the cached block may end before the new line
    return Ok;
}

int64_t TextFile::bytes() {
    struct stat st {};
    const int rc = fd_ >= 0 ? ::fstat(fd_, &st) : ::stat(name_.c_str(), &st);
    return rc == 0 ? static_cast<int64_t>(st.st_size) : -1;
}

}  // namespace

std::unique_ptr<File> makeTextFile(const TableDesc& desc, void* buffer) {
    return std::make_unique<TextFile>(desc, buffer);
}

const text::TextLine* currentLine(File& file) {
    const auto* textFile = dynamic_cast<const TextFile*>(&file.resolved());
    return textFile != nullptr ? textFile->line() : nullptr;
}

std::optional<text::TextEncoding> encodingOf(File& file) {
    const auto* textFile = dynamic_cast<const TextFile*>(&file.resolved());
    return textFile != nullptr ? textFile->encoding() : std::nullopt;
}

}  // namespace vorda::store
