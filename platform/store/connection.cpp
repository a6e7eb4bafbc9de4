#include "platform/store/connection.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "platform/process/errorstate.h"
#include "platform/store/codes.h"
#include "platform/store/driverror.h"
#include "platform/store/leftovers.h"
#include "platform/store/lockfile.h"
#include "platform/store/sqliteerror.h"
#include "platform/store/tablelayout.h"
#include "platform/store/tablemeta.h"

namespace vorda::store {
namespace {

// SQLite holds at most a few files on one connection.
constexpr const char* TooManyFiles =
    "Hay demasiados archivos abiertos a la vez; cierre alguna ventana e intente de nuevo";

// vorda_upper(text): the Windows-1252 upper case, for orders and filters on
// a text column that has no folded twin.
void upperFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    if (text == nullptr) {
        sqlite3_result_null(ctx);
        return;
    }
    const std::string upper = TableLayout::foldUpper(
        std::string_view(text, static_cast<size_t>(sqlite3_value_bytes(argv[0]))));
    sqlite3_result_text(ctx, upper.data(), static_cast<int>(upper.size()), SQLITE_TRANSIENT);
}

// Opens `path` as the empty main database; nullptr when it is not a
// writable file in a writable directory (the super-journal lives beside it).
sqlite3* openMainOnce(const std::filesystem::path& path) {
    const auto dir = path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    if (::access(dir.c_str(), W_OK) != 0)
        return nullptr;
    sqlite3* db = nullptr;
    const int flags =
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK ||
        sqlite3_db_readonly(db, "main") != 0) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}

// The main database never holds data: it only names where the super-journal
// of a commit over several files goes. One whose header does not read as a
// database (overwritten, or left half-written) is removed and made again.
sqlite3* openMain(const std::filesystem::path& path) {
    sqlite3* db = openMainOnce(path);
    const auto readable = [](sqlite3* d) {
        return sqlite3_exec(d, "PRAGMA schema_version", nullptr, nullptr, nullptr) == SQLITE_OK;
    };
    if (db == nullptr || readable(db))
        return db;
    sqlite3_close_v2(db);
    std::error_code ec;
    std::filesystem::remove(path, ec);
    db = openMainOnce(path);
    if (db != nullptr && !readable(db)) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    return db;
}

// file: URI of a path, with the characters URIs reserve escaped.
std::string uriOf(const std::string& path, bool readOnly) {
    static const char* hex = "0123456789ABCDEF";
    std::string uri = "file:";
    for (unsigned char c : path) {
        if (c == '%' || c == '?' || c == '#' || c < 0x20 || c == 0x7f) {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 0xf];
        } else {
            uri += static_cast<char>(c);
        }
    }
    return uri + (readOnly ? "?mode=ro" : "?mode=rw");
}

int exec(sqlite3* db, const std::string& sql) {
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
}

thread_local std::weak_ptr<Connection> threadConnection;

}  // namespace

std::shared_ptr<Connection> Connection::shared() {
    std::shared_ptr<Connection> conn = threadConnection.lock();
    if (!conn) {
        conn = open();
        threadConnection = conn;
    }
    return conn;
}

std::shared_ptr<Connection> Connection::createSeparate() {
    return open();
}

std::shared_ptr<Connection> Connection::open() {
    std::filesystem::path mainPath = ".vorda-tx";
    sqlite3* db = openMain(mainPath);
    if (db == nullptr) {
        std::error_code ec;
        const auto tmp = std::filesystem::temp_directory_path(ec);
        if (!ec) {
            mainPath = tmp / (".vorda-tx-" + std::to_string(::getuid()));
            db = openMain(mainPath);
        }
    }
    if (db == nullptr) {
        DriverError::fileSystem("No se puede crear el archivo de transacciones .vorda-tx");
        return nullptr;
    }
    std::shared_ptr<Connection> conn(new Connection(db));
    conn->takeStationLock(mainPath);
    sqlite3_extended_result_codes(db, 1);
    conn->setBusyTimeout(kDefaultBusyMilliseconds);
    sqlite3_create_function_v2(db, "vorda_upper", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               upperFunction, nullptr, nullptr, nullptr);
    if (int rc = conn->configureSchema("main"); rc != SQLITE_OK) {
        DriverError::fail(FileSystemError, std::to_string(rc),
                          "Archivo de transacciones .vorda-tx: " + SqliteError::text(rc));
        return nullptr;
    }
    return conn;
}

