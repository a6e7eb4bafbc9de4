// The defaults of the driver file interface.
#include "platform/store/file.h"

#include "platform/store/driverror.h"

namespace vorda::store {

int File::eraseEqual(int, int64_t& erased) {
    erased = 0;
    return DriverError::fileSystem("Borrado por clave no disponible para este archivo");
}

}  // namespace vorda::store
