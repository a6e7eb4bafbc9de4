// FileManager: the only way the program reads and writes one table's records.
//
// One manager wraps one driver file (a keyed table or a fixed-record text
// file) and its record buffer. It opens the file on demand,
// creates a missing file, recovers from locks, rebuilds damaged keys, primes
// new records, validates records before writing, saves and restores record
// buffers and file positions, and turns every driver code into a catalogue
// error of the reporter.
//
// Keys are numbered 1.. in the order of the descriptor's keys (which is the
// AddKey order of every table of ours); fields 1.. in the descriptor's order.
//
// Result levels. Every operation that can fail returns a Level (Benign =
// success). Operations named Try... never show a message: they remember the
// catalogue id (GetError) and return the level, leaving the report to the
// caller (Throw()). Their plain twins show the message and return what the
// reporter returns.
//
// Threads. For a driver file kept per procedure thread, the open count, the
// physical open, end-of-file, the last error and the current sequence are
// kept per thread (the Info entries, by logical thread number; a thread's
// entry is dropped when the thread ends); any other file has one shared
// entry. The program's tables are made per thread all the way down: their
// driver file is a store::PerThreadFile and their record buffer is kept per
// thread by platform::ThreadData, so each thread has its own buffer, its
// own position and its own physical open. Saved images and saved states are
// kept by handle, whichever thread made them.
//
// Life cycle, per thread:
//
//     Init ──► closed ──Open──► logically open ──first use──► physically open
//                 ▲   (count 0)        (count > 0)              (LazyOpen = 1)
//                 └──────────── Close brings the count to 0 ◄───────┘
//
// With LazyOpen = 0 the physical open happens in Open itself. Every read or
// write runs UseFile first, which notes the use with the FilesManager (so a
// procedure that uses a table its caller is using gets the caller's record
// and position back when it closes it) and performs the lazy physical open.
//
// Invariants:
//   1. The record buffer is the driver file's buffer (desc().recordSize bytes);
//      the manager never owns it.
//   2. Buffer handles and saved-state handles are > 0 and never reused during
//      one Init..Kill; a restore takes the handle by reference and sets it to 0.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "framework/level.h"

namespace vorda {

class ErrorClass;
namespace store {
class File;
struct TableDesc;
}  // namespace store

// How a procedure uses a table; the FilesManager keeps the highest level each
// procedure noted. A caller's record is given back only below UpdatedRecord.
enum class UsageLevel : int {
    Opened = 0,         // opened, not used yet
    Ordinary = 2,       // reading and writing
    UpdatedRecord = 3,  // the record a form updates
};

// What PrimeRecord does with the buffer before PrimeFields.
enum class Priming { ClearBuffer, KeepBuffer };

// What a restore of a saved state does with the saved record image.
enum class BufferImage { Restore, Discard };

// The end of their range ClearKey sets key components to.
enum class KeyBound { Lowest, Highest };

class FileManager {
public:
    FileManager() = default;
    FileManager(const FileManager&) = delete;
    FileManager& operator=(const FileManager&) = delete;
    virtual ~FileManager();

    // Set-up. `file` is the driver file (it knows the descriptor and the
    // record buffer); the manager does not own it. Init registers the manager
    // with the FilesManager (one manager per file).
    virtual void Init(store::File* file, ErrorClass* errors);
    // Registers key `key` (1-based index into the descriptor's keys), in order.
    // `description` names the key in error 13.
    void AddKey(int key, std::string_view description);
    // Closes the file if it is physically open, forgets keys, saved images and
    // saved states, and unregisters from the FilesManager. Idempotent.
    virtual void Kill();

    // Options (defaults as Init sets them).
    std::string FileName;                        // name used in messages (%File)
    std::function<std::string()> FileNameValue;  // when set, the name is read from it each time
    uint8_t LazyOpen = 1;
    uint8_t OpenMode = 0x42;  // low nibble access (0 read, 1 write, 2 both), high nibble share
    uint8_t Create = 1;
    uint16_t LockRecover = 10;
    int PrimaryKey = 0;  // key whose position identifies a record; 0 = file

    // Open and close. Open counts; the physical open happens on first use
    // (or here when LazyOpen is 0). Close closes physically at count 0.
    virtual Level Open();
    virtual Level TryOpen();
    virtual Level Close();
    // Run at the start of every read and write. Error 39 when the table is
    // not open; otherwise the level of the lazy physical open (buffer preserved).
    Level UseFile(UsageLevel usage = UsageLevel::Ordinary);
    // Selects this thread's state and sets the reporter's %File to our name.
    void SetThread();

    // Reading. Fetch/TryFetch read the record whose key values are in the
    // buffer: Benign, or Notify without a message (Fetch also clears the
    // buffer then). Next/Previous: Benign; Notify with end-of-file set at the
    // end (no message); error 28 for a held record; error 1 otherwise
    // (reported by Next/Previous, Fatal from TryNext).
    virtual Level Fetch(int key);
    virtual Level TryFetch(int key);
    virtual Level Next();
    virtual Level TryNext();
    virtual Level Previous();
    bool GetEOF() const;

    // Writing. Insert: Fatal when the file cannot be used, Notify when
    // ValidateRecord refuses or the add fails (13 duplicate key, 4 other).
    // Update: Fatal / User when ValidateRecord refuses / Notify (6 changed by
    // another station: the buffer then holds that station's version; when
    // that station deleted it, 6 is shown but GetError() is 5 and the buffer
    // keeps this one's values; 25 other).
    virtual Level Insert();
    virtual Level TryInsert();
    virtual Level Update();
    virtual Level TryUpdate();

