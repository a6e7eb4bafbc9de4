#include "declarations/procedure_hooks.h"

namespace vorda {

DeclarationProcedures& declarationProcedures() {
    static DeclarationProcedures procedures;
    return procedures;
}

void runProcedure(const std::function<void()>& hook) {
    if (hook)
        hook();
}

}  // namespace vorda
