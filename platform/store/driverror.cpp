#include "platform/store/driverror.h"

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

int DriverError::system(int code, int err, const std::string& what) {
    return fail(code, std::to_string(err), (what.empty() ? "" : what + ": ") + systemText(err));
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
