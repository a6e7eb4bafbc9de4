// The platform's last error state and the Spanish texts of its codes.
#include "platform/process/errorstate.h"

#include <cerrno>
#include <utility>

namespace vorda::platform {

namespace {

struct CodeText {
    int code;
    const char* text;
};

constexpr CodeText kTexts[] = {
    {.code = 2, .text = "Archivo no encontrado"},
    {.code = 5, .text = "Acceso denegado"},
    {.code = 33, .text = "No hay más registros"},
    {.code = 35, .text = "Registro no encontrado"},
    {.code = 40, .text = "Clave duplicada"},
    {.code = 43, .text = "Registro retenido por otro usuario"},
    {.code = 46, .text = "Las claves deben ser reconstruidas"},
    {.code = 52, .text = "Archivo ya abierto"},
    {.code = 89, .text = "Registro modificado por otra estación"},
    {.code = 90, .text = "Error del sistema de archivos"},
};

ErrorState& state() {
    thread_local ErrorState s;
    return s;
}

}  // namespace

const ErrorState& lastError() {
    return state();
}

void setLastError(int code, std::string text, std::string fileErrorCode, std::string fileError) {
    ErrorState& s = state();
    s.code = code;
    s.text = text.empty() ? errorText(code) : std::move(text);
    s.fileErrorCode = std::move(fileErrorCode);
    s.fileError = std::move(fileError);
}

void clearLastError() {
    state() = ErrorState();
}

std::string errorText(int code) {
    for (const CodeText& t : kTexts)
        if (t.code == code)
            return t.text;
    return {};
}

std::string lastErrorText() {
    const ErrorState& e = state();
    if (e.code == 90)
        return e.fileError + " (" + e.fileErrorCode + ")";
    return e.text + " (" + std::to_string(e.code) + ")";
}

std::string systemErrorText(int err) {
    struct Known {
        int err;
        const char* text;
    };
    static constexpr Known kSystemTexts[] = {
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
    for (const Known& k : kSystemTexts) {
        if (k.err == err)
            return std::string(k.text) + " (" + std::to_string(err) + ")";
    }
    return "error del sistema (" + std::to_string(err) + ")";
}

}  // namespace vorda::platform
