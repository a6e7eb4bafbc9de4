// INIClass: the program's settings file (vorda.INI).
//
// A settings file is text in Windows-1252 with CRLF line ends: "[Section]"
// lines, "key=value" lines, and anything else (comments, blank lines,
// garbage), which is kept as it is but never read. Sections and keys are
// found without regard to letter case; the first occurrence wins. Every call
// reads the file afresh and every write rewrites it whole (through a
// temporary file renamed over it), keeping all other lines. The API speaks
// UTF-8; characters without a Windows-1252 byte are stored as '?'.
//
// Failure policy: a missing, unreadable or malformed file reads as if the
// keys were missing (Fetch "", TryFetch "---Unknown---", counts 0, no window
// placement); nothing ever fails or crashes. A file that exists but cannot be
// read is never overwritten. Misuse (a field beyond the last, a malformed
// sector name) is an assertion.
//
// Life cycle: Init(name) -> Fetch() (virtual, empty) -> load sector registry
//             ... Fetch/TryFetch/Update/queues/sectors/windows ...
//             Update() (virtual, empty; the program calls it) -> Kill (writes the registry).
//
// Stored lists under section S and name N: N = count n, N_1 .. N_n = the
// entry's fields joined by "," (at most 4,999 characters). The sector
// registry is such a list: section "Sectors", name "__Dont_Touch_Me__",
// fields family, item, type.
#pragma once

#include <compare>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/windowplacement.h"

namespace vorda {

struct SectorEntry {
    std::string Family, Item, Type;
    friend auto operator<=>(const SectorEntry&, const SectorEntry&) = default;
};

// The placement of a window as the settings file stores it.
using ui::WindowPlacement;
using ui::WindowRect;

// One stored list: each row holds the fields of one entry (1 to 3 used).
using IniQueue = std::vector<std::vector<std::string>>;

class INIClass {
public:
    virtual ~INIClass() = default;

    void Init(std::string_view fileName);
    void Kill();

    // Hooks for a derived settings class; empty here. A derived class that
    // overrides them should add `using INIClass::Fetch; using INIClass::Update;`.
    virtual void Fetch() {}
    virtual void Update() {}

    // The value, or "" when the key is missing.
    std::string Fetch(std::string_view section, std::string_view key);
    // The value, or "---Unknown---" when the key is missing.
    std::string TryFetch(std::string_view section, std::string_view key);
    void Update(std::string_view section, std::string_view key, std::string_view value);
    // The field-th (1-based) comma-separated part of the value; a field
    // beyond the last is an assertion (and gives "").
    std::string FetchField(std::string_view section, std::string_view key, int field);

    // Appends the stored list's entries to `list`, each split into `fields`
    // parts (the last part keeps any further commas). A missing or
    // unreadable count reads as 0.
    void FetchQueue(std::string_view section, std::string_view name, IniQueue& list,
                    int fields = 1);
    // Writes `list` as the stored list (first `fields` parts of each row) and
    // removes the entries of a longer list stored before.
    void Update(std::string_view section, std::string_view name, const IniQueue& list,
                int fields = 1);

    // Restores / saves a window's placement in `section`.
    void Fetch(std::string_view section, WindowPlacement& window);
    void Update(std::string_view section, const WindowPlacement& window);

    // Sector names: family "$" item "$$" type.
    std::string GetSector(std::string_view family, std::string_view item,
                          std::string_view type) const;
    // Splits a sector name; "$" must follow the first character and "$$"
    // must follow it, else an assertion (and the parts are left empty).
    void GetFamily(std::string_view sector, std::string& family, std::string& item,
                   std::string& type) const;
    void AddSector(std::string_view sector);
    // Fills `out` (cleared first) with the registry entries matching every
    // non-empty part.
    void GetSectors(std::string_view family, std::string_view item, std::string_view type,
                    std::vector<SectorEntry>& out) const;

    std::string FileName;              // at most 259 characters
    std::vector<SectorEntry> Sectors;  // sorted and unique

private:
    void loadSectors();
    void saveSectors();
    bool initialized_ = false;
};

}  // namespace vorda
