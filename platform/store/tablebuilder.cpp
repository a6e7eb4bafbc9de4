#include "platform/store/tablebuilder.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/store/codes.h"
#include "platform/store/driverror.h"
#include "platform/store/sqliteerror.h"
#include "platform/store/statement.h"
#include "platform/store/tablemeta.h"

namespace vorda::store {
namespace {

// A standalone connection on one file, closed when it goes out of scope.
class OwnConnection {
public:
    OwnConnection(const std::string& path, int flags) {
        rc_ = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
        if (rc_ == SQLITE_OK) {
            sqlite3_extended_result_codes(db_, 1);
            sqlite3_busy_timeout(db_, 10000);
            rc_ = exec("PRAGMA journal_mode = DELETE; PRAGMA synchronous = FULL");
        }
    }
    ~OwnConnection() { sqlite3_close_v2(db_); }
    OwnConnection(const OwnConnection&) = delete;
    OwnConnection& operator=(const OwnConnection&) = delete;

    sqlite3* db() const { return db_; }
    int rc() const { return rc_; }
    int exec(const std::string& sql) {
        return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
    }
    // A damaged file that even the rebuild cannot read is a file-system error.
    int fail(int rc) const {
        if (SqliteError::isCorrupt(rc))
            return SqliteError::record(FileSystemError, rc);
        return SqliteError::fail(db_, rc);
    }

private:
    sqlite3* db_ = nullptr;
    int rc_ = SQLITE_OK;
};

constexpr int kCreateFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;

int systemFailure(const std::string& what) {
    return DriverError::system(FileSystemError, errno, what);
}

// Makes a rename in `dir` durable.
void syncDirectory(const std::string& path) {
    const auto dir = std::filesystem::path(path).parent_path();
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The rows of quick_check: "ok" alone when the b-trees are sound.
int quickCheck(sqlite3* db, bool* sound) {
    Statement stmt;
    int rc = stmt.prepare(db, "PRAGMA quick_check", false);
    *sound = true;
    while (rc == SQLITE_OK && (rc = stmt.step()) == SQLITE_ROW) {
        if (stmt.textAt(0) != "ok")
            *sound = false;
        rc = SQLITE_OK;
    }
    if (SqliteError::isCorrupt(rc) || (rc & 0xff) == SQLITE_NOTADB) {
        *sound = false;
        return SQLITE_OK;
    }
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

// Attaches `path` as schema `old`; SQLite rc.
int attachOld(sqlite3* db, const std::string& path) {
    Statement attach;
    int rc = attach.prepare(db, "ATTACH ?1 AS old", false);
    if (rc != SQLITE_OK)
        return rc;
    attach.bindText(1, path);
    rc = attach.step();
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace

int TableBuilder::create(const std::string& path, std::string_view owner) const {
    const std::string fresh = path + ".new";
    std::remove(fresh.c_str());
    if (int code = writeFresh(fresh, owner); code != Ok) {
        std::remove(fresh.c_str());
        return code;
    }
    return replace(fresh, path);
}

int TableBuilder::writeFresh(const std::string& path, std::string_view owner) const {
    OwnConnection conn(path, kCreateFlags);
    if (conn.rc() != SQLITE_OK)
        return conn.fail(conn.rc());
    int rc = conn.exec("BEGIN");
    for (const std::string& sql : layout_.createStatements("main")) {
        if (rc == SQLITE_OK)
            rc = conn.exec(sql);
    }
    for (const std::string& sql : TableMeta::createStatements("main")) {
        if (rc == SQLITE_OK)
            rc = conn.exec(sql);
    }
    if (rc == SQLITE_OK)
        rc = TableMeta::write(conn.db(), "main", layout_.signature(), owner);
    if (rc == SQLITE_OK)
        rc = conn.exec("COMMIT");
    return rc == SQLITE_OK ? Ok : conn.fail(rc);
}

// Drops a stale journal of the file being replaced (it belongs to the old
// image and must never be played back into the new one), then renames.
int TableBuilder::replace(const std::string& fresh, const std::string& path) const {
    std::remove((path + "-journal").c_str());
    if (std::rename(fresh.c_str(), path.c_str()) != 0) {
        const int code = systemFailure(path);
        std::remove(fresh.c_str());
        return code;
    }
    syncDirectory(path);
    return Ok;
}

int TableBuilder::rebuildKeys(const std::string& path, std::string_view owner) const {
    bool damaged = false;
    {
        OwnConnection conn(path, SQLITE_OPEN_READWRITE);
        if (conn.rc() != SQLITE_OK && !SqliteError::isCorrupt(conn.rc()))
            return conn.fail(conn.rc());
        const int code = TableMeta::check(conn.db(), "main", layout_.signature(), owner);
        if (code != Ok && code != KeysNeedRebuild)
            return code;
        if (int rc = reindexInPlace(conn.db(), &damaged); rc != SQLITE_OK)
            return conn.fail(rc);
    }
    if (!damaged)
        return Ok;
    const std::string fresh = path + ".rebuild";
    std::remove(fresh.c_str());
    int code = writeFresh(fresh, owner);
    if (code == Ok)
        code = copyInto(path, fresh);
    if (code != Ok) {
        std::remove(fresh.c_str());
        return code;
    }
    return replace(fresh, path);
}

// REINDEX when the b-trees are sound; `damaged` tells the caller to copy.
int TableBuilder::reindexInPlace(sqlite3* db, bool* damaged) const {
    bool sound = false;
    if (int rc = quickCheck(db, &sound); rc != SQLITE_OK)
        return rc;
    if (!sound) {
        *damaged = true;
        return SQLITE_OK;
    }
    int rc = sqlite3_exec(db, ("REINDEX " + sqlName(layout_.desc().name)).c_str(), nullptr, nullptr,
                          nullptr);
    if (SqliteError::isCorrupt(rc)) {
        *damaged = true;
        return SQLITE_OK;
    }
    if (rc == SQLITE_OK)
        rc = TableMeta::setRebuildMark(db, "main", false);
    return rc;
}

// Statements that copy rows, meta entries (the owner verifier among them) and
// the id sequence from schema `old` into main, in one transaction. The old
// table is read without any of its indexes.
std::vector<std::string> TableBuilder::copyStatements() const {
    const std::string table = sqlName(layout_.desc().name);
    const std::string name = "'" + std::string(layout_.desc().name) + "'";
    const std::string sequence = "main.sqlite_sequence WHERE name = " + name;
    if (layout_.clustered()) {
        return {
            "BEGIN",
            // The WHERE keeps SQLite from copying the old b-trees page by
            // page, damaged indexes included: rows are read one by one.
            "INSERT INTO main." + table + " SELECT * FROM old." + table + " NOT INDEXED WHERE 1",
            "DELETE FROM main.vorda_meta",
            "INSERT INTO main.vorda_meta SELECT * FROM old.vorda_meta WHERE name <> 'rebuild'",
            "INSERT INTO main.vorda_meta VALUES ('rebuild', '0')",
            std::string("UPDATE main.vorda_sequence SET seq = max(seq, coalesce((SELECT ") +
                "max(seq) FROM old.vorda_sequence), 0))",
            "COMMIT",
        };
    }
    return {
        "BEGIN",
        "INSERT INTO main." + table + " SELECT * FROM old." + table + " NOT INDEXED ORDER BY id",
        "DELETE FROM main.vorda_meta",
        "INSERT INTO main.vorda_meta SELECT * FROM old.vorda_meta WHERE name <> 'rebuild'",
        "INSERT INTO main.vorda_meta VALUES ('rebuild', '0')",
        "INSERT INTO main.sqlite_sequence(name, seq) SELECT " + name +
            ", 0 WHERE NOT EXISTS (SELECT 1 FROM " + sequence + ")",
        "UPDATE main.sqlite_sequence SET seq = max(seq, coalesce((SELECT seq FROM "
        "old.sqlite_sequence WHERE name = " +
            name + "), 0)) WHERE name = " + name,
        "COMMIT",
    };
}

// Copies the damaged file `from` into the fresh file `to`.
int TableBuilder::copyInto(const std::string& from, const std::string& to) const {
    OwnConnection conn(to, SQLITE_OPEN_READWRITE);
    if (conn.rc() != SQLITE_OK)
        return conn.fail(conn.rc());
    int rc = attachOld(conn.db(), from);
    for (const std::string& sql : copyStatements()) {
        if (rc == SQLITE_OK)
            rc = conn.exec(sql);
    }
    if (rc != SQLITE_OK) {
        const int code = conn.fail(rc);
        conn.exec("ROLLBACK");
        return code;
    }
    conn.exec("DETACH old");
    return Ok;
}

}  // namespace vorda::store
