// seed_agents COUNT: leaves COUNT agents (1 to 999) in Agentes.tps of the
// working directory, so that a script can page through a register larger
// than the list's page.
//
// Agent i (1-based) is stored as
//   NRO_AGENTE    the eight digits of 10000000 + i: "1/00.00.iii" (ordered by i)
//   NRO_CUIT      "20-10000iii-c" with its right check digit (ordered by i)
//   DENOMINACION  "<word> iii", the word chosen by i modulo 8 from
//                 Agro (0) Banco Cooperativa Mutual Seguros Sindicato
//                 Transporte Universidad (7), i in three digits
// and every other field blank. So the name order differs from the number
// order, and a quarter of the names begin with "S" ("Seguros", "Sindicato").
// Exit status 0 on success, 1 when a store fails, 2 on a wrong argument.
#include <charconv>
#include <iostream>
#include <string>
#include <string_view>

#include "data/agentes.h"
#include "data/dictionary.h"
#include "framework/errorclass.h"

namespace {

constexpr int MaxCount = 999;

// "##-########-#" for the prefix and the eight digits, with the check digit
// the CUIT check expects (weights 5 4 3 2 7 6 5 4 3 2; 11 - remainder, 9 for
// a remainder of 1).
std::string cuit(std::string_view prefix, std::string_view digits) {
    static constexpr int weights[] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    const std::string ten = std::string(prefix) + std::string(digits);
    int sum = 0;
    for (size_t k = 0; k < ten.size(); ++k)
        sum += (ten[k] - '0') * weights[k];
    const int rest = sum % 11;
    const int check = rest == 0 ? 0 : rest == 1 ? 9 : 11 - rest;
    return ten.substr(0, 2) + "-" + ten.substr(2) + "-" + std::to_string(check);
}

void fillAgent(int i) {
    static constexpr std::string_view words[] = {"Agro",       "Banco",      "Cooperativa",
                                                 "Mutual",     "Seguros",    "Sindicato",
                                                 "Transporte", "Universidad"};
    const std::string d = std::to_string(10000000 + i);
    const std::string n = std::to_string(1000 + i).substr(1);
    vorda::AGE.clear();
    vorda::AGE.NRO_AGENTE.set(d.substr(0, 1) + "/" + d.substr(1, 2) + "." + d.substr(3, 2) + "." +
                              d.substr(5));
    vorda::AGE.NRO_CUIT.set(cuit("20", d));
    vorda::AGE.DENOMINACION.set(std::string(words[i % 8]) + " " + n);
}

vorda::Level storeAgents(int count) {
    using namespace vorda;
    if (Relate::AGENTES->Open() != Benign)
        return Fatal;
    Level level = Benign;
    for (int i = 1; i <= count && level == Benign; ++i) {
        fillAgent(i);
        level = Access::AGENTES->Insert();
    }
    Relate::AGENTES->Close();
    return level;
}

}  // namespace

int main(int argc, char** argv) {
    int count = 0;
    const std::string_view arg = argc == 2 ? argv[1] : "";
    const auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), count);
    if (argc != 2 || ec != std::errc() || end != arg.data() + arg.size() || count < 1 ||
        count > MaxCount) {
        std::cerr << "usage: seed_agents COUNT (1 to 999)\n";
        return 2;
    }
    vorda::GlobalErrors().Init();
    vorda::DctInit();
    const vorda::Level level = storeAgents(count);
    vorda::DctKill();
    vorda::GlobalErrors().Kill();
    return level == vorda::Benign ? 0 : 1;
}