// The first connection of all stations in this directory finds the station
// lock free: it removes what killed stations left (no commit of anyone can
// be under way), then, like every connection, holds the lock shared while it
// lives. A connection that cannot get its shared lock within the wait goes
// on without it (it only means a later start may not clean up).
void Connection::takeStationLock(const std::filesystem::path& mainPath) {
    // A copy: the error as it was is put back once the locks are taken.
    const platform::ErrorState before =  // NOLINT(performance-unnecessary-copy-initialization)
        platform::lastError();
    std::unique_ptr<LockFile> alone;
    if (LockFile::acquire(mainPath.string(), LockFile::Mode::Exclusive, true, 0, &alone) == Ok) {
        Leftovers::clean(mainPath, ".");
        alone.reset();
    }
    LockFile::acquire(mainPath.string(), LockFile::Mode::Shared, true, kStationLockWaitSeconds,
                      &stationLock_);
    platform::setLastError(before.code, before.text, before.fileErrorCode, before.fileError);
}

Connection::~Connection() {
    for (PendingDetach& p : pending_)
        detachNow(p.schema);
    pending_.clear();
    sqlite3_close_v2(db_);
}

void Connection::setBusyTimeout(int milliseconds) {
    sqlite3_busy_timeout(db_, milliseconds);
}

int Connection::configureSchema(const std::string& schema) {
    const std::string s = sqlName(schema);
    int rc = exec(db_, "PRAGMA " + s + ".journal_mode = DELETE");
    if (rc == SQLITE_OK)
        rc = exec(db_, "PRAGMA " + s + ".synchronous = FULL");
    return rc;
}

int Connection::attach(const std::string& path, bool readOnly, std::string* schema) {
    // A reader takes a use of the file's writable attachment when there is
    // one (the table refuses its writes itself): SQLite holds few files per
    // connection, and the program's windows, reports and lookups open the
    // same six tables in both ways.
    auto it = attachments_.find("w:" + path);
    if (readOnly && it == attachments_.end())
        it = attachments_.find("r:" + path);
    if (it != attachments_.end()) {
        ++it->second.uses;
        *schema = it->second.schema;
        return Ok;
    }
    if (static_cast<int>(attachments_.size() + pending_.size()) >=
        sqlite3_limit(db_, SQLITE_LIMIT_ATTACHED, -1)) {
        return DriverError::fail(FileSystemError, "0", TooManyFiles);
    }
    const std::string id = (readOnly ? "r:" : "w:") + path;
    const std::string name = "t" + std::to_string(nextSchema_++);
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db_, ("ATTACH ?1 AS " + sqlName(name)).c_str(), -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        const std::string uri = uriOf(path, readOnly);
        sqlite3_bind_text(stmt, 1, uri.c_str(), -1, SQLITE_TRANSIENT);
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            rc = SQLITE_OK;
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_OK)
        return SqliteError::fail(db_, rc);
    if (rc = configureSchema(name); rc != SQLITE_OK) {
        const int code = SqliteError::fail(db_, rc);
        detachNow(name);
        return code;
    }
    attachments_[id] = {.schema = name, .uses = 1};
    *schema = name;
    return Ok;
}

void Connection::release(const std::string& schema, std::unique_ptr<LockFile> lock) {
    for (auto it = attachments_.begin(); it != attachments_.end(); ++it) {
        if (it->second.schema != schema)
            continue;
        if (--it->second.uses > 0)
            return;  // `lock` (this user's own) is dropped now
        attachments_.erase(it);
        if (inTransaction_) {
            pending_.push_back({.schema = schema, .lock = std::move(lock)});
        } else {
            detachNow(schema);
        }
        return;
    }
}

void Connection::detachNow(const std::string& schema) {
    exec(db_, "DETACH " + sqlName(schema));
}

void Connection::markForRebuild(const std::string& schema) {
    if (!inTransaction_) {
        TableMeta::setRebuildMark(db_, schema, true);
    } else if (std::find(pendingMarks_.begin(), pendingMarks_.end(), schema) ==
               pendingMarks_.end()) {
        pendingMarks_.push_back(schema);
    }
}

void Connection::transactionEnded() {
    inTransaction_ = false;
    nextIds_.clear();
    for (const std::string& schema : std::exchange(pendingMarks_, {}))
        TableMeta::setRebuildMark(db_, schema, true);  // before its file may be detached
    std::vector<PendingDetach> pending = std::move(pending_);
    pending_.clear();
    for (PendingDetach& p : pending)
        detachNow(p.schema);  // then each lock goes with `pending`
}

}  // namespace vorda::store
