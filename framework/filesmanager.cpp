// FilesManager: see filesmanager.h for the contract.
//
// Usage stack of one (thread, table), newest last:
//
//   event                  newest entry is ...        action
//   NoteOpen               none / another procedure   push (opens 1, level Opened)
//                          this procedure             opens + 1
//   NoteUsage (level L)    none                       push (level L)
//                          another procedure          push; save caller's state if L <
//                          UpdatedRecord this procedure, unused     save caller's state (if any, L
//                          < UpdatedRecord) this procedure             level = max(level, L)
//   NoteClose              this procedure             opens - 1; at 0 restore and pop
//                          another procedure / none   nothing (never opened by it)
#include "framework/filesmanager.h"

#include <algorithm>

#include "framework/assertion.h"
#include "framework/errorclass.h"
#include "framework/filemanager.h"
#include "platform/process/threadnumber.h"

namespace vorda {

FilesManager& GlobalFilesManager() {
    // Never destroyed: managers that are themselves static objects unregister
    // in their destructors, which may run after any function-local static.
    static FilesManager* files = new FilesManager;
    return *files;
}

bool FilesManager::AddMapping(FileManager& manager) {
    if (GetMapping(manager.File) != nullptr) {
        assertionFailure("Mapping for file already exists");
        return false;
    }
    mappings_.push_back({.file = manager.File, .manager = &manager});
    return true;
}

void FilesManager::RemoveMapping(FileManager& manager) {
    std::erase_if(mappings_, [&manager](const Mapping& m) { return m.manager == &manager; });
}

FileManager* FilesManager::GetMapping(const store::File* file) const {
    for (const Mapping& m : mappings_) {
        if (m.file == file)
            return m.manager;
    }
    return nullptr;
}

std::string FilesManager::procedureOf(const FileManager& manager) {
    return manager.Errors != nullptr ? manager.Errors->GetProcedureName() : std::string();
}

FilesManager::Usage* FilesManager::newest(int thread, const store::File* file) {
    for (auto it = usage_.rbegin(); it != usage_.rend(); ++it) {
        if (it->thread == thread && it->file == file)
            return &*it;
    }
    return nullptr;
}

const FilesManager::Usage* FilesManager::Newest(int thread, const store::File* file) const {
    return const_cast<FilesManager*>(this)->newest(thread, file);
}

// True when an entry of the same (thread, table) lies below `entry`, i.e. a
// caller is using the table.
bool FilesManager::hasOlder(const Usage& entry) const {
    for (const Usage& u : usage_) {
        if (&u == &entry)
            return false;
        if (u.thread == entry.thread && u.file == entry.file)
            return true;
    }
    return false;
}

void FilesManager::NoteOpen(FileManager& manager) {
    const int thread = platform::currentThreadNumber();
    const std::string procedure = procedureOf(manager);
    Usage* top = newest(thread, manager.File);
    if (top == nullptr || top->procedure != procedure) {
        const int nesting = top == nullptr ? 1 : top->nesting + 1;
        usage_.push_back({.thread = thread, .file = manager.File, .procedure = procedure});
        top = &usage_.back();
        top->nesting = nesting;
    }
    ++top->opens;
}

void FilesManager::NoteUsage(FileManager& manager, UsageLevel level) {
    const int thread = platform::currentThreadNumber();
    const std::string procedure = procedureOf(manager);
    Usage* top = newest(thread, manager.File);
    if (top == nullptr || top->procedure != procedure) {
        const bool caller = top != nullptr;
        const int nesting = caller ? top->nesting + 1 : 1;
        const int saved = caller && level < UsageLevel::UpdatedRecord ? manager.SaveFile() : 0;
        usage_.push_back({.thread = thread,
                          .file = manager.File,
                          .procedure = procedure,
                          .level = level,
                          .nesting = nesting,
                          .savedState = saved});
        return;
    }
    if (top->level == UsageLevel::Opened && top->savedState == 0 &&
        level < UsageLevel::UpdatedRecord && hasOlder(*top)) {
        top->savedState = manager.SaveFile();
    }
    top->level = std::max(top->level, level);
}

void FilesManager::NoteClose(FileManager& manager) {
    const int thread = platform::currentThreadNumber();
    Usage* top = newest(thread, manager.File);
    if (top == nullptr || top->procedure != procedureOf(manager))
        return;
    if (top->opens > 0 && --top->opens > 0)
        return;
    int saved = top->savedState;
    const BufferImage image =
        top->level < UsageLevel::UpdatedRecord ? BufferImage::Restore : BufferImage::Discard;
    usage_.erase(usage_.begin() + (top - usage_.data()));
    manager.RestoreFile(saved, image);
}

std::vector<int> FilesManager::ForgetUsage(const FileManager& manager) {
    return forget([&manager](const Usage& u) { return u.file == manager.File; });
}

std::vector<int> FilesManager::ForgetUsage(const FileManager& manager, int thread) {
    return forget([&manager, thread](const Usage& u) {
        return u.file == manager.File && u.thread == thread;
    });
}

std::vector<int> FilesManager::forget(const std::function<bool(const Usage&)>& which) {
    std::vector<int> saved;
    for (const Usage& u : usage_) {
        if (which(u) && u.savedState != 0)
            saved.push_back(u.savedState);
    }
    std::erase_if(usage_, which);
    return saved;
}

}  // namespace vorda
