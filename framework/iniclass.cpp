// INIClass over a small in-memory model of the settings file.
//
// IniDocument holds the file as lines in Windows-1252. A line is a section
// header, a key line (belonging to the section header above it) or any other
// text, which is written back unchanged. Loading never fails: what cannot be
// parsed is "other text". Only a file that exists but cannot be read is
// reported (as not writable), so that a rewrite never replaces content the
// program did not see.
#include "framework/iniclass.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <unordered_map>

#include "framework/assertion.h"
#include "platform/types/cp1252.h"
#include "platform/types/trim.h"

namespace vorda {

namespace {

constexpr std::string_view kUnknown = "---Unknown---";
constexpr std::string_view kSectorsSection = "Sectors";
constexpr std::string_view kSectorsName = "__Dont_Touch_Me__";
constexpr size_t kFileNameChars = 259;
constexpr size_t kEntryChars = 4999;
constexpr uintmax_t kMaxFileBytes = 4 << 20;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr const char* kBadField = "INIClass: field number beyond the last field.";
constexpr const char* kBadSector = "INIClass: malformed sector name.";

// A name or value of the file without the blanks and tabs around it (and the
// CR of a line end).
std::string_view trimField(std::string_view s) {
    return trimRight(trimLeft(s, " \t"), " \t\r");
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && cp1252::toUpper(a) == cp1252::toUpper(b);
}

// A text on one line: line breaks would split the entry.
std::string oneLine(std::string_view utf8) {
    std::string s = cp1252::fromUtf8(utf8);
    for (char& c : s)
        if (c == '\r' || c == '\n')
            c = ' ';
    return s;
}

std::string cutChars(std::string_view utf8, size_t n) {
    size_t chars = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80)
            continue;
        if (chars++ == n)
            return std::string(utf8.substr(0, i));
    }
    return std::string(utf8);
}

