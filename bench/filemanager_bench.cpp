// filemanager_bench: one declaration's Annex II lines through the FileManager.
//
// Inserts N lines (default 1,000,000) shaped like Annex II lines of one
// declaration, with FileManager::Insert inside store transactions of 10,000
// rows, then reads them all back in key order with FileManager::Next and the
// driver's quick scan on. Prints seconds, rows per second and the peak
// resident set size. Runs in a fresh temporary directory, removed at the end.
//
//   filemanager_bench [rows]
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/peakmemory.h"
#include "data/anexoii.h"
#include "data/owners.h"
#include "framework/errorclass.h"
#include "framework/filemanager.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "platform/store/transaction.h"

namespace {

using namespace vorda;
using Clock = std::chrono::steady_clock;

constexpr long kBatch = 10000;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void fillLine(long n) {
    A2.clear();
    A2.AGENTE_PERIODO.set(
        "1/23.45.678200103"
        "00");
    A2.DOCUMENTO.set("PAGARE");
    A2.INCISO.set("c");
    A2.FECHA_DOCUMENTO = *Date::fromYmd(2001, 3, 1 + static_cast<int>(n % 28));
    A2.CONTRATANTE.set("CONTRATANTE " + std::to_string(n));
    A2.CUIT.set("20-12345678-6");
    A2.NRO_ORDEN = static_cast<int32_t>(n);
    A2.VALOR = Decimal::fromHundredths(5000000 + n);
    A2.ALICUOTA = Decimal::fromHundredths(100);
    A2.IMPUESTO = A2.VALOR.percentOf(A2.ALICUOTA);
    A2.FECHA_REGISTRO = A2.FECHA_DOCUMENTO;
}

bool insertAll(FileManager& lines, long rows) {
    for (long done = 0; done < rows;) {
        store::Transaction tx;
        if (tx.begin({lines.File}, 2) != store::Ok)
            return false;
        for (long end = std::min(rows, done + kBatch); done < end; ++done) {
            fillLine(done + 1);
            if (lines.Insert() != Benign)
                return false;
        }
        if (tx.commit() != store::Ok)
            return false;
    }
    return true;
}

long readAll(FileManager& lines) {
    lines.File->send("QUICKSCAN=on");
    A2.clear();
    lines.ClearKey(AnexoII::ANEXOII);
    lines.SetKey(AnexoII::ANEXOII);
    long count = 0;
    while (lines.Next() == Benign)
        ++count;
    lines.File->send("QUICKSCAN=off");
    return count;
}

void report(const char* phase, long rows, double seconds) {
    std::printf("%-7s %9ld rows  %8.2f s  %10.0f rows/s  peak RSS %ld KiB\n", phase, rows, seconds,
                static_cast<double>(rows) / seconds, bench::peakRssKiB());
}

}  // namespace

int main(int argc, char** argv) {
    const long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    const auto dir = std::filesystem::temp_directory_path() /
                     ("filemanager_bench." + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);

    ErrorClass errors;
    errors.Init();
    auto file = store::makeKeyedTable(AnexoII::desc(), &A2);
    file->setOwner(TABLE_OWNER);
    int status = 0;
    {
        FileManager lines;
        lines.Init(file.get(), &errors);
        lines.AddKey(AnexoII::ANEXOII, "Por DDJJ");
        lines.LazyOpen = 0;
        lines.Open();

        auto start = Clock::now();
        const bool inserted = insertAll(lines, rows);
        report("insert", rows, secondsSince(start));
        start = Clock::now();
        const long read = readAll(lines);
        report("read", read, secondsSince(start));
        std::printf("file size %.1f MiB\n", static_cast<double>(file->bytes()) / (1 << 20));
        if (!inserted || read != rows) {
            std::fprintf(stderr, "FAILED: inserted=%d read=%ld\n", inserted, read);
            status = 1;
        }
        lines.Close();
        lines.Kill();
    }
    file.reset();
    errors.Kill();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
    return status;
}
