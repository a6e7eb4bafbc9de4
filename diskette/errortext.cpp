// Error texts of the diskette writer (contract in errortext.h).
#include "diskette/errortext.h"

#include <cerrno>

namespace vorda {

std::string systemErrorText(int err) {
    struct Known {
        int err;
        const char* text;
    };
    static constexpr Known kTexts[] = {
        {ENOENT, "no existe la carpeta o el archivo"},
        {ENOTDIR, "no es una carpeta"},
        {EACCES, "permiso denegado"},
        {EPERM, "operación no permitida"},
        {EROFS, "el medio es de sólo lectura"},
        {ENOSPC, "no queda espacio en el medio"},
        {EDQUOT, "se excedió la cuota de disco"},
        {EFBIG, "el archivo excede el tamaño permitido"},
        {EIO, "error de lectura o escritura en el medio"},
        {ENODEV, "no hay un medio en la unidad"},
        {ENXIO, "no hay un medio en la unidad"},
        {EBUSY, "el medio está ocupado"},
        {EISDIR, "es una carpeta"},
        {ENAMETOOLONG, "el nombre es demasiado largo"},
    };
    for (const Known& k : kTexts) {
        if (k.err == err)
            return std::string(k.text) + " (" + std::to_string(err) + ")";
    }
    return "error del sistema (" + std::to_string(err) + ")";
}

}  // namespace vorda
