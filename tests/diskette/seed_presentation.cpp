// seed_presentation LINES: leaves in the working directory the agent
// 1/23.45.678, its declaration of March 2001 (presentation 00) with its
// Annex I and LINES Annex II lines, the drive folders unidad_a and unidad_b
// and a vorda.INI whose [Unidades] names them. Exit status 0 on success.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "data/agentes.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "framework/errorclass.h"

namespace {

using namespace vorda;

constexpr const char* Key =
    "1/23.45.678200103"
    "00";

Level storeDeclaration(int lines) {
    if (Relate::DDJJ->Open() != Benign)
        return Fatal;
    AGE.clear();
    AGE.NRO_AGENTE.set("1/23.45.678");
    AGE.NRO_CUIT.set("20-12345678-6");
    AGE.DENOMINACION.set("Banco del Vespra");
    Level level = Access::AGENTES->Insert();
    DDJ.clear();
    DDJ.AGENTE_PERIODO.set(Key);
    DDJ.INCISO_H = Decimal::fromInteger(7);
    if (level == Benign)
        level = Access::DDJJ->Insert();
    A1.clear();
    A1.AGENTE_PERIODO.set(Key);
    A1.TARJETA_8 = Decimal::fromInteger(7);
    if (level == Benign)
        level = Access::ANEXOI->Insert();
    for (int i = 1; i <= lines && level == Benign; ++i) {
        A2.clear();
        A2.AGENTE_PERIODO.set(Key);
        A2.INCISO.set("b");
        A2.NRO_ORDEN = i;
        A2.VALOR = Decimal::fromInteger(50000 + i);
        level = Access::ANEXOII->Insert();
    }
    Relate::DDJJ->Close();
    return level;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: seed_presentation LINES\n";
        return 2;
    }
    std::filesystem::create_directory("unidad_a");
    std::filesystem::create_directory("unidad_b");
    std::ofstream("vorda.INI") << "[Unidades]\r\nA=unidad_a\r\nB=unidad_b\r\n";
    GlobalErrors().Init();
    DctInit();
    const Level level = storeDeclaration(std::stoi(argv[1]));
    DctKill();
    GlobalErrors().Kill();
    return level == Benign ? 0 : 1;
}
