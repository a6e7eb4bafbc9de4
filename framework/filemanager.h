// FileManager: the only way the program reads and writes one table's records.
//
// DRAFT CONTRACT (the implementer of this class completes it, adding the
// private state and any further members): the members below are fixed
// because the relation and view managers, the data layer and later layers
// use them. Keys are numbered 1.. in the order of the descriptor's keys
// (which is the AddKey order of every table of ours); fields 1.. in the
// descriptor's order.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "framework/level.h"

namespace vorda {

class ErrorClass;
class RelationManager;
namespace store {
class File;
}

class FileManager {
public:
    virtual ~FileManager();

    // Set-up. `file` is the driver file (it knows the descriptor and the
    // record buffer); the manager does not own it.
    virtual void Init(store::File* file, ErrorClass* errors);
    // Registers key `key` (1-based index into the descriptor's keys), in order.
    void AddKey(int key, std::string_view description, bool autoInc = false);
    virtual void Kill();

    // Options (defaults as Init sets them).
    std::string FileName;                              // name used in messages (%File)
    std::function<std::string()> FileNameValue;        // when set, the physical name comes from it
    uint8_t LazyOpen = 1;
    uint8_t OpenMode = 0x42;
    uint8_t Create = 1;
    uint16_t LockRecover = 10;
    uint8_t SkipHeldRecords = 0;

    virtual Level Open();
    virtual Level TryOpen();
    virtual Level Close();
    Level UseFile(int usageLevel = 2);

    virtual Level Fetch(int key);
    virtual Level TryFetch(int key);
    virtual Level Next();
    virtual Level TryNext();
    virtual Level Previous();
    virtual Level TryPrevious();
    bool GetEOF() const;

    virtual Level Insert();
    virtual Level TryInsert();
    virtual Level Update();
    virtual Level TryUpdate();

    virtual Level PrimeRecord(bool suppressClear = false);
    virtual Level PrimeFields();

    // Field rules: `Benign` by default; a table's manager overrides it.
    virtual Level ValidateField(int field);
    virtual Level ValidateFields(int low, int high, int* failedField = nullptr);
    virtual Level ValidateRecord(int* failedField = nullptr);

    // Auto-increment numbering (no table of ours uses it).
    virtual Level PrimeAutoInc();
    virtual Level TryPrimeAutoInc();
    virtual Level CancelAutoInc(RelationManager* through = nullptr);
    bool HasAutoInc() const;

    int SaveBuffer();
    void RestoreBuffer(int& handle, bool restore = true);
    virtual bool EqualBuffer(int handle);
    int SaveFile();
    void RestoreFile(int& handle, bool restoreBuffer = true);

    // Keys and positions.
    void SetKey(int key);                        // current sequence in key order (0 = file order)
    int GetComponents(int key) const;
    int GetField(int key, int component) const;  // field number
    std::string GetFieldName(int key, int component) const;
    void ClearKey(int key, int firstComponent = 1, int lastComponent = 255, bool high = false);
    std::string KeyToOrder(int key, int firstComponent = 1) const;
    std::string Position();                      // of the current record (PrimaryKey or file)
    Level TryReget(const std::string& position);
    int PrimaryKey = 0;

    // Errors.
    void SetError(uint16_t id);
    virtual Level Throw();
    virtual Level Throw(uint16_t id);
    virtual Level ThrowMessage(uint16_t id, std::string_view text);

    store::File* File = nullptr;
    ErrorClass* Errors = nullptr;
};

}  // namespace vorda