    // New records: clears the buffer (text blank, numbers and dates zero)
    // unless told to keep it, then calls PrimeFields. Benign.
    virtual Level PrimeRecord(Priming priming = Priming::ClearBuffer);
    virtual Level PrimeFields();

    // Field rules: `Benign` by default; a table's manager overrides it.
    // ValidateFields stops at the first field whose level is not Benign and
    // stores its number in `failedField`.
    virtual Level ValidateField(int field);
    virtual Level ValidateFields(int low, int high, int* failedField = nullptr);
    virtual Level ValidateRecord(int* failedField = nullptr);

    // Record images. SaveBuffer returns a handle > 0; RestoreBuffer copies the
    // image back (unless told to discard it), releases it and sets `handle`
    // to 0 (a handle of 0 is ignored). EqualBuffer compares the buffer with it.
    int SaveBuffer();
    void RestoreBuffer(int& handle, BufferImage image = BufferImage::Restore);
    virtual bool EqualBuffer(int handle);
    // File states: the buffer, the current key and the position in it.
    // RestoreFile puts the sequence back so that Next/Previous continue from
    // the saved record, re-reads it, and restores the buffer unless told to
    // discard the saved image.
    int SaveFile();
    void RestoreFile(int& handle, BufferImage image = BufferImage::Restore);

    // Keys and positions.
    void SetKey(int key);  // current sequence in key order (0 = file order)
    int GetComponents(int key) const;
    int GetField(int key, int component) const;  // field number
    std::string GetFieldName(int key, int component) const;
    // Sets components first..last of `key` in the buffer to their lowest or
    // highest values (descending components the other way).
    void ClearKey(int key, int firstComponent = 1, int lastComponent = 255,
                  KeyBound bound = KeyBound::Lowest);
    // "AGE:NRO_AGENTE,-AGE:FAX,UPPER(AGE:DENOMINACION)" (at most 511 characters).
    std::string KeyToOrder(int key, int firstComponent = 1) const;
    std::string Position();  // of the current record (PrimaryKey or file order)
    Level TryReget(const std::string& position);

    // Errors. SetError snapshots the platform error state and remembers `id`;
    // Throw() shows the remembered error.
    void SetError(uint16_t id);
    uint16_t GetError() const;  // the id remembered by the last SetError (0: none)
    virtual Level Throw();
    virtual Level Throw(uint16_t id);
    virtual Level ThrowMessage(uint16_t id, std::string_view text);

    // The name used in messages and for the physical file when FileNameValue is set.
    std::string GetName() const;
    // Logical open count and whether the file is physically open.
    int GetOpenCount() const;
    bool IsOpened() const;

    store::File* File = nullptr;
    ErrorClass* Errors = nullptr;

private:
    struct Component {
        int field;
        bool ascending;
        std::string name;  // "UPPER(name)" for a text field of a no-case key
    };
    struct KeyEntry {
        int key;
        std::string description;
        std::vector<Component> components;
        bool duplicates;
        bool noCase;
    };
    // The state of one procedure thread's use of the file.
    struct InfoEntry {
        bool opened = false;
        int openCount = 0;
        bool eof = false;
        uint16_t lastError = 0;
        int currentKey = 0;  // key of the current sequence (0 = file order)
    };
    struct BufferEntry {
        int handle;
        std::vector<char> image;
    };
    struct SavedEntry {
        int handle;
        int bufferHandle;
        int key;
        std::string position;
    };
    enum class Report { No, Yes };
    enum class Direction { Forward, Backward };

    void checkInit() const;
    const store::TableDesc& desc() const;
    char* buffer() const;
    void clearRecord();
    KeyEntry makeKeyEntry(int key, std::string_view description) const;
    const KeyEntry& keyEntry(int key) const;
    const Component& component(int key, int number) const;
    std::vector<const KeyEntry*> keysInAddOrder() const;

    Level openFile(Report report);
    Level openAttempt(int& mode, Report report, bool& again);
    Level openFailure(uint16_t id, Report report);
    Level rebuildKeys(Report report, bool& again);
    Level open(Report report);
    Level fetch(int key);
    Level read(Direction direction, Report report);
    Level insert(Report report);
    Level duplicateKey(Report report);
    std::string duplicatedKeyDescription();
    Level update(Report report);
    Level changedOrDeleted(const std::string& position, Report report);
    void repositionTo(int key, const std::string& position);
    void discardFile(int handle);
    BufferEntry* findBuffer(int handle);
    std::vector<SavedEntry>::iterator findSaved(int handle);
    int infoKey() const;
    InfoEntry& info();
    const InfoEntry& info() const;
    void threadEnded(int thread);

    bool initialized_ = false;
    std::vector<KeyEntry> keys_;      // registered keys, AddKey order
    std::vector<KeyEntry> descKeys_;  // every key of the descriptor, for unregistered use
    std::map<int, InfoEntry> infos_;  // by logical thread number
    int endHook_ = 0;                 // forgets a thread's entry when it ends
    std::vector<BufferEntry> buffers_;
    std::vector<SavedEntry> saved_;
    int lastBufferHandle_ = 0;
    int lastSavedHandle_ = 0;
};

}  // namespace vorda
