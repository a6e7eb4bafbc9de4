#include "platform/store/sqliteerror.h"

#include <sqlite3.h>

#include <map>
#include <string>

#include "platform/store/codes.h"
#include "platform/store/driverror.h"

namespace vorda::store {

bool SqliteError::isCorrupt(int rc) {
    return (rc & 0xff) == SQLITE_CORRUPT;
}

int SqliteError::record(int code, int rc) {
    return DriverError::fail(code, std::to_string(rc), text(rc));
}

int SqliteError::fail(sqlite3*, int rc) {
    const int primary = rc & 0xff;
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
        return record(DuplicateKey, rc);
    if (primary == SQLITE_CORRUPT)
        return record(KeysNeedRebuild, rc);
    if (primary == SQLITE_READONLY)
        return record(AccessDenied, rc);
    return record(FileSystemError, rc);
}

std::string SqliteError::text(int rc) {
    static const std::map<int, const char*> texts = {
        {SQLITE_ERROR, "El archivo no tiene la estructura de la tabla"},
        {SQLITE_PERM, "Permiso denegado sobre el archivo"},
        {SQLITE_ABORT, "Operación anulada sobre el archivo"},
        {SQLITE_BUSY, "El archivo está en uso por otra estación"},
        {SQLITE_LOCKED, "El archivo está bloqueado por otra operación"},
        {SQLITE_NOMEM, "Memoria insuficiente para usar el archivo"},
        {SQLITE_READONLY, "El archivo es de sólo lectura"},
        {SQLITE_INTERRUPT, "Operación interrumpida sobre el archivo"},
        {SQLITE_IOERR, "Error de lectura o escritura del archivo"},
        {SQLITE_CORRUPT, "El archivo está dañado"},
        {SQLITE_FULL, "El disco del archivo está lleno"},
        {SQLITE_CANTOPEN, "No se pudo abrir el archivo"},
        {SQLITE_PROTOCOL, "No se pudo bloquear el archivo"},
        {SQLITE_SCHEMA, "La estructura del archivo cambió durante la operación"},
        {SQLITE_TOOBIG, "El registro es demasiado grande para el archivo"},
        {SQLITE_CONSTRAINT, "El registro no cumple una restricción del archivo"},
        {SQLITE_MISMATCH, "Un valor no corresponde al tipo de su campo en el archivo"},
        {SQLITE_NOLFS, "El archivo es demasiado grande para este sistema"},
        {SQLITE_AUTH, "Permiso denegado sobre el archivo"},
        {SQLITE_NOTADB, "El archivo no es una tabla de VORDA o está dañado"},
    };
    const auto it = texts.find(rc & 0xff);
    return it != texts.end() ? it->second : "Error del controlador de archivos";
}

}  // namespace vorda::store
