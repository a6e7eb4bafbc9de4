#include "platform/store/transaction.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/store/codes.h"
#include "platform/store/connection.h"
#include "platform/store/driverror.h"
#include "platform/store/keyedtable.h"
#include "platform/store/sqliteerror.h"

namespace vorda::store {
namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(20);

int exec(sqlite3* db, const std::string& sql) {
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
}

bool isBusy(int rc) {
    return (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED;
}

// The keyed tables of `tables` in locking order; empty when one is not an
// open keyed table or they do not share one connection.
std::vector<KeyedTable*> lockOrder(const std::vector<File*>& tables) {
    std::vector<KeyedTable*> out;
    for (File* f : tables) {
        auto* t = f != nullptr ? dynamic_cast<KeyedTable*>(&f->resolved()) : nullptr;
        if (t == nullptr || !t->isOpen())
            return {};
        if (!out.empty() && &out.front()->connection() != &t->connection())
            return {};
        out.push_back(t);
    }
    std::sort(out.begin(), out.end(), [](const KeyedTable* a, const KeyedTable* b) {
        const auto na = std::filesystem::path(a->path()).filename();
        const auto nb = std::filesystem::path(b->path()).filename();
        return na != nb ? na < nb : a->path() < b->path();
    });
    out.erase(std::unique(out.begin(), out.end(),
                          [](const KeyedTable* a, const KeyedTable* b) {
                              return a->schema() == b->schema();
                          }),
              out.end());
    return out;
}

// One attempt: BEGIN, then a no-op write per table to take its write lock.
// On failure the attempt is rolled back; returns the SQLite code.
int tryLocking(sqlite3* db, const std::vector<KeyedTable*>& ordered) {
    int rc = exec(db, "BEGIN");
    for (KeyedTable* t : ordered) {
        if (rc == SQLITE_OK && !t->isReadOnly()) {
            rc = exec(db, "DELETE FROM " + t->layout().table(t->schema()) + " WHERE 0");
        }
    }
    if (rc != SQLITE_OK)
        exec(db, "ROLLBACK");
    return rc;
}

// Retries tryLocking while SQLite answers busy, each wait bounded by what is
// left of the timeout.
int lockAll(Connection& conn, const std::vector<KeyedTable*>& ordered, int timeoutSeconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        conn.setBusyTimeout(static_cast<int>(std::max<int64_t>(left.count(), 0)));
        const int rc = tryLocking(conn.handle(), ordered);
        if (rc == SQLITE_OK)
            break;
        if (!isBusy(rc) || std::chrono::steady_clock::now() >= deadline) {
            conn.setBusyTimeout(Connection::kDefaultBusyMilliseconds);
            return SqliteError::record(isBusy(rc) ? AccessDenied : FileSystemError, rc);
        }
        std::this_thread::sleep_for(kRetryPause);
    }
    conn.setBusyTimeout(Connection::kDefaultBusyMilliseconds);
    return Ok;
}

}  // namespace

Transaction::~Transaction() {
    rollback();
}

int Transaction::begin(const std::vector<File*>& tables, int timeoutSeconds) {
    if (active_)
        return DriverError::fileSystem("La transacción ya está iniciada");
    const std::vector<KeyedTable*> ordered = lockOrder(tables);
    if (ordered.empty()) {
        return DriverError::fileSystem("Transacción sobre archivos no abiertos o de otra conexión");
    }
    Connection& conn = ordered.front()->connection();
    if (conn.inTransaction())
        return DriverError::fileSystem("Ya hay una transacción en curso");
    if (int code = lockAll(conn, ordered, timeoutSeconds); code != Ok)
        return code;
    conn.transactionStarted();
    active_ = true;
    connection_ = &conn;
    keepAlive_ = ordered.front()->connectionPtr();
    return Ok;
}

int Transaction::commit() {
    if (!active_)
        return DriverError::fileSystem("No hay una transacción iniciada");
    auto* conn = static_cast<Connection*>(connection_);
    sqlite3* db = conn->handle();
    int code = Ok;
    if (sqlite3_get_autocommit(db) != 0) {
        code = DriverError::fileSystem("La transacción fue anulada por un error anterior");
    } else if (int rc = exec(db, "COMMIT"); rc != SQLITE_OK) {
        code = SqliteError::record(FileSystemError, rc);
        if (sqlite3_get_autocommit(db) == 0)
            exec(db, "ROLLBACK");
    }
    conn->noteWrite();
    conn->transactionEnded();
    active_ = false;
    connection_ = nullptr;
    keepAlive_.reset();
    return code;
}

void Transaction::rollback() {
    if (!active_)
        return;
    auto* conn = static_cast<Connection*>(connection_);
    if (sqlite3_get_autocommit(conn->handle()) == 0)
        exec(conn->handle(), "ROLLBACK");
    conn->noteWrite();
    conn->transactionEnded();
    active_ = false;
    connection_ = nullptr;
    keepAlive_.reset();
}

}  // namespace vorda::store
