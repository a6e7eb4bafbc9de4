#include "data/globals.h"

#include "data/agentes.h"
#include "data/alicuotas.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/ddjj_a_presentar.h"
#include "data/ddjj_mensual.h"

namespace vorda {

namespace {
constexpr const char* DEFAULT_MENSUAL = "DJ_MENS.TXT";
}

DeclarationKey AGENTE_PERIODO;
std::string ARCHIVO_DDJJ_MENSUAL{DEFAULT_MENSUAL};
FixedText<20> ARCHIVO_DDJJ_A_PRESENTAR;

void ClearDataGlobals() {
    AGENTE_PERIODO.clear();
    ARCHIVO_DDJJ_MENSUAL = DEFAULT_MENSUAL;
    ARCHIVO_DDJJ_A_PRESENTAR.clear();
    AGE.clear();
    DDJ.clear();
    A1.clear();
    A2.clear();
    A3.clear();
    ALI.clear();
    DJM.clear();
    DJP.clear();
}

}  // namespace vorda
