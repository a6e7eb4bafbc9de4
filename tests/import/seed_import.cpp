// seed_import: leaves in the working directory the agent 1/23.45.678, its
// declaration of March 2001 (presentation 00) and the import files the UI
// scripts of the annex imports read:
//
//   valor_50000.txt      one type-5 record of value 50000.00
//   valor_50000_01.txt   the same record of value 50000.01
//   incisos_malos.txt    records with the incisos B, a, h, m, n, then b
//   inciso_b.txt         one record with the inciso b
//   fecha_1998.txt       a document dated 15/07/1998
//   fecha_1999.txt       a document dated 01/01/1999
//   tipo6_linea3.txt     five records: the third of type 6, the fifth with
//                        the inciso a
//   dos_invalidos.txt    four records: the second and the fourth invalid
//   tres_lineas.txt      three valid type-5 records
//   quince_malos.txt     fifteen records with the inciso a
//   vacio.txt            an empty file
//   carpeta.txt          a folder
//   anexoiii_cero.txt    one type-6 record of value 0.00
//   anexoiii_centavo.txt one type-6 record of value 0.01, exempting law blank
// Exit status 0 on success.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "data/agentes.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/exchangelayout.h"
#include "framework/errorclass.h"

namespace {

using namespace vorda;

std::string tipo5(std::string_view inciso, std::string_view date, std::string_view value,
                  int order) {
    AnexoII a;
    a.DOCUMENTO.set("PAGARE");
    a.INCISO.set(inciso);
    a.FECHA_DOCUMENTO = *Date::parse("05/03/2001");
    a.CONTRATANTE.set("Comercial " + std::to_string(order));
    a.CUIT.set("20-12345678-6");
    a.NRO_ORDEN = order;
    a.VALOR = *Decimal::parse(value);
    a.ALICUOTA = *Decimal::parse("1");
    a.IMPUESTO = a.VALOR.percentOf(a.ALICUOTA);
    a.FECHA_REGISTRO = *Date::parse("06/03/2001");
    std::string r = exchange::buildTipo5(a).text;
    r.replace(17, 10, date);  // the document date as written, even a wrong one
    return r;
}

std::string tipo5(int order) {
    return tipo5("b", "05/03/2001", "60000", order);
}

std::string tipo6(std::string_view value, std::string_view law) {
    AnexoIII a;
    a.DOCUMENTO.set("CONTRATO");
    a.FECHA_DOCUMENTO = *Date::parse("05/03/2001");
    a.CONTRATANTE.set("Municipalidad");
    a.NRO_CUIT.set("30-50000000-3");
    a.NRO_ORDEN = 1;
    a.VALOR = *Decimal::parse(value);
    a.FECHA_REGISTRO = *Date::parse("06/03/2001");
    a.LEY_DECRETO.set(law);
    return exchange::buildTipo6(a).text;
}

void file(const char* name, const std::vector<std::string>& records) {
    std::ofstream out(name, std::ios::binary);
    for (const std::string& r : records)
        out << r << "\r\n";
}

void writeFiles() {
    file("valor_50000.txt", {tipo5("b", "05/03/2001", "50000.00", 1)});
    file("valor_50000_01.txt", {tipo5("b", "05/03/2001", "50000.01", 1)});
    std::vector<std::string> incisos;
    int order = 0;
    for (const char* inciso : {"B", "a", "h", "m", "n", "b"})
        incisos.push_back(tipo5(inciso, "05/03/2001", "60000", ++order));
    file("incisos_malos.txt", incisos);
    file("inciso_b.txt", {tipo5(1)});
    file("fecha_1998.txt", {tipo5("b", "15/07/1998", "60000", 1)});
    file("fecha_1999.txt", {tipo5("b", "01/01/1999", "60000", 1)});
    std::string six = tipo5(3);
    six[0] = '6';
    file("tipo6_linea3.txt",
         {tipo5(1), tipo5(2), six, tipo5(4), tipo5("a", "05/03/2001", "60000", 5)});
    file("dos_invalidos.txt", {tipo5(1), tipo5("b", "31/02/2001", "60000", 2), tipo5(3),
                               tipo5("b", "05/03/2001", "49999.99", 4)});
    file("tres_lineas.txt", {tipo5(1), tipo5(2), tipo5(3)});
    std::vector<std::string> fifteen;
    for (int i = 1; i <= 15; ++i)
        fifteen.push_back(tipo5("a", "05/03/2001", "60000", i));
    file("quince_malos.txt", fifteen);
    file("vacio.txt", {});
    std::filesystem::create_directory("carpeta.txt");
    file("anexoiii_cero.txt", {tipo6("0.00", "Ley 5121")});
    file("anexoiii_centavo.txt", {tipo6("0.01", "")});
}

Level storeDeclaration() {
    if (Relate::DDJJ->Open() != Benign)
        return Fatal;
    AGE.clear();
    AGE.NRO_AGENTE.set("1/23.45.678");
    AGE.NRO_CUIT.set("20-12345678-6");
    AGE.DENOMINACION.set("Banco del Vespra");
    Level level = Access::AGENTES->Insert();
    DDJ.clear();
    DDJ.AGENTE_PERIODO.set(
        "1/23.45.678200103"
        "00");
    if (level == Benign)
        level = Access::DDJJ->Insert();
    Relate::DDJJ->Close();
    return level;
}

}  // namespace

int main() {
    writeFiles();
    GlobalErrors().Init();
    DctInit();
    const Level level = storeDeclaration();
    DctKill();
    GlobalErrors().Kill();
    return level == Benign ? 0 : 1;
}
