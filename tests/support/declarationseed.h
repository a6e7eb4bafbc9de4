// Seeding the working directory with agents, declarations and annex lines,
// written straight into the real table files (no field rules run), in one
// transaction per call. For report tests, the seed_report tool and the
// report benchmark. DctInit must have run; the tables are opened and closed
// here.
//
// Periods are year, month and presentation: "20050501". Amounts are plain
// decimals ("1500.00").
#pragma once

#include <string>
#include <vector>

namespace vorda::seed {

struct Inciso {
    char letter;         // 'a' .. 'n'
    std::string amount;  // "0.10"
};

// An agent with made-up data and a valid CUIT; `email` as given (up to 40).
bool addAgent(const std::string& nro, const std::string& email = "dj@banco.com.ar");
bool addDeclaration(const std::string& nro, const std::string& period,
                    const std::vector<Inciso>& incisos = {});
// Annex I: the eleven card totals (missing ones are zero).
bool addAnnexI(const std::string& nro, const std::string& period,
               const std::vector<std::string>& cards);
// Annex II: one line per tax given; the value is 100 times the tax.
bool addAnnexII(const std::string& nro, const std::string& period,
                const std::vector<std::string>& taxes);
// Annex II: `count` numbered lines ("CONTRATANTE 000001" ...), tax 1 %.
bool addAnnexIIGenerated(const std::string& nro, const std::string& period, int count);
// Annex III: one line per value given.
bool addAnnexIII(const std::string& nro, const std::string& period,
                 const std::vector<std::string>& values);

}  // namespace vorda::seed
