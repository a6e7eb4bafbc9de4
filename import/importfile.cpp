// The checks before an import reads its file (contract in importfile.h).
#include "import/importfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "data/ddjj.h"
#include "data/owners.h"
#include "platform/process/errorstate.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"

namespace vorda::import {

namespace {

constexpr int ReadShared = 0x40;

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

std::string declarationProblem(std::string_view key) {
    if (isBlank(key))
        return "NO HAY UNA DECLARACION JURADA ELEGIDA: NO SE REALIZO LA CARGA";
    Ddjj declaration;
    std::unique_ptr<store::File> table = store::makeKeyedTable(Ddjj::desc(), &declaration);
    table->setOwner(TABLE_OWNER);
    int code = table->open(ReadShared);
    if (code == store::Ok) {
        declaration.AGENTE_PERIODO.setRaw(key);
        code = table->get(Ddjj::DDJJ);
    }
    if (code == store::Ok)
        return {};
    if (code == store::RecordNotFound || code == store::FileNotFound)
        return "LA DECLARACION JURADA YA NO EXISTE: NO SE REALIZO LA CARGA";
    return "Error en las declaraciones juradas " + platform::lastErrorText();
}

std::string importFileProblem(const std::string& name) {
    if (isBlank(name))
        return "INDIQUE EL NOMBRE DEL ARCHIVO A IMPORTAR";
    struct stat st {};
    if (::stat(name.c_str(), &st) != 0) {
        return errno == ENOENT ? "NO EXISTE EL ARCHIVO " + name
                               : "NO SE PUEDE LEER EL ARCHIVO " + name + ": " +
                                     platform::systemErrorText(errno);
    }
    if (S_ISDIR(st.st_mode))
        return "EL NOMBRE " + name + " ES EL DE UNA CARPETA, NO EL DE UN ARCHIVO";
    const int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return "NO SE PUEDE LEER EL ARCHIVO " + name + ": " + platform::systemErrorText(errno);
    ::close(fd);
    return {};
}

}  // namespace vorda::import
