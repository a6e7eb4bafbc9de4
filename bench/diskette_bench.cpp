// diskette_bench: the presentation file of a large declaration.
//
// Puts an agent and one declaration with its Annex I and N Annex II lines
// (default 100,000) into fresh tables, then times
//   1. HACER_DISKETTE to drive A (a folder): the temporary file written in
//      one transaction, checked, copied to the folder and flushed;
//   2. `vorda --verificar`'s check of the copy.
// Message boxes are answered at once. Prints seconds for each and the peak
// resident set size. Runs in a fresh temporary directory, removed at the end.
//
//   diskette_bench [lines]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/peakmemory.h"
#include "data/agentes.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "diskette/diskette_hooks.h"
#include "diskette/hacer_diskette.h"
#include "diskette/verificar.h"
#include "framework/errorclass.h"
#include "framework/iniclass.h"
#include "platform/store/codes.h"
#include "platform/store/transaction.h"
#include "platform/ui/messagebox.h"

namespace {

using namespace vorda;
using Clock = std::chrono::steady_clock;

constexpr const char* Key =
    "1/23.45.678200103"
    "00";

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Answers every box with its default button and remembers the count shown.
class Answers final : public ui::MessagePresenter {
public:
    unsigned show(const ui::MessageBox& box) override {
        last = box.text;
        if (box.text.rfind("Nº DE REGISTROS", 0) == 0)
            count = box.text;
        return box.defaultButton;
    }
    void halt(int, const std::string& text) override {
        std::fprintf(stderr, "halt: %s\n", text.c_str());
    }
    std::string count, last;
};

bool seed(long lines) {
    if (Relate::DDJJ->Open() != Benign)
        return false;
    AGE.clear();
    AGE.NRO_AGENTE.set("1/23.45.678");
    AGE.NRO_CUIT.set("20-12345678-6");
    AGE.DENOMINACION.set("Banco del Vespra");
    bool ok = Access::AGENTES->Insert() == Benign;
    DDJ.clear();
    DDJ.AGENTE_PERIODO.set(Key);
    DDJ.INCISO_H = Decimal::fromInteger(7);
    ok = ok && Access::DDJJ->Insert() == Benign;
    A1.clear();
    A1.AGENTE_PERIODO.set(Key);
    A1.TARJETA_8 = Decimal::fromInteger(7);
    ok = ok && Access::ANEXOI->Insert() == Benign;
    store::Transaction tx;
    for (long n = 1; ok && n <= lines; ++n) {
        A2.clear();
        A2.AGENTE_PERIODO.set(Key);
        A2.DOCUMENTO.set("PAGARE");
        A2.INCISO.set("c");
        A2.FECHA_DOCUMENTO = *Date::fromYmd(2001, 3, 1 + static_cast<int>(n % 28));
        A2.CONTRATANTE.set("CONTRATANTE " + std::to_string(n));
        A2.CUIT.set("20-12345678-6");
        A2.NRO_ORDEN = static_cast<int32_t>(n);
        A2.VALOR = Decimal::fromHundredths(5000000 + n);
        A2.ALICUOTA = Decimal::fromHundredths(100);
        A2.IMPUESTO = A2.VALOR.percentOf(A2.ALICUOTA);
        ok = Access::ANEXOII->TryInsert() == Benign;
        if (ok && n == 1)
            ok = tx.begin({Access::ANEXOII->File}, 10) == store::Ok;
    }
    ok = ok && (!tx.active() || tx.commit() == store::Ok);
    Relate::DDJJ->Close();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    const long lines = argc > 1 ? std::atol(argv[1]) : 100000;
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("diskette-bench-" + std::to_string(getpid()));
    fs::create_directories(dir / "unidad_a");
    fs::current_path(dir);
    Answers answers;
    ui::setPresenter(&answers);
    GlobalErrors().Init();
    ClearDataGlobals();
    DctInit();
    INIClass settings;
    settings.FileName = (dir / "vorda.INI").string();
    settings.Update("Unidades", "A", "unidad_a");
    DisketteSettings = &settings;

    Clock::time_point start = Clock::now();
    if (!seed(lines)) {
        std::fprintf(stderr, "seeding failed\n");
        return 1;
    }
    std::printf("seed %ld Annex II lines: %.2f s\n", lines, secondsSince(start));

    AGENTE_PERIODO.set(Key);
    start = Clock::now();
    HACER_DISKETTE("A");
    const double write = secondsSince(start);
    std::printf("HACER_DISKETTE: %.2f s (%s; last: %s)\n", write, answers.count.c_str(),
                answers.last.c_str());
    start = Clock::now();
    const Verification v = verifyPresentationFile("unidad_a/DJ200103.DAT");
    const double verify = secondsSince(start);
    std::printf("--verificar: %.2f s (%s)\n", verify, v.report().front().c_str());
    std::printf("file: %.1f MB, peak RSS: %ld KiB\n",
                static_cast<double>(fs::file_size("unidad_a/DJ200103.DAT")) / 1e6,
                bench::peakRssKiB());

    DctKill();
    GlobalErrors().Kill();
    fs::current_path(dir.parent_path());
    fs::remove_all(dir);
    return v.sound() ? 0 : 1;
}
