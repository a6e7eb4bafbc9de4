#include "platform/store/driverror.h"

#include <sqlite3.h>

#include <cerrno>
#include <map>

#include "platform/process/errorstate.h"
#include "platform/store/codes.h"

namespace vorda::store {

int DriverError::fail(int code) {
    platform::setLastError(code, platform::errorText(code));
    return code;
}

int DriverError::fail(int code, std::string driverCode, std::string driverText) {
    platform::setLastError(code, platform::errorText(code), std::move(driverCode),
                           std::move(driverText));
    return code;
}

int DriverError::fileSystem(std::string text) {
    return fail(FileSystemError, "0", std::move(text));
}

bool DriverError::isCorrupt(int rc) {
    return (rc & 0xff) == SQLITE_CORRUPT;
}

int DriverError::sqlite(int code, int rc) {
    return fail(code, std::to_string(rc), sqliteText(rc));
}

int DriverError::system(int code, int err, const std::string& what) {
    return fail(code, std::to_string(err), (what.empty() ? "" : what + ": ") + systemText(err));
}

int DriverError::fromSqlite(sqlite3*, int rc) {
    const int primary = rc & 0xff;
    if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY)
        return sqlite(DuplicateKey, rc);
    if (primary == SQLITE_CORRUPT)
        return sqlite(KeysNeedRebuild, rc);
    if (primary == SQLITE_READONLY)
        return sqlite(AccessDenied, rc);
    return sqlite(FileSystemError, rc);
}

std::string DriverError::sqliteText(int rc) {
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

std::string DriverError::systemText(int err) {
    static const std::map<int, const char*> texts = {
        {ENOENT, "El archivo o la carpeta no existe"},
        {EACCES, "Permiso denegado sobre el archivo"},
        {EPERM, "Permiso denegado sobre el archivo"},
        {EROFS, "El disco del archivo es de sólo lectura"},
        {ENOSPC, "El disco del archivo está lleno"},
        {EDQUOT, "Se agotó el espacio permitido en el disco del archivo"},
        {EFBIG, "El archivo es demasiado grande"},
        {EIO, "Error de lectura o escritura del archivo"},
        {EISDIR, "Es una carpeta, no un archivo"},
        {ENOTDIR, "Una parte del camino del archivo no es una carpeta"},
        {ENAMETOOLONG, "El nombre del archivo es demasiado largo"},
        {ELOOP, "El camino del archivo tiene demasiados enlaces"},
        {EMFILE, "Hay demasiados archivos abiertos"},
        {ENFILE, "Hay demasiados archivos abiertos"},
        {EWOULDBLOCK, "El archivo está en uso por otra estación"},
        {EBUSY, "El archivo está en uso"},
        {ENOLCK, "No se pudo bloquear el archivo"},
        {EEXIST, "El archivo ya existe"},
        {EXDEV, "No se puede mover el archivo a otro disco"},
        {ENOMEM, "Memoria insuficiente para usar el archivo"},
    };
    const auto it = texts.find(err);
    return it != texts.end() ? it->second : "Error del sistema de archivos";
}

}  // namespace vorda::store
