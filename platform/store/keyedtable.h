// KeyedTable: the keyed-table driver file over SQLite (see file.h for the
// contract and tablelayout.h for the stored form).
//
// Opening, in this order (each step undone when a later one fails):
//     1. the file must exist (FileNotFound) and be a regular file;
//     2. the connection (the first in the directory cleans up leftovers of
//        killed stations, see leftovers.h, before this table is locked);
//     3. the sidecar lock, shared or exclusive by the mode's sharing nibble
//        (0x10 = exclusive; every other sharing value is shared), waiting up
//        to the "Recover=" seconds sent before this open;
//     4. ATTACH to the connection, read-only (`mode=ro`) when the access
//        nibble is 0; a read/write open of a file SQLite can only read is
//        AccessDenied;
//     5. the meta check: our table of this layout, this owner password, no
//        "keys need rebuilding" mark;
//     6. a cheap probe of every index (its first and last entry) and of the
//        table: damage found sets the mark and gives KeysNeedRebuild.
// Closing detaches, then unlocks.
//
// Records are never held: SQLite has no record locks, so hold/watch are not
// offered and RecordHeld is never returned. A change by another connection is
// detected on put()/erase() through the row version (ChangedByOther).
//
// Writes outside a Transaction are single statements and commit on their
// own. Any SQLITE_CORRUPT met on the way sets the file's rebuild mark (best
// effort; inside a transaction, once it has ended, so that its rollback does
// not undo the mark) and is returned as KeysNeedRebuild.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/store/connection.h"
#include "platform/store/file.h"
#include "platform/store/lockfile.h"
#include "platform/store/statement.h"
#include "platform/store/tablelayout.h"

namespace vorda::store {

class TableCursor;

class KeyedTable final : public File {
public:
    KeyedTable(const TableDesc& desc, void* buffer, std::shared_ptr<Connection> connection);
    ~KeyedTable() override;

    const TableDesc& desc() const override { return layout_.desc(); }
    void* buffer() const override { return buffer_; }
    std::string name() const override { return name_; }
    void setName(std::string name) override { name_ = std::move(name); }
    void setOwner(std::string_view password) override { owner_ = password; }

    int open(int mode) override;
    int create() override;
    int close() override;
    bool isOpen() const override { return open_; }
    bool isReadOnly() const override { return readOnly_; }
    int send(std::string_view command) override;

    int setKey(int key) override;
    int resetTo(int key, const std::string& position) override;
    int next() override;
    int previous() override;
    int get(int key) override;
    std::string position(int key) const override;
    int reget(const std::string& position) override;

    int add() override;
    int put() override;
    int erase() override;
    int eraseEqual(int key, int64_t& erased) override;

    int64_t records() override;
    int64_t bytes() override;
    int64_t bytesRead() override { return -1; }  // progress of a table is told by records()
    int buildKeys() override;

    std::unique_ptr<Cursor> openCursor() override;
    bool supportsTransactions() const override { return true; }

    // For cursors and transactions.
    const TableLayout& layout() const { return layout_; }
    char* record() const { return static_cast<char*>(buffer_); }
    Connection& connection() const { return *connection_; }
    std::shared_ptr<Connection> connectionPtr() const { return connection_; }
    const std::string& schema() const { return schema_; }
    const std::string& path() const { return path_; }
    uint64_t epoch() const { return epoch_; }
    std::weak_ptr<void> aliveToken() const { return alive_; }
    // Makes the record now in the buffer (row `id`, `version`) current.
    void setCurrent(int64_t id, int64_t version);
    // Maps a SQLite failure on this file to a driver code; corruption sets
    // the rebuild mark first.
    int failSqlite(int rc);
    // FileSystemError unless the file is open.
    int requireOpen() const;

private:
    struct Current {
        bool valid = false;
        int64_t id = 0;
        int64_t version = 0;
        std::vector<char> image;
    };

    int checkPath(bool mustExist);
    int attachAndCheck(bool readOnly);
    int probeKeys();
    int probe(const std::string& sql);
    void detach();
    // Prepares `st` from sqlOf() the first time only.
    template <class SqlOf>
    int prepared(Statement& st, SqlOf sqlOf) {
        return st.prepared() ? 0 : prepareNow(st, sqlOf());
    }
    int prepareNow(Statement& st, const std::string& sql);
    int requireWritable() const;
    int requireWritableCurrent() const;
    int lockExclusively(std::unique_ptr<LockFile>* lock);
    int readOne(Statement& st);
    // " WHERE <term> = ?1 AND ..." over the terms of key `key`.
    std::string keyEquals(int key) const;
    int keyNumber(int key) const;
    int rebuildWhileOpen();

    TableLayout layout_;
    void* buffer_;
    std::string name_;
    std::string owner_;
    std::shared_ptr<Connection> fixedConnection_;  // a separate connection, when given
    std::shared_ptr<Connection> connection_;       // while open
    std::unique_ptr<LockFile> lock_;
    std::string path_;
    std::string schema_;
    bool open_ = false;
    bool readOnly_ = false;
    bool exclusive_ = false;
    int recoverSeconds_ = 0;
    uint64_t epoch_ = 0;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    Current current_;
    std::unique_ptr<TableCursor> sequence_;
    Statement insert_, insertWithId_, update_, erase_, byId_, count_;
    std::vector<Statement> get_;
    std::vector<Statement> eraseEqual_;
};

}  // namespace vorda::store
