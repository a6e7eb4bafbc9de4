#include "platform/store/tablemeta.h"

#include <sqlite3.h>

#include <map>
#include <random>

#include "platform/store/codes.h"
#include "platform/store/driverror.h"
#include "platform/store/sha256.h"
#include "platform/store/sqliteerror.h"
#include "platform/store/statement.h"
#include "platform/store/tablelayout.h"

namespace vorda::store {
namespace {

std::string metaTable(const std::string& schema) {
    return sqlName(schema) + ".vorda_meta";
}

// Reads every meta entry; SQLite rc (the meta table missing is an error).
int readAll(sqlite3* db, const std::string& schema, std::map<std::string, std::string>* out) {
    Statement stmt;
    int rc = stmt.prepare(db, "SELECT name, value FROM " + metaTable(schema), false);
    while (rc == SQLITE_OK && (rc = stmt.step()) == SQLITE_ROW) {
        (*out)[std::string(stmt.textAt(0))] = std::string(stmt.textAt(1));
        rc = SQLITE_OK;
    }
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace

std::vector<std::string> TableMeta::createStatements(const std::string& schema) {
    return {"CREATE TABLE " + metaTable(schema) + "(name TEXT PRIMARY KEY, value TEXT NOT NULL)"};
}

std::string TableMeta::newSalt() {
    std::random_device random;
    static const char* digits = "0123456789abcdef";
    std::string salt;
    for (int i = 0; i < 32; ++i)
        salt += digits[random() & 0xf];
    return salt;
}

std::string TableMeta::verifier(std::string_view owner, const std::string& salt) {
    return salt + ":" + Sha256::hex(salt + std::string(owner));
}

int TableMeta::put(sqlite3* db, const std::string& schema, const char* name,
                   const std::string& value) {
    Statement stmt;
    int rc =
        stmt.prepare(db, "INSERT OR REPLACE INTO " + metaTable(schema) + " VALUES (?1, ?2)", false);
    if (rc != SQLITE_OK)
        return rc;
    stmt.bindText(1, name);
    stmt.bindText(2, value);
    rc = stmt.step();
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int TableMeta::write(sqlite3* db, const std::string& schema, const std::string& signature,
                     std::string_view owner) {
    int rc = put(db, schema, "layout", signature);
    if (rc == SQLITE_OK)
        rc = put(db, schema, "owner", verifier(owner, newSalt()));
    if (rc == SQLITE_OK)
        rc = put(db, schema, "rebuild", "0");
    return rc;
}

int TableMeta::setRebuildMark(sqlite3* db, const std::string& schema, bool on) {
    return put(db, schema, "rebuild", on ? "1" : "0");
}

int TableMeta::check(sqlite3* db, const std::string& schema, const std::string& signature,
                     std::string_view owner) {
    std::map<std::string, std::string> meta;
    if (int rc = readAll(db, schema, &meta); rc != SQLITE_OK) {
        if ((rc & 0xff) == SQLITE_ERROR) {
            return DriverError::fail(FileSystemError, std::to_string(rc),
                                     "El archivo no es una tabla de VORDA");
        }
        return SqliteError::fail(db, rc);
    }
    if (meta["layout"] != signature) {
        return DriverError::fileSystem("El archivo tiene otro diseño de registro");
    }
    const std::string& stored = meta["owner"];
    const size_t colon = stored.find(':');
    if (colon == std::string::npos || verifier(owner, stored.substr(0, colon)) != stored) {
        return DriverError::fail(AccessDenied, "0", "Contraseña de propietario inválida");
    }
    if (meta["rebuild"] == "1")
        return DriverError::fail(KeysNeedRebuild);
    return Ok;
}

}  // namespace vorda::store
