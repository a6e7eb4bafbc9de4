// The diskette writer's connections (see diskette_hooks.h).
#include "diskette/diskette_hooks.h"

namespace vorda {

std::function<void()> ImprimirDeclaracion;
INIClass* DisketteSettings = nullptr;

}  // namespace vorda