std::optional<int> toInt(std::string_view text) {
    text = trimField(text);
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

std::vector<std::string> splitFields(std::string_view value, int fields) {
    std::vector<std::string> out;
    for (int i = 1; i < fields; ++i) {
        const size_t comma = value.find(',');
        out.emplace_back(value.substr(0, comma));
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
    }
    out.emplace_back(value);
    return out;
}

class IniDocument {
public:
    // Loads `path`; a missing file is an empty document. `writable` is false
    // when the file exists but could not be read.
    explicit IniDocument(const std::string& path);

    bool writable() const { return writable_; }
    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    void set(std::string_view section, std::string_view key, std::string_view value);
    // Upper-cased key -> value of every key of the sections named `section`
    // (first occurrence wins): one pass for reading a whole list.
    std::unordered_map<std::string, std::string> section(std::string_view section) const;
    // Removes, in one pass, the keys of `section` for which `drop` holds.
    void eraseKeys(std::string_view section, const std::function<bool(std::string_view)>& drop);
    // Rewrites the file; false when it could not be written.
    bool save(const std::string& path) const;

private:
    enum class Kind { Section, Key, Other };
    struct Line {
        Kind kind = Kind::Other;
        std::string text;   // Other: the whole line; Section/Key: the name
        std::string value;  // Key only
    };

    void parse(std::string_view bytes);
    static Line parseLine(std::string_view raw);
    // The first key line `key` inside a section named `section`.
    std::optional<size_t> findKey(std::string_view section, std::string_view key) const;
    // Where a new key of `section` goes: after the last key line of the
    // first section of that name (or after its header); nullopt when there
    // is no such section.
    std::optional<size_t> insertionPoint(std::string_view section) const;

    std::vector<Line> lines_;
    bool writable_ = true;
};

IniDocument::IniDocument(const std::string& path) {
    std::error_code ec;
    if (path.empty()) {
        writable_ = false;
        return;
    }
    if (!std::filesystem::exists(path, ec))
        return;
    // Only a plain file of settings size is read (a FIFO would block, a huge
    // file is not ours); anything else is left alone.
    const bool plain = std::filesystem::is_regular_file(path, ec);
    if (!plain || std::filesystem::file_size(path, ec) > kMaxFileBytes || ec) {
        writable_ = false;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (!in.is_open() || in.bad()) {
        writable_ = false;
        return;
    }
    parse(bytes);
}

void IniDocument::parse(std::string_view bytes) {
    std::string converted;
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        converted = cp1252::fromUtf8(bytes.substr(kUtf8Bom.size()));
        bytes = converted;
    }
    while (!bytes.empty()) {
        const size_t eol = bytes.find('\n');
        std::string_view raw = bytes.substr(0, eol);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        lines_.push_back(parseLine(raw));
        bytes = eol == std::string_view::npos ? std::string_view() : bytes.substr(eol + 1);
    }
}

IniDocument::Line IniDocument::parseLine(std::string_view raw) {
    const std::string_view t = trimField(raw);
    if (!t.empty() && t.front() == '[') {
        const size_t close = t.find(']');
        if (close != std::string_view::npos)
            return {.kind = Kind::Section,
                    .text = std::string(trimField(t.substr(1, close - 1))),
                    .value = {}};
    }
    const size_t eq = t.find('=');
    const bool comment = !t.empty() && t.front() == ';';
    if (!comment && eq != std::string_view::npos && !trimField(t.substr(0, eq)).empty())
        return {.kind = Kind::Key,
                .text = std::string(trimField(t.substr(0, eq))),
                .value = std::string(trimField(t.substr(eq + 1)))};
    return {.kind = Kind::Other, .text = std::string(raw), .value = {}};
}

std::optional<size_t> IniDocument::findKey(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Line& l = lines_[i];
        if (l.kind == Kind::Section)
            inSection = sameName(l.text, section);
        else if (inSection && l.kind == Kind::Key && sameName(l.text, key))
            return i;
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::insertionPoint(std::string_view section) const {
    std::optional<size_t> point;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Line& l = lines_[i];
        if (l.kind == Kind::Section) {
            if (point)
                break;
            if (sameName(l.text, section))
                point = i;
        } else if (point && l.kind == Kind::Key) {
            point = i;
        }
    }
    return point;
}

std::optional<std::string> IniDocument::get(std::string_view section, std::string_view key) const {
    const std::optional<size_t> i = findKey(section, key);
    if (!i)
        return std::nullopt;
    return lines_[*i].value;
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    if (const std::optional<size_t> i = findKey(section, key)) {
        lines_[*i].value = std::string(value);
        return;
    }
    Line line{.kind = Kind::Key, .text = std::string(key), .value = std::string(value)};
    if (const std::optional<size_t> at = insertionPoint(section)) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*at + 1), std::move(line));
        return;
    }
    if (!lines_.empty() && !trimField(lines_.back().text).empty())
        lines_.push_back({});
    lines_.push_back({.kind = Kind::Section, .text = std::string(section), .value = {}});
    lines_.push_back(std::move(line));
}

std::unordered_map<std::string, std::string> IniDocument::section(std::string_view section) const {
    std::unordered_map<std::string, std::string> keys;
    bool inSection = false;
    for (const Line& l : lines_) {
        if (l.kind == Kind::Section)
            inSection = sameName(l.text, section);
        else if (inSection && l.kind == Kind::Key)
            keys.emplace(cp1252::toUpper(l.text), l.value);
    }
    return keys;
}

void IniDocument::eraseKeys(std::string_view section,
                            const std::function<bool(std::string_view)>& drop) {
    bool inSection = false;
    std::erase_if(lines_, [&](const Line& l) {
        if (l.kind == Kind::Section)
            inSection = sameName(l.text, section);
        return inSection && l.kind == Kind::Key && drop(l.text);
    });
}

bool IniDocument::save(const std::string& path) const {
    std::string bytes;
    for (const Line& l : lines_) {
        if (l.kind == Kind::Section)
            bytes += "[" + l.text + "]";
        else if (l.kind == Kind::Key)
            bytes += l.text + "=" + l.value;
        else
            bytes += l.text;
        bytes += "\r\n";
    }
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) ||
            !out.flush()) {
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (!ec)
        return true;
    std::filesystem::remove(temp, ec);
    return false;
}

// Loads the file, lets `change` edit it, and writes it back when the file
// could be read (or did not exist).
void edit(const std::string& path, const std::function<void(IniDocument&)>& change) {
    IniDocument doc(path);
    if (!doc.writable())
        return;
    change(doc);
    doc.save(path);
}

