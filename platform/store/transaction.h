// A transaction over several keyed tables, committed or rolled back as a whole.
//
// All the tables must be open (in one process they share one SQLite
// connection). `begin` takes the write locks of every table up front, in a
// fixed order, waiting at most `timeoutSeconds` for other stations; reads and
// writes through the tables' Files then belong to the transaction until
// `commit` or `rollback`. Destroying an uncommitted transaction rolls it back.
// A transaction must not stay open while the procedure thread yields.
#pragma once

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
    void* connection_ = nullptr;
};

}  // namespace vorda::store
