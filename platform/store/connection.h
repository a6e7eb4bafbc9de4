// Connection: the SQLite connection that keyed tables are attached to.
//
// Every open keyed table is one database file ATTACHed to a connection under
// a schema name of its own. The procedure threads of a process (fibers on one
// OS thread) share one connection, `Connection::shared()`, created on first
// use and closed when the last table using it is closed; another OS thread
// gets a shared connection of its own. Work whose transaction stays open
// across yields (the import's loading pass) takes a separate connection with
// `Connection::createSeparate()` and makes its tables with the
// `makeKeyedTable(desc, buffer, connection)` overload below.
//
// Invariants:
//   1. The main database is a real (empty) file, `.vorda-tx` in the current
//      directory (or in the temp directory when that cannot be written), never
//      :memory:, so that a commit over several attached files goes through
//      SQLite's super-journal and is atomic. It holds no data: one that is not
//      a database is made again; a failure to open it names it, not a table.
//   2. Every attached file runs journal mode DELETE (never WAL) and
//      synchronous FULL; busy waits last 10 s unless a transaction's begin
//      sets its own timeout.
//   3. Attachments are shared per (canonical path, access): two Files on one
//      path use one attachment, and a read-only File uses the path's
//      writable attachment when there is one (the File refuses writes
//      itself); the last release detaches it. Beyond SQLite's limit of
//      attached files an open fails with a FileSystemError that says so. While a
//      transaction is open, detaching waits until it ends (SQLite refuses to
//      detach a file that takes part in a transaction), and so does the
//      release of the table's sidecar lock, which is handed over with it.
//   4. A connection is used by one OS thread at a time.
//   5. A "keys need rebuilding" mark found necessary while a transaction is
//      open is written when that transaction ends, in a statement of its own:
//      written inside it, a rollback would undo it.
//   6. Every connection holds the station lock (`<main>.lck`) shared while
//      it lives. The one that finds it free, alone in the directory, first
//      removes the leftovers of killed stations (see leftovers.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/store/file.h"
#include "platform/store/lockfile.h"

struct sqlite3;

namespace vorda::store {

class Connection {
public:
    static constexpr int kDefaultBusyMilliseconds = 10000;

    // The connection shared by the procedure threads of the calling OS
    // thread. nullptr (with lastError set) when it cannot be opened.
    static std::shared_ptr<Connection> shared();
    // A connection of its own; nullptr (with lastError set) on failure.
    static std::shared_ptr<Connection> createSeparate();

    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return db_; }

    // Attaches `path` (canonical) for reading only or for reading and
    // writing, or takes one more use of an existing attachment. Returns Ok
    // with `schema` naming the attachment, or a driver code (lastError set).
    int attach(const std::string& path, bool readOnly, std::string* schema);
    // Gives back one use of `schema`; the last one detaches it (at once, or
    // when the running transaction ends) and only then drops `lock`.
    void release(const std::string& schema, std::unique_ptr<LockFile> lock);

    bool inTransaction() const { return inTransaction_; }
    // Called by Transaction when it begins and when it ends.
    void transactionStarted() {
        inTransaction_ = true;
        nextIds_.clear();
    }
    void transactionEnded();
    // Sets the rebuild mark of the file attached as `schema`: at once, or
    // when the running transaction ends (invariant 5).
    void markForRebuild(const std::string& schema);

    // The next record id of a clustered table attached as `schema`, known
    // while this connection's transaction holds that file's write lock; 0
    // while unknown. Forgotten when a transaction begins or ends.
    int64_t& nextId(const std::string& schema) { return nextIds_[schema]; }

    // Bumped by every write through this connection: cursors drop rows read
    // ahead when it changed.
    uint64_t writeGeneration() const { return writeGeneration_; }
    void noteWrite() { ++writeGeneration_; }

    void setBusyTimeout(int milliseconds);

private:
    struct Attachment {
        std::string schema;
        int uses = 0;
    };
    struct PendingDetach {
        std::string schema;
        std::unique_ptr<LockFile> lock;
    };

    static constexpr int kStationLockWaitSeconds = 10;

    explicit Connection(sqlite3* db) : db_(db) {}
    static std::shared_ptr<Connection> open();
    void takeStationLock(const std::filesystem::path& mainPath);
    int configureSchema(const std::string& schema);
    void detachNow(const std::string& schema);

    std::unique_ptr<LockFile> stationLock_;  // released after db_ is closed
    sqlite3* db_ = nullptr;
    std::map<std::string, Attachment> attachments_;  // by path + access
    std::vector<PendingDetach> pending_;
    std::vector<std::string> pendingMarks_;  // schemas to mark when the transaction ends
    bool inTransaction_ = false;
    std::map<std::string, int64_t> nextIds_;
    uint64_t writeGeneration_ = 0;
    uint64_t nextSchema_ = 1;
};

// A keyed table on a given connection (see Connection::createSeparate).
std::unique_ptr<File> makeKeyedTable(const TableDesc& desc, void* buffer,
                                     std::shared_ptr<Connection> connection);

}  // namespace vorda::store
