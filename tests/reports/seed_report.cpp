// seed_report: puts agents, declarations and annex lines into the tables of
// the working directory, for the report scripts. Commands are separated by
// a lone ",":
//
//   agent NRO [EMAIL]                      an agent with made-up data
//   ddjj NRO PERIOD [a=0.10 b=0.20 ...]    a declaration with those incisos
//   anexoi NRO PERIOD V1 ... V11           its Annex I card totals
//   anexoii NRO PERIOD TAX ...             Annex II lines with those taxes
//   anexoii NRO PERIOD xCOUNT              COUNT numbered Annex II lines
//   anexoiii NRO PERIOD VALUE ...          Annex III lines with those values
//
// e.g. seed_report agent 1/23.45.678 , ddjj 1/23.45.678 20050500 a=0.10
// Exit status 0 when every command was written, 1 otherwise, 2 for bad usage.
#include <iostream>
#include <string>
#include <vector>

#include "data/dictionary.h"
#include "framework/errorclass.h"
#include "tests/support/declarationseed.h"

namespace {

using Words = std::vector<std::string>;

std::vector<Words> commands(int argc, char** argv) {
    std::vector<Words> out(1);
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == ",")
            out.emplace_back();
        else
            out.back().emplace_back(argv[i]);
    }
    return out;
}

std::vector<vorda::seed::Inciso> incisos(const Words& w) {
    std::vector<vorda::seed::Inciso> out;
    for (size_t i = 3; i < w.size(); ++i) {
        if (w[i].size() > 2 && w[i][1] == '=')
            out.push_back({.letter = w[i][0], .amount = w[i].substr(2)});
    }
    return out;
}

// 1 written, 0 failed, -1 not understood.
int run(const Words& w) {
    using namespace vorda::seed;
    if (w.size() >= 2 && w[0] == "agent")
        return addAgent(w[1], w.size() > 2 ? w[2] : "dj@banco.com.ar");
    if (w.size() < 3)
        return -1;
    const Words rest(w.begin() + 3, w.end());
    if (w[0] == "ddjj")
        return addDeclaration(w[1], w[2], incisos(w));
    if (w[0] == "anexoi")
        return addAnnexI(w[1], w[2], rest);
    if (w[0] == "anexoii" && rest.size() == 1 && rest[0].starts_with("x"))
        return addAnnexIIGenerated(w[1], w[2], std::stoi(rest[0].substr(1)));
    if (w[0] == "anexoii")
        return addAnnexII(w[1], w[2], rest);
    if (w[0] == "anexoiii")
        return addAnnexIII(w[1], w[2], rest);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    vorda::GlobalErrors().Init();
    vorda::DctInit();
    int status = 0;
    for (const Words& w : commands(argc, argv)) {
        const int done = run(w);
        if (done <= 0) {
            std::cerr << "seed_report: " << (done < 0 ? "no entiendo" : "no pude escribir") << " '"
                      << (w.empty() ? "" : w[0]) << "'\n";
            status = done < 0 ? 2 : 1;
            break;
        }
    }
    vorda::DctKill();
    vorda::GlobalErrors().Kill();
    return status;
}
