// seed_declarations FILE: fills the working directory's tables from the
// commands of FILE, one a line ('#' starts a comment):
//
//   rates PATH                      Alicuotas.tps from the rates text PATH
//                                   (relative to FILE's folder)
//   agent NUMBER CUIT NAME...       an agent; CUIT "-" for none
//   declaration AGENT YEAR MONTH PRESENTATION
//   annexII AGENT YEAR MONTH PRESENTATION COUNT
//                                   COUNT lines of inciso "b" dated
//                                   15/03/2001, value 100000.00 + order,
//                                   rate 1.20, order numbers 1..COUNT
//   annexIII AGENT YEAR MONTH PRESENTATION COUNT
//                                   COUNT lines, value 1000.00 x order
//   annexI AGENT YEAR MONTH PRESENTATION AMOUNT
//                                   the Annex I record, AMOUNT for Cabal
//
// Every record goes through the table managers, so it passes the tables'
// rules. Exit status 0 on success, 1 when a command fails, 2 on wrong usage.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "data/agentes.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/tools/alicuotasbuild.h"
#include "framework/errorclass.h"

namespace {

using namespace vorda;
using Words = std::vector<std::string>;

bool buildRates(const std::filesystem::path& source) {
    std::ifstream in(source);
    std::vector<alicuotas_build::RateRow> rows;
    std::string error;
    if (in && alicuotas_build::parseAlicuotas(in, source.string(), rows, error) &&
        alicuotas_build::writeAlicuotas(rows, "Alicuotas.tps", error))
        return true;
    std::cerr << source << ": " << error << "\n";
    return false;
}

bool addAgent(const Words& w) {
    AGE.clear();
    AGE.NRO_AGENTE.set(w[1]);
    if (w[2] != "-")
        AGE.NRO_CUIT.set(w[2]);
    std::string name;
    for (size_t i = 3; i < w.size(); ++i)
        name += (i > 3 ? " " : "") + w[i];
    AGE.DENOMINACION.set(name);
    return Access::AGENTES->Insert() == Benign;
}

void setKey(DeclarationKey& key, const Words& w) {
    key.NRO_AGENTE().set(w[1]);
    key.AÑO().set(w[2]);
    key.MES().set(w[3]);
    key.PRESENTACION().set(w[4]);
}

bool addDeclaration(const Words& w) {
    DDJ.clear();
    setKey(DDJ.AGENTE_PERIODO, w);
    return Access::DDJJ->Insert() == Benign;
}

bool addAnnexII(const Words& w) {
    const int count = std::stoi(w[5]);
    for (int order = 1; order <= count; ++order) {
        A2.clear();
        setKey(A2.AGENTE_PERIODO, w);
        A2.DOCUMENTO.set("Pagaré");
        A2.INCISO.set("b");
        A2.FECHA_DOCUMENTO = *Date::fromYmd(2001, 3, 15);
        A2.CONTRATANTE.set("Contratante " + std::to_string(order));
        A2.NRO_ORDEN = order;
        A2.VALOR = Decimal::fromInteger(100000 + order);
        A2.ALICUOTA = Decimal::fromHundredths(120);
        A2.IMPUESTO = A2.VALOR.percentOf(A2.ALICUOTA);
        if (Access::ANEXOII->Insert() != Benign)
            return false;
    }
    return true;
}

bool addAnnexIII(const Words& w) {
    const int count = std::stoi(w[5]);
    for (int order = 1; order <= count; ++order) {
        A3.clear();
        setKey(A3.AGENTE_PERIODO, w);
        A3.DOCUMENTO.set("Contrato");
        A3.FECHA_DOCUMENTO = *Date::fromYmd(2001, 3, 20);
        A3.CONTRATANTE.set("Exento " + std::to_string(order));
        A3.NRO_ORDEN = order;
        A3.VALOR = Decimal::fromInteger(int64_t{1000} * order);
        A3.LEY_DECRETO.set("Ley 1234");
        if (Access::ANEXOIII->Insert() != Benign)
            return false;
    }
    return true;
}

bool addAnnexI(const Words& w) {
    A1.clear();
    setKey(A1.AGENTE_PERIODO, w);
    A1.TARJETA_1 = Decimal::parse(w[5]).value_or(Decimal{});
    return Access::ANEXOI->Insert() == Benign;
}

bool run(const Words& w, const std::filesystem::path& folder) {
    if (w[0] == "rates" && w.size() == 2)
        return buildRates(folder / w[1]);
    if (w[0] == "agent" && w.size() >= 4)
        return addAgent(w);
    if (w[0] == "declaration" && w.size() == 5)
        return addDeclaration(w);
    if (w[0] == "annexII" && w.size() == 6)
        return addAnnexII(w);
    if (w[0] == "annexIII" && w.size() == 6)
        return addAnnexIII(w);
    if (w[0] == "annexI" && w.size() == 6)
        return addAnnexI(w);
    std::cerr << "unknown command: " << w[0] << "\n";
    return false;
}

bool seed(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) {
        std::cerr << file << ": cannot read the file\n";
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line.substr(0, line.find('#')));
        Words w;
        for (std::string word; words >> word;)
            w.push_back(word);
        if (!w.empty() && !run(w, file.parent_path()))
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: seed_declarations FILE\n";
        return 2;
    }
    GlobalErrors().Init();
    DctInit();
    bool ok = Relate::DDJJ->Open() == Benign;
    ok = ok && seed(argv[1]);
    Relate::DDJJ->Close();
    DctKill();
    GlobalErrors().Kill();
    return ok ? 0 : 1;
}