std::string joinFields(const std::vector<std::string>& row, int fields) {
    std::string joined;
    for (int i = 0; i < fields; ++i) {
        if (i > 0)
            joined += ',';
        if (static_cast<size_t>(i) < row.size())
            joined += row[static_cast<size_t>(i)];
    }
    return cutChars(joined, kEntryChars);
}

std::string entryKey(std::string_view name, size_t n) {
    return std::string(name) + "_" + std::to_string(n);
}

// The stored count of a list among its section's keys, bounded by the
// number of keys (a damaged count must not make a reader loop for ever).
size_t storedCount(const std::unordered_map<std::string, std::string>& keys,
                   std::string_view name) {
    const auto it = keys.find(cp1252::toUpper(name));
    const std::optional<int> count = it == keys.end() ? std::nullopt : toInt(it->second);
    if (!count || *count < 0)
        return 0;
    return std::min(static_cast<size_t>(*count), keys.size());
}

// True for the key of entry k > `count` of list `name` ("name_k").
bool isEntryBeyond(std::string_view key, std::string_view name, size_t count) {
    if (key.size() <= name.size() + 1 || key[name.size()] != '_' ||
        !sameName(key.substr(0, name.size()), name))
        return false;
    const std::string_view digits = key.substr(name.size() + 1);
    size_t k = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), k);
    return ec == std::errc() && end == digits.data() + digits.size() && k > count;
}

int clampFields(int fields) {
    return std::clamp(fields, 1, 3);
}

}  // namespace

// --- life cycle -----------------------------------------------------------------

void INIClass::Init(std::string_view fileName) {
    FileName = cutChars(fileName, kFileNameChars);
    Sectors.clear();
    initialized_ = true;
    Fetch();
    loadSectors();
}

void INIClass::Kill() {
    if (!initialized_)
        return;
    saveSectors();
    Sectors.clear();
    initialized_ = false;
}

// --- single values ----------------------------------------------------------------

std::string INIClass::Fetch(std::string_view section, std::string_view key) {
    const std::optional<std::string> v = IniDocument(FileName).get(oneLine(section), oneLine(key));
    return v ? cp1252::toUtf8(*v) : std::string();
}

std::string INIClass::TryFetch(std::string_view section, std::string_view key) {
    const std::optional<std::string> v = IniDocument(FileName).get(oneLine(section), oneLine(key));
    return v ? cp1252::toUtf8(*v) : std::string(kUnknown);
}

void INIClass::Update(std::string_view section, std::string_view key, std::string_view value) {
    edit(FileName,
         [&](IniDocument& doc) { doc.set(oneLine(section), oneLine(key), oneLine(value)); });
}

