// alicuotas_build <in.txt> <out.tps>
//
// Builds the rates table shipped with the program from its versioned text
// file (format in alicuotasbuild.h). Exit status 0 when the table was
// written; 1, with the reason on standard error, when the source has a bad
// row (bad date, bad number, duplicate date, rows out of date order) or the
// table cannot be written; 2 on wrong usage.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "data/tools/alicuotasbuild.h"

int main(int argc, char** argv) {
    using namespace vorda::alicuotas_build;
    if (argc != 3) {
        std::cerr << "usage: alicuotas_build <in.txt> <out.tps>\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << argv[1] << ": cannot read the file\n";
        return 1;
    }
    std::vector<RateRow> rows;
    std::string error;
    if (!parseAlicuotas(in, argv[1], rows, error) || !writeAlicuotas(rows, argv[2], error)) {
        std::cerr << error << "\n";
        return 1;
    }
    return 0;
}
