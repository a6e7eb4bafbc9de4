// FilesManager: which manager serves a table, and who is using it on each thread.
//
// It keeps two registries:
//   - the mapping from a driver file to its FileManager (one manager per file;
//     a second registration is the programming error "Mapping for file
//     already exists");
//   - the usage stack of each (thread, table): one entry per procedure, newest
//     last, holding the procedure name, the highest usage level noted (1 to 3;
//     3 = the record a form updates), the nesting depth, the handle of the
//     caller's saved file state and the procedure's count of opens.
//
// Caller state across procedures. When a procedure first uses a table that
// the procedure which called it on the same thread is using, the caller's
// file state (record buffer, current key, position) is saved in the new
// entry, unless the use is at level 3. When that procedure's last open of the
// table is closed, the state is restored (the buffer only when the level
// stayed below 3) and the entry is removed, so the caller's next read goes
// on from where it was. Nothing is saved between different threads.
//
// FileManager calls NoteOpen/NoteUsage/NoteClose; nothing else should.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/filemanager.h"

namespace vorda {

namespace store {
class File;
}

class FilesManager {
public:
    struct Usage {
        int thread;
        const store::File* file;
        std::string procedure;
        UsageLevel level = UsageLevel::Opened;  // highest usage level noted
        int nesting = 1;                        // depth in this (thread, table) stack
        int savedState = 0;  // caller's file state (FileManager::SaveFile handle), 0 = none
        int opens = 0;       // opens by this procedure not yet closed
    };

    // Maps manager.File to `manager`; false (after the assertion) when the
    // file has a manager already.
    bool AddMapping(FileManager& manager);
    void RemoveMapping(FileManager& manager);
    FileManager* GetMapping(const store::File* file) const;

    void NoteOpen(FileManager& manager);
    void NoteUsage(FileManager& manager, UsageLevel level);
    void NoteClose(FileManager& manager);
    // The table's manager is killed: its usage entries, on every thread, are
    // dropped. Returns the handles of the saved file states they held, for
    // the manager to release without restoring.
    std::vector<int> ForgetUsage(const FileManager& manager);
    // The same for one thread: the thread closed its last open of the table,
    // or ended.
    std::vector<int> ForgetUsage(const FileManager& manager, int thread);

    // The newest usage entry of (thread, file), or nullptr.
    const Usage* Newest(int thread, const store::File* file) const;
    size_t UsageCount() const { return usage_.size(); }

private:
    struct Mapping {
        const store::File* file;
        FileManager* manager;
    };
    Usage* newest(int thread, const store::File* file);
    std::vector<int> forget(const std::function<bool(const Usage&)>& which);
    bool hasOlder(const Usage& entry) const;
    static std::string procedureOf(const FileManager& manager);

    std::vector<Mapping> mappings_;
    std::vector<Usage> usage_;
};

// The process-wide registry.
FilesManager& GlobalFilesManager();

}  // namespace vorda