std::string INIClass::FetchField(std::string_view section, std::string_view key, int field) {
    const std::string value = Fetch(section, key);
    std::string_view rest = value;
    for (int i = 1; field >= 1; ++i) {
        const size_t comma = rest.find(',');
        if (i == field)
            return std::string(rest.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        rest.remove_prefix(comma + 1);
    }
    assertionFailure(kBadField);
    return {};
}

// --- stored lists -----------------------------------------------------------------

void INIClass::FetchQueue(std::string_view section, std::string_view name, IniQueue& list,
                          int fields) {
    const std::string n = oneLine(name);
    const auto keys = IniDocument(FileName).section(oneLine(section));
    const size_t count = storedCount(keys, n);
    for (size_t i = 1; i <= count; ++i) {
        const auto it = keys.find(cp1252::toUpper(entryKey(n, i)));
        const std::string value = it == keys.end() ? std::string() : cp1252::toUtf8(it->second);
        list.push_back(splitFields(value, clampFields(fields)));
    }
}

void INIClass::Update(std::string_view section, std::string_view name, const IniQueue& list,
                      int fields) {
    edit(FileName, [&](IniDocument& doc) {
        const std::string s = oneLine(section), n = oneLine(name);
        doc.set(s, n, std::to_string(list.size()));
        for (size_t i = 0; i < list.size(); ++i)
            doc.set(s, entryKey(n, i + 1), oneLine(joinFields(list[i], clampFields(fields))));
        doc.eraseKeys(s, [&](std::string_view key) { return isEntryBeyond(key, n, list.size()); });
    });
}

// --- window placement -------------------------------------------------------------

void INIClass::Update(std::string_view section, const WindowPlacement& window) {
    if (window.isIconized())
        return;
    edit(FileName, [&](IniDocument& doc) {
        const std::string s = oneLine(section);
        const bool maximized = window.isMaximized();
        doc.set(s, "Maximize", maximized ? "Yes" : "No");
        if (maximized)
            return;
        const WindowRect r = window.get();
        doc.set(s, "XPos", std::to_string(r.x));
        doc.set(s, "YPos", std::to_string(r.y));
        if (!window.isResizable())
            return;
        doc.set(s, "Height", std::to_string(r.height));
        doc.set(s, "Width", std::to_string(r.width));
    });
}

void INIClass::Fetch(std::string_view section, WindowPlacement& window) {
    const IniDocument doc(FileName);
    const std::string s = oneLine(section);
    const std::string maximize = doc.get(s, "Maximize").value_or("");
    if (maximize != "Yes" && maximize != "No")
        return;
    if (maximize == "No" && window.isMaximized())
        window.maximize(false);
    const auto number = [&](std::string_view key) {
        const std::optional<std::string> v = doc.get(s, key);
        return v ? toInt(*v) : std::nullopt;
    };
    const std::optional<int> x = number("XPos"), y = number("YPos");
    if (x && y) {
        WindowRect r = window.get();
        r.x = *x;
        r.y = *y;
        const std::optional<int> w = number("Width"), h = number("Height");
        if (window.isResizable() && w && h && *w > 0 && *h > 0) {
            r.width = *w;
            r.height = *h;
        }
        window.set(r);
    }
    window.maximize(maximize == "Yes");
}

// --- sectors ----------------------------------------------------------------------

std::string INIClass::GetSector(std::string_view family, std::string_view item,
                                std::string_view type) const {
    return std::string(family) + "$" + std::string(item) + "$$" + std::string(type);
}

void INIClass::GetFamily(std::string_view sector, std::string& family, std::string& item,
                         std::string& type) const {
    const size_t dollar = sector.empty() ? std::string_view::npos : sector.find('$', 1);
    const size_t twin = dollar == std::string_view::npos ? dollar : sector.find("$$", dollar + 1);
    if (twin == std::string_view::npos) {
        family.clear();
        item.clear();
        type.clear();
        assertionFailure(kBadSector);
        return;
    }
    family = sector.substr(0, dollar);
    item = sector.substr(dollar + 1, twin - dollar - 1);
    type = sector.substr(twin + 2);
}

void INIClass::AddSector(std::string_view sector) {
    SectorEntry e;
    GetFamily(sector, e.Family, e.Item, e.Type);
    if (e.Family.empty())
        return;  // malformed: already reported
    const auto at = std::lower_bound(Sectors.begin(), Sectors.end(), e);
    if (at == Sectors.end() || *at != e)
        Sectors.insert(at, std::move(e));
}

void INIClass::GetSectors(std::string_view family, std::string_view item, std::string_view type,
                          std::vector<SectorEntry>& out) const {
    out.clear();
    for (const SectorEntry& e : Sectors) {
        if (!family.empty() && e.Family != family)
            continue;
        if (!item.empty() && e.Item != item)
            continue;
        if (!type.empty() && e.Type != type)
            continue;
        out.push_back(e);
    }
}

void INIClass::loadSectors() {
    IniQueue rows;
    FetchQueue(kSectorsSection, kSectorsName, rows, 3);
    for (std::vector<std::string>& row : rows) {
        SectorEntry e{
            .Family = std::move(row[0]), .Item = std::move(row[1]), .Type = std::move(row[2])};
        const auto at = std::lower_bound(Sectors.begin(), Sectors.end(), e);
        if (at == Sectors.end() || *at != e)
            Sectors.insert(at, std::move(e));
    }
}

void INIClass::saveSectors() {
    IniQueue rows;
    for (const SectorEntry& e : Sectors)
        rows.push_back({e.Family, e.Item, e.Type});
    Update(kSectorsSection, kSectorsName, rows, 3);
}

}  // namespace vorda
