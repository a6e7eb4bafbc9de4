// store_bench [rows]: inserts rows shaped like an Annex II line (declaration
// key of 19 characters in 4 columns, text 15, text 1, date, text 30, text 13,
// int, 3 decimals, date) for one declaration, in transactions of 10,000 rows,
// then reads them back in key order with next(), with and without quick scan.
// As a reference, the same rows are written to a CSV file and loaded by the
// sqlite3 shell's .import into a table with the same index. Prints seconds,
// rows per second and peak resident memory; never fails on timing.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "platform/store/transaction.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/fixedtext.h"

using namespace vorda;
using namespace vorda::store;

namespace {

struct Line {
    FixedText<19> AGENTE_PERIODO;
    FixedText<15> DOCUMENTO;
    FixedText<1> INCISO;
    Date FECHA_DOCUMENTO;
    FixedText<30> CONTRATANTE;
    FixedText<13> CUIT;
    int32_t NRO_ORDEN = 0;
    Decimal VALOR;
    Decimal ALICUOTA;
    Decimal IMPUESTO;
    Date FECHA_REGISTRO;
};

TableDesc lineDesc() {
    return TableDesc{
        .name = "ANEXOII",
        .prefix = "A2",
        .fileName = "Bench.tps",
        .recordSize = sizeof(Line),
        .recordLength = 110,
        .fields =
            {{"A2:AGENTE_PERIODO", FieldKind::Text, offsetof(Line, AGENTE_PERIODO), 19, false},
             {"A2:NRO_AGENTE", FieldKind::Text, offsetof(Line, AGENTE_PERIODO), 11, true},
             {"A2:AÑO", FieldKind::Text, offsetof(Line, AGENTE_PERIODO) + 11, 4, true},
             {"A2:MES", FieldKind::Text, offsetof(Line, AGENTE_PERIODO) + 15, 2, true},
             {"A2:PRESENTACION", FieldKind::Text, offsetof(Line, AGENTE_PERIODO) + 17, 2, true},
             {"A2:DOCUMENTO", FieldKind::Text, offsetof(Line, DOCUMENTO), 15, true},
             {"A2:INCISO", FieldKind::Text, offsetof(Line, INCISO), 1, true},
             {"A2:FECHA_DOCUMENTO", FieldKind::Date, offsetof(Line, FECHA_DOCUMENTO), 0, true},
             {"A2:CONTRATANTE", FieldKind::Text, offsetof(Line, CONTRATANTE), 30, true},
             {"A2:CUIT", FieldKind::Text, offsetof(Line, CUIT), 13, true},
             {"A2:NRO_ORDEN", FieldKind::Int32, offsetof(Line, NRO_ORDEN), 0, true},
             {"A2:VALOR", FieldKind::Decimal, offsetof(Line, VALOR), 15, true, 2},
             {"A2:ALICUOTA", FieldKind::Decimal, offsetof(Line, ALICUOTA), 7, true, 2},
             {"A2:IMPUESTO", FieldKind::Decimal, offsetof(Line, IMPUESTO), 15, true, 2},
             {"A2:FECHA_REGISTRO", FieldKind::Date, offsetof(Line, FECHA_REGISTRO), 0, true}},
        .keys = {{.name = "A2:ANEXOII",
                  .description = "Por DDJJ",
                  .components = {{.field = 1}},
                  .unique = false}},
        .clusterKey = 1};
}

void fill(Line& l, int i) {
    l.AGENTE_PERIODO.set("1/23.45.67820010300");
    l.DOCUMENTO.set("PAGARE");
    l.INCISO.set("c");
    l.FECHA_DOCUMENTO = Date::fromDayNumber(73000 + i % 365);
    l.CONTRATANTE.set("CONTRATANTE " + std::to_string(i));
    l.CUIT.set("20-12345678-6");
    l.NRO_ORDEN = i;
    l.VALOR = Decimal::fromHundredths(5000000 + i);
    l.ALICUOTA = Decimal::fromHundredths(100);
    l.IMPUESTO = Decimal::fromHundredths((5000000 + i) / 100);
    l.FECHA_REGISTRO = Date::fromDayNumber(73100);
}

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// CPU seconds (user + system) of this process, or of its waited-for children.
double cpuSeconds(int who) {
    rusage u{};
    getrusage(who, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
}

// One line of figures: wall-clock seconds and rows/s, and CPU seconds (the
// machine may be shared, so wall time can be far above CPU time).
void report(const char* what, long rows, double secs, double cpu) {
    std::printf("%-38s %8ld rows %8.2f s %9.0f rows/s  cpu %6.2f s\n", what, rows, secs,
                static_cast<double>(rows) / secs, cpu);
}

bool insertAll(File& file, Line& line, int rows, int batch) {
    for (int done = 0; done < rows;) {
        Transaction tx;
        if (tx.begin({&file}, 10) != Ok)
            return false;
        for (int i = 0; i < batch && done < rows; ++i, ++done) {
            fill(line, done);
            if (file.add() != Ok)
                return false;
        }
        if (tx.commit() != Ok)
            return false;
    }
    return true;
}

long readAll(File& file, Line& line, bool quick) {
    file.send(quick ? "QUICKSCAN=on" : "QUICKSCAN=off");
    line.AGENTE_PERIODO.ref().fillLow();
    file.setKey(1);
    long n = 0;
    while (file.next() == Ok)
        ++n;
    return n;
}

void writeCsv(const char* path, int rows) {
    std::ofstream out(path);
    Line l;
    for (int i = 0; i < rows; ++i) {
        fill(l, i);
        out << "1/23.45.678,2001,03,00,PAGARE,c," << l.FECHA_DOCUMENTO.dayNumber()
            << ",CONTRATANTE " << i << ",20-12345678-6," << i << "," << l.VALOR.hundredths()
            << ",100," << l.IMPUESTO.hundredths() << ",73100\n";
    }
}

void shellImport(int rows) {
    writeCsv("rows.csv", rows);
    std::ofstream script("import.sql");
    script
        << "PRAGMA journal_mode=DELETE;\nPRAGMA synchronous=FULL;\n"
           "CREATE TABLE t(NRO_AGENTE TEXT, ANIO TEXT, MES TEXT, PRESENTACION TEXT, DOCUMENTO TEXT,"
           " INCISO TEXT, FECHA_DOCUMENTO INTEGER, CONTRATANTE TEXT, CUIT TEXT, NRO_ORDEN INTEGER,"
           " VALOR INTEGER, ALICUOTA INTEGER, IMPUESTO INTEGER, FECHA_REGISTRO INTEGER);\n"
           "CREATE INDEX k ON t(NRO_AGENTE, ANIO, MES, PRESENTACION);\n"
           ".import --csv rows.csv t\n";
    script.close();
    const auto start = std::chrono::steady_clock::now();
    const int rc = std::system("sqlite3 ref.db < import.sql > /dev/null");
    if (rc != 0) {
        std::printf("sqlite3 shell .import failed (%d)\n", rc);
        return;
    }
    report("reference: sqlite3 .import (one tx)", rows, seconds(start),
           cpuSeconds(RUSAGE_CHILDREN));
}

long peakKb(int who) {
    rusage u{};
    getrusage(who, &u);
    return u.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    // store_bench [rows [quick-scan passes [--quick-only]]]: the extra passes
    // and --quick-only serve profiling of the read path.
    const int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
    const int passes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
    const bool quickOnly = argc > 3 && std::string_view(argv[3]) == "--quick-only";
    std::string pattern = (std::filesystem::temp_directory_path() / "vorda-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        return 1;
    std::filesystem::current_path(pattern);
    // STORE_BENCH_LAYOUT=plain keeps the rows in file order, for comparison.
    TableDesc desc = lineDesc();
    const char* layout = std::getenv("STORE_BENCH_LAYOUT");
    if (layout != nullptr && std::string_view(layout) == "plain")
        desc.clusterKey = 0;
    std::printf("rows kept %s\n", desc.clusterKey ? "in key order" : "in file order");
    Line line;
    auto file = makeKeyedTable(desc, &line);
    file->setOwner("BENCHOWNER12");
    if (file->create() != Ok || file->open(0x42) != Ok)
        return 1;

    auto start = std::chrono::steady_clock::now();
    double cpu = cpuSeconds(RUSAGE_SELF);
    if (!insertAll(*file, line, rows, 10000))
        std::printf("insert failed\n");
    report("add() in transactions of 10,000", rows, seconds(start), cpuSeconds(RUSAGE_SELF) - cpu);
    start = std::chrono::steady_clock::now();
    cpu = cpuSeconds(RUSAGE_SELF);
    long n = 0;
    for (int pass = 0; pass < passes; ++pass)
        n += readAll(*file, line, true);
    report("next() in key order, quick scan", n, seconds(start), cpuSeconds(RUSAGE_SELF) - cpu);
    if (quickOnly) {
        file->close();
        std::filesystem::current_path("/");
        std::filesystem::remove_all(pattern);
        return 0;
    }
    start = std::chrono::steady_clock::now();
    cpu = cpuSeconds(RUSAGE_SELF);
    n = readAll(*file, line, false);
    report("next() in key order, one row a read", n, seconds(start), cpuSeconds(RUSAGE_SELF) - cpu);
    std::printf("table file: %.1f MB\n", static_cast<double>(file->bytes()) / 1e6);
    file->close();
    std::printf("peak RSS of store_bench: %ld KB\n", peakKb(RUSAGE_SELF));
    shellImport(rows);
    std::printf("peak RSS of the sqlite3 shell: %ld KB\n", peakKb(RUSAGE_CHILDREN));
    std::filesystem::current_path("/");
    std::filesystem::remove_all(pattern);
    return 0;
}
