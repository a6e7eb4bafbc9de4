// Removing what killed stations leave beside the tables.
#include "platform/store/leftovers.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/store/codes.h"
#include "platform/store/lockfile.h"

namespace vorda::store {

namespace fs = std::filesystem;

namespace {

// A super-journal lists one journal name per table of the commit; a file far
// larger than any such list is not read (and so kept).
constexpr std::uintmax_t kMaxSuperJournal = 1 << 20;

// Suffixes of the files a create or a rebuild by copy writes beside a table.
constexpr std::array<std::string_view, 4> kTableSuffixes = {".new", ".new-journal", ".rebuild",
                                                            ".rebuild-journal"};

// The end of a journal that names a super-journal: name length, checksum
// (both 32-bit big-endian) and the 8 bytes of the journal magic.
constexpr size_t kTrailer = 16;

uint32_t bigEndian32(const char* p) {
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | uint32_t(b[3]);
}

std::vector<fs::path> entries(const fs::path& dir) {
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        out.push_back(it->path());
    return out;
}

// The table a leftover belongs to ("Agentes.tps" for "Agentes.tps.new-journal").
std::string tableOf(const std::string& name) {
    for (std::string_view suffix : kTableSuffixes) {
        if (name.size() > suffix.size() && name.ends_with(suffix))
            return name.substr(0, name.size() - suffix.size());
    }
    return {};
}

}  // namespace

void Leftovers::clean(const fs::path& mainPath, const fs::path& tableDir) {
    cleanSuperJournals(mainPath);
    cleanTableFiles(tableDir);
}

void Leftovers::cleanSuperJournals(const fs::path& mainPath) {
    const fs::path dir = mainPath.has_parent_path() ? mainPath.parent_path() : fs::path(".");
    const std::string prefix = mainPath.filename().string() + "-mj";
    for (const fs::path& p : entries(dir)) {
        std::error_code ec;
        if (p.filename().string().starts_with(prefix) && journalsGone(p))
            fs::remove(p, ec);
    }
}

// True when the super-journal could be read and none of the journals it
// lists (NUL-terminated names) still names it.
bool Leftovers::journalsGone(const fs::path& superJournal) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(superJournal, ec);
    if (ec || size > kMaxSuperJournal)
        return false;
    std::ifstream in(superJournal, std::ios::binary);
    std::string content(size, '\0');
    if (!in.read(content.data(), static_cast<std::streamsize>(size)))
        return false;
    const std::string name = superJournal.filename().string();
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\0', start);
        if (end == std::string::npos)
            end = content.size();
        if (end > start && namesSuperJournal(content.substr(start, end - start), name))
            return false;
        start = end + 1;
    }
    return true;
}

// Whether a rollback of `journal` would look for the super-journal called
// `name`. Only a hot journal is rolled back: one whose first byte is not zero
// (a journal already played back, or never begun, has a zero header). A
// journal written in a commit over several files ends with the super-
// journal's path, its length and checksum and the journal magic; one without
// that trailer needs none. When the journal cannot be read the answer is yes:
// nothing is removed on a doubt.
bool Leftovers::namesSuperJournal(const std::string& journal, const std::string& name) {
    std::error_code ec;
    const bool exists = fs::exists(journal, ec);
    if (ec || !exists)
        return ec.value() != 0;
    const std::uintmax_t size = fs::file_size(journal, ec);
    if (ec)
        return true;
    if (size < kTrailer)
        return false;
    std::ifstream in(journal, std::ios::binary);
    char first = 0;
    if (!in.read(&first, 1))
        return true;
    if (first == 0)
        return false;
    char trailer[kTrailer];
    if (!in.seekg(static_cast<std::streamoff>(size - kTrailer)) || !in.read(trailer, kTrailer))
        return true;
    static constexpr unsigned char kMagic[8] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
    const uint32_t length = bigEndian32(trailer);
    uint32_t checksum = bigEndian32(trailer + 4);
    if (std::memcmp(trailer + 8, kMagic, 8) != 0 || length == 0 || length > size - kTrailer)
        return false;
    std::string path(length, '\0');
    if (!in.seekg(static_cast<std::streamoff>(size - kTrailer - length)) ||
        !in.read(path.data(), length)) {
        return true;
    }
    for (char c : path)
        checksum -= static_cast<uint32_t>(c);  // as the journal's writer sums it
    return checksum == 0 && fs::path(path).filename() == name;
}

void Leftovers::cleanTableFiles(const fs::path& tableDir) {
    for (const fs::path& p : entries(tableDir)) {
        const std::string table = tableOf(p.filename().string());
        std::error_code ec;
        if (table.empty() || !fs::exists(tableDir / (table + ".lck"), ec))
            continue;
        std::unique_ptr<LockFile> lock;
        const std::string tablePath = (tableDir / table).string();
        if (LockFile::acquire(tablePath, LockFile::Mode::Exclusive, true, 0, &lock) == Ok)
            fs::remove(p, ec);
    }
}

}  // namespace vorda::store
