// The driver file: one keyed table or one fixed-record text file.
//
// A File reads into and writes from a record buffer it does not own (the
// table's process-wide current-record buffer). Every operation returns a
// driver code (codes.h); a failing one also sets platform::lastError().
//
// Sequences. A File keeps one current sequence: `setKey(k)` orders it by key
// k (0 = file order) and starts it at the key values now in the buffer, so
// that `next()` reads the first record not below them and `previous()` the
// last record not above them. After a record is read, `next()`/`previous()`
// read the one after/before it in that order; records with equal key values
// keep the order in which they were added. Cursors (below) are further,
// independent sequences over the same file, used by views; they may also be
// filtered. Reading through a cursor loads the same record buffer.
//
// The current record. The last record read, fetched or added is the current
// record; `put()` rewrites it and `erase()` deletes it. `put()` fails with
// ChangedByOther when another connection or process changed or deleted the
// record after it was read (each stored row carries a version).
//
// Positions are opaque texts of at most 512 bytes naming one record in one
// order (its key values and its identity): `position(k)` of the current
// record, `reget()` re-reads that record, `resetTo()` restarts a sequence
// there (inclusive in both directions), even when the record has since been
// deleted.
//
// Open modes are the framework's byte: low nibble access (0 read-only,
// 1 write-only, 2 read/write), high nibble sharing (0x10 deny all, i.e.
// exclusive; 0x20 deny write; 0x30 deny read; 0x40 deny none). An exclusive
// open fails at once with AccessDenied while anybody has the file open; a
// shared open fails with AccessDenied while somebody holds it exclusively.
// The command "Recover=N" makes the next open wait up to N seconds for such
// a lock instead of failing at once.
//
// Records are never held: SQLite has no record locks, so the keyed-table
// driver offers no hold/watch and never returns RecordHeld; a change made
// elsewhere is caught by put()/erase() as ChangedByOther instead.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/store/tabledesc.h"

namespace vorda::store {

enum class CompareOp { Eq, Ne, Lt, Le, Gt, Ge };

// A filter over the fields of one file: comparisons joined by AND, OR, NOT.
// Literal values are given as text: Text fields as UTF-8 (compared as the
// stored, blank-trimmed text), Decimal as "1234.50", Date as a day number,
// Int32 as a number. `upper` compares the upper-cased field with the
// upper-cased literal. Comparing a field that is not a column (a group, the
// whole declaration key) compares its columns in order against the literal
// cut at their widths.
struct FilterNode {
    enum class Kind { Compare, And, Or, Not };
    Kind kind = Kind::Compare;
    int field = 0;
    CompareOp op = CompareOp::Eq;
    bool upper = false;
    std::string value;
    std::vector<FilterNode> children;
};

struct OrderTerm {
    int field;  // field number; a non-column field orders by its columns
    bool descending = false;
    bool upper = false;
};

// An independent ordered, optionally filtered sequence over a keyed table.
class Cursor {
public:
    virtual ~Cursor() = default;
    // An empty order means file order. Returns FileSystemError for a field
    // the store cannot order by.
    virtual int setOrder(std::vector<OrderTerm> order) = 0;
    // nullptr clears the filter. Returns FileSystemError when the filter
    // names a field that does not exist or cannot be compared.
    virtual int setFilter(const FilterNode* filter) = 0;
    virtual void startAtFirst() = 0;   // next() reads the first record
    virtual void startAtLast() = 0;    // previous() reads the last record
    virtual void startAtBuffer() = 0;  // at the order fields' values now in the buffer
    virtual int startAt(const std::string& position) = 0;
    virtual int next() = 0;  // Ok, NoMoreRecords, or an error
    virtual int previous() = 0;
    virtual std::string position() const = 0;  // of the last record read
    // Read-ahead: fetch records in batches while scanning (one direction).
    virtual void setQuickScan(bool on) = 0;
    virtual void flush() = 0;  // drop anything read ahead
};

class File {
public:
    virtual ~File() = default;

    virtual const TableDesc& desc() const = 0;
    virtual void* buffer() const = 0;
    // Physical file name (relative names are taken from the current directory).
    virtual std::string name() const = 0;
    virtual void setName(std::string name) = 0;
    // The owner password; a file created under another one is refused with
    // AccessDenied on open.
    virtual void setOwner(std::string_view password) = 0;

    virtual int open(int mode) = 0;  // FileNotFound, AccessDenied, KeysNeedRebuild, AlreadyOpen...
    virtual int create() = 0;        // empty file with the layout and keys; replaces an old one
    virtual int close() = 0;
    virtual bool isOpen() const = 0;
    virtual bool isReadOnly() const = 0;
    // Driver commands: "Recover=N", "QUICKSCAN=on"/"QUICKSCAN=off".
    virtual int send(std::string_view command) = 0;

    virtual int setKey(int key) = 0;  // 0 = file order
    virtual int resetTo(int key, const std::string& position) = 0;
    virtual int next() = 0;
    virtual int previous() = 0;
    virtual int get(int key) = 0;  // exact match on key `key`'s values in the buffer
    virtual std::string position(int key) const = 0;  // of the current record
    virtual int reget(const std::string& position) = 0;

    virtual int add() = 0;    // DuplicateKey when a unique key is taken
    virtual int put() = 0;    // ChangedByOther, DuplicateKey, RecordNotFound (no current)
    virtual int erase() = 0;  // RecordNotFound (no current)
    // Deletes every record whose values of key `key` equal those now in the
    // buffer, and sets `erased` to their number. One statement: inside a
    // transaction, all of them go or none. A driver without it answers
    // FileSystemError and deletes nothing.
    virtual int eraseEqual(int key, int64_t& erased);

    virtual int64_t records() = 0;    // -1 when unknown
    virtual int64_t bytes() = 0;      // size of the file in bytes
    virtual int64_t bytesRead() = 0;  // how far a sequential read has come
    virtual int buildKeys() = 0;      // rebuild every key; needs the file closed by everybody

    virtual std::unique_ptr<Cursor> openCursor() = 0;
    virtual bool supportsTransactions() const = 0;

    // The file that does the work: itself, or for a file kept per procedure
    // thread (perthreadfile.h) the running thread's own file.
    virtual File& resolved() { return *this; }
    // True when each procedure thread has a file (and record buffer) of its own.
    virtual bool perThread() const { return false; }
};

}  // namespace vorda::store
