// import_bench: the Annex II import of a large file, through the real
// procedures with their progress windows, on the Qt backend (offscreen).
//
// Writes a file of N type-5 records (default 1,000,000) and the same rows as
// CSV, then measures in the same run:
//   1. the sqlite3 shell's `.import` of the CSV into a table with the same
//      columns and index as AnexoII.tps (the yardstick);
//   2. IMPORTAR_ANEXOII:CHEQUEO and IMPORTAR_ANEXOII:PROCESO over the file
//      (the checking and the loading pass), and their ratio to (1);
//   3. the longest stretch the event loop was kept busy (a timer tick's
//      work) and the peak resident memory of the run.
//
//   import_bench [records]
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/peakmemory.h"
#include "data/agentes.h"
#include "data/anexoii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/exchangelayout.h"
#include "data/globals.h"
#include "framework/errorclass.h"
#include "import/importar_anexoii.h"
#include "platform/ui/qt/qtbackend.h"
#include "platform/ui/runtime.h"

namespace {

using namespace vorda;

constexpr const char* Key =
    "1/23.45.678200103"
    "00";

void seedDeclaration() {
    Relate::DDJJ->Open();
    AGE.clear();
    AGE.NRO_AGENTE.set("1/23.45.678");
    Access::AGENTES->Insert();
    DDJ.clear();
    DDJ.AGENTE_PERIODO.set(Key);
    Access::DDJJ->Insert();
    Relate::DDJJ->Close();
}

// The import file and the same rows as CSV, in the columns of AnexoII.tps.
void writeFiles(long records) {
    std::ofstream text("lineas.txt", std::ios::binary);
    std::ofstream csv("lineas.csv", std::ios::binary);
    AnexoII a;
    a.DOCUMENTO.set("PAGARE");
    a.INCISO.set("c");
    a.FECHA_DOCUMENTO = *Date::parse("05/03/2001");
    a.CUIT.set("20-12345678-6");
    a.ALICUOTA = Decimal::fromInteger(1);
    a.FECHA_REGISTRO = *Date::parse("06/03/2001");
    for (long i = 1; i <= records; ++i) {
        a.NRO_ORDEN = static_cast<int32_t>(i);
        a.CONTRATANTE.set("CONTRATANTE " + std::to_string(i));
        a.VALOR = Decimal::fromHundredths(5000001 + i);
        a.IMPUESTO = a.VALOR.percentOf(a.ALICUOTA);
        text << exchange::buildTipo5(a).text << "\r\n";
        csv << i << ",1,1/23.45.678,2001,03,00,PAGARE,c," << a.FECHA_DOCUMENTO.dayNumber()
            << ",CONTRATANTE " << i << ",20-12345678-6," << i << "," << a.VALOR.hundredths() << ","
            << a.ALICUOTA.hundredths() << "," << a.IMPUESTO.hundredths() << ","
            << a.FECHA_REGISTRO.dayNumber() << "\n";
    }
}

double sqliteImportSeconds() {
    std::ofstream("yardstick.sql")
        << "CREATE TABLE \"ANEXOII\"(id INTEGER NOT NULL, version INTEGER NOT NULL DEFAULT 1, "
           "\"NRO_AGENTE\" TEXT NOT NULL DEFAULT '', \"AÑO\" TEXT NOT NULL DEFAULT '', "
           "\"MES\" TEXT NOT NULL DEFAULT '', \"PRESENTACION\" TEXT NOT NULL DEFAULT '', "
           "\"DOCUMENTO\" TEXT NOT NULL DEFAULT '', \"INCISO\" TEXT NOT NULL DEFAULT '', "
           "\"FECHA_DOCUMENTO\" INTEGER NOT NULL DEFAULT 0, \"CONTRATANTE\" TEXT NOT NULL "
           "DEFAULT '', \"CUIT\" TEXT NOT NULL DEFAULT '', \"NRO_ORDEN\" INTEGER NOT NULL "
           "DEFAULT 0, \"VALOR\" INTEGER NOT NULL DEFAULT 0, \"ALICUOTA\" INTEGER NOT NULL "
           "DEFAULT 0, \"IMPUESTO\" INTEGER NOT NULL DEFAULT 0, \"FECHA_REGISTRO\" INTEGER NOT "
           "NULL DEFAULT 0, PRIMARY KEY(\"NRO_AGENTE\", \"AÑO\", \"MES\", \"PRESENTACION\", id)) "
           "WITHOUT ROWID;\n"
           "CREATE UNIQUE INDEX vorda_id ON \"ANEXOII\"(id);\n"
           "PRAGMA synchronous=FULL;\n"
           ".import --csv lineas.csv ANEXOII\n";
    QElapsedTimer clock;
    clock.start();
    if (std::system("sqlite3 yardstick.db < yardstick.sql") != 0)
        std::fprintf(stderr, "the sqlite3 shell failed\n");
    return clock.elapsed() / 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
    const long records = argc > 1 ? std::atol(argv[1]) : 1000000;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("vorda-import-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    GlobalErrors().Init();
    DctInit();
    seedDeclaration();
    writeFiles(records);
    const double yardstick = sqliteImportSeconds();
    std::printf("sqlite3 .import of %ld rows: %.2f s\n", records, yardstick);
    AGENTE_PERIODO.set(Key);
    {
        ui::qt::QtBackend backend;
        ui::Runtime rt(backend);
        QElapsedTimer gap;
        qint64 longest = 0;
        QTimer heartbeat;
        heartbeat.setInterval(0);
        QObject::connect(&heartbeat, &QTimer::timeout,
                         [&] { longest = std::max(longest, gap.restart()); });
        double checking = 0;
        double loading = 0;
        uint8_t results[2] = {9, 9};
        bool ended = false;
        gap.start();
        heartbeat.start();
        rt.start([&] {
            QElapsedTimer t;
            t.start();
            results[0] = IMPORTAR_ANEXOII_CHEQUEO("lineas.txt");
            checking = t.restart() / 1000.0;
            results[1] = IMPORTAR_ANEXOII_PROCESO("lineas.txt");
            loading = t.elapsed() / 1000.0;
            ended = true;
        });
        while (!ended)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
        heartbeat.stop();
        std::printf("checking pass: %.2f s (result %d)\n", checking, results[0]);
        std::printf("loading pass: %.2f s (result %d)\n", loading, results[1]);
        std::printf("import / sqlite3 .import: %.2f\n", (checking + loading) / yardstick);
        std::printf("longest busy stretch of the event loop: %lld ms\n",
                    static_cast<long long>(longest));
        std::printf("peak resident memory: %.0f MB\n", bench::peakRssKiB() / 1024.0);
        rt.shutdown();
    }
    DctKill();
    GlobalErrors().Kill();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(dir);
    return 0;
}
