// A transaction over several keyed tables, committed or rolled back as a whole.
//
// All the tables must be open (in one process they share one SQLite
// connection). `begin` takes the write locks of every table up front, in a
// fixed order, waiting at most `timeoutSeconds` for other stations; reads and
// writes through the tables' Files then belong to the transaction until
// `commit` or `rollback`. Destroying an uncommitted transaction rolls it back.
// A transaction must not stay open while the procedure thread yields.
//
// Results of begin: Ok; AccessDenied when the write locks could not all be
// taken within the timeout (begin rolls back and retries the whole set while
// SQLite answers busy); FileSystemError for tables that are not open keyed
// tables of one connection, or when that connection already runs a
// transaction. commit: Ok, or FileSystemError when the commit failed (the
// transaction is then rolled back; nothing of it is stored).
//
// Locking: a deferred BEGIN, then one no-op write per table, tables ordered by
// file name and path, so that every station takes them in the same order and
// no two wait on each other. Writing first matters: a transaction that reads a
// file before writing it may be refused at once (SQLITE_BUSY without waiting)
// when another station is committing.
#pragma once

#include <memory>
#include <vector>

#include "platform/store/file.h"

namespace vorda::store {

class Transaction {
public:
    Transaction() = default;
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    int begin(const std::vector<File*>& tables, int timeoutSeconds);
    int commit();
    void rollback();
    bool active() const { return active_; }

private:
    bool active_ = false;
    void* connection_ = nullptr;       // the tables' Connection while active
    std::shared_ptr<void> keepAlive_;  // keeps that connection alive while active
};

}  // namespace vorda::store
