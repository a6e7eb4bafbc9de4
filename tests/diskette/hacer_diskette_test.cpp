// HACER_DISKETTE on real tables, with the drive letters pointed at folders of
// a temporary working directory.
//
//   HacerDiskette       the records, their order and count, drives A and B,
//                       overwriting, the card-total check, the fetch errors
//   HacerDisketteFails  copies that fail (full, read-only or missing target)
//                       and what is left; records that cannot be added or
//                       rendered; unreadable annex tables
//   HacerDisketteRuns   the temporary file is the run's own; printing runs
//                       after a successful copy only
#include "diskette/hacer_diskette.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "data/anexoii.h"
#include "data/ddjj.h"
#include "data/ddjj_a_presentar.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "data/owners.h"
#include "diskette/diskette_hooks.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "tests/diskette/diskettefixture.h"

namespace vorda::test {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

const std::string Count = "Nº DE REGISTROS PROCESADOS: ";
const std::string InsertA = "INSERTE DISKETTE EN A:";
const std::string Done =
    "DISKETTE GENERADO - PREPARE LA IMPRESORA Y PRESIONE ACEPTAR PARA CONTINUAR";
const std::string CopyFailed = "NO SE PUDO GENERAR EL DISKETTE        ";
const char* April =
    "1/23.45.678200104"
    "00";

// Columns first..last (1-based) of record `n` (1-based) of a file.
std::string cols(const fs::path& file, size_t n, int first, int last) {
    const std::vector<std::string> r = DisketteTest::records(file);
    if (r.size() < n)
        return "(no record " + std::to_string(n) + ")";
    return r[n - 1].substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
}

// A file-size limit for this process while it lives (and SIGXFSZ ignored,
// so that a write past it fails with EFBIG instead of ending the process).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, previousSignal_);
    }

private:
    rlimit previous_{};
    sighandler_t previousSignal_ = SIG_DFL;
};

using HacerDiskette = DisketteTest;

TEST_F(HacerDiskette, annex_i_and_no_lines_gives_four_records_and_00000004) {
    seedAgent();
    seed({});
    write("A");
    EXPECT_EQ(texts(), (Texts{Count + "00000004", InsertA, Done}));
    ASSERT_EQ(boxes().size(), 3u);
    EXPECT_EQ(boxes()[0].okLabel, "Cerrar");
    EXPECT_EQ(boxes()[0].icon, ui::Icon::None);
    EXPECT_EQ(boxes()[1].okLabel, "Aceptar");
    EXPECT_EQ(boxes()[1].icon, ui::Icon::None);
    EXPECT_EQ(boxes()[2].okLabel, "Aceptar");
    EXPECT_EQ(boxes()[2].icon, ui::Icon::Information);
    EXPECT_EQ(filesIn(driveA), Texts{"DJ200103.DAT"});
    EXPECT_EQ(types(driveA / "DJ200103.DAT"), "1234");
    EXPECT_EQ(cols(driveA / "DJ200103.DAT", 1, 1, 9),
              "1200103"
              "00");
    EXPECT_EQ(cols(driveA / "DJ200103.DAT", 4, 2, 16), "000000000001.00");
    EXPECT_TRUE(temporaries().empty());
}

TEST_F(HacerDiskette, lines_follow_in_the_order_1_2_3_4_5_5_6) {
    seedAgent();
    seed({.annexII = 2, .annexIII = 1});
    seed({.key = April, .annexII = 3});  // another declaration's lines stay out
    write("A");
    EXPECT_EQ(texts().front(), Count + "00000007");
    const fs::path file = driveA / "DJ200103.DAT";
    EXPECT_EQ(types(file), "1234556");
    EXPECT_EQ(cols(file, 5, 71, 79), "000000001");
    EXPECT_EQ(cols(file, 6, 71, 79), "000000002");
    EXPECT_EQ(cols(file, 6, 80, 94), "000000060002.00");
    EXPECT_EQ(cols(file, 7, 70, 78), "000000001");
}

TEST_F(HacerDiskette, without_annex_i_the_count_is_of_the_records_written) {
    seedAgent();
    seed({.annexI = false, .annexII = 2});
    write("A");
    EXPECT_EQ(texts().front(), Count + "00000005");
    EXPECT_EQ(types(driveA / "DJ200103.DAT"), "12355");
}

TEST_F(HacerDiskette, a_one_cent_card_difference_stops_before_anything_is_copied) {
    seedAgent();
    seed({.cardDifference = Decimal::fromHundredths(1), .annexII = 1});
    write("A");
    EXPECT_EQ(texts(), Texts{"ERROR EN MONTO TOTAL INGRESADO POR TARJETAS"});
    EXPECT_EQ(boxes()[0].icon, ui::Icon::Question);
    EXPECT_EQ(boxes()[0].okLabel, "Cerrar");
    EXPECT_TRUE(filesIn(driveA).empty());
    EXPECT_TRUE(temporaries().empty());
    EXPECT_EQ(printed, 0);
}

TEST_F(HacerDiskette, drive_b_is_asked_for_and_written_to) {
    seedAgent();
    seed({});
    write("b   ");
    EXPECT_EQ(texts()[1], "INSERTE DISKETTE EN B:");
    EXPECT_EQ(filesIn(driveB), Texts{"DJ200103.DAT"});
    EXPECT_TRUE(filesIn(driveA).empty());
}

TEST_F(HacerDiskette, the_same_period_again_overwrites_the_earlier_file) {
    seedAgent();
    seed({});
    seed({.key = "1/23.45.678200103"
                 "01",
          .annexII = 1});
    write("A");
    write("A",
          "1/23.45.678200103"
          "01");
    EXPECT_EQ(filesIn(driveA), Texts{"DJ200103.DAT"});
    EXPECT_EQ(types(driveA / "DJ200103.DAT"), "12345");
    EXPECT_EQ(cols(driveA / "DJ200103.DAT", 1, 8, 9), "01");
}

TEST_F(HacerDiskette, a_missing_agent_or_declaration_is_told_with_the_error) {
    write("A");  // no table at all yet
    seedAgent();
    write("A");  // the agent, but no declaration
    write("A",
          "9/99.99.999200103"
          "00");
    EXPECT_EQ(texts(),
              (Texts{"Error en Archivo de Agentes de Retención Archivo no encontrado (2)",
                     "Error en las declaraciones juradas Archivo no encontrado (2)",
                     "Error en Archivo de Agentes de Retención Registro no encontrado (35)"}));
    seed({.key = April});
    write("A");
    EXPECT_EQ(texts().back(), "Error en las declaraciones juradas Registro no encontrado (35)");
    EXPECT_TRUE(temporaries().empty());
    EXPECT_EQ(printed, 0);
}

TEST_F(HacerDiskette, the_callers_open_tables_records_and_positions_stay_as_they_were) {
    seedAgent();
    seed({.annexII = 2});
    seed({.key = April, .annexII = 3});
    // As the declaration list has them: DDJJ and ANEXOII open, on April.
    ASSERT_EQ(Relate::DDJJ->Open(), Benign);
    DDJ.AGENTE_PERIODO.set(April);
    ASSERT_EQ(Access::DDJJ->TryFetch(Ddjj::DDJJ), Benign);
    A2.clear();
    A2.AGENTE_PERIODO.set(April);
    Access::ANEXOII->SetKey(AnexoII::ANEXOII);
    ASSERT_EQ(Access::ANEXOII->TryNext(), Benign);
    ASSERT_EQ(A2.NRO_ORDEN, 1);
    write("A");
    EXPECT_EQ(types(driveA / "DJ200103.DAT"), "123455");
    EXPECT_EQ(DDJ.AGENTE_PERIODO.str(), April);
    EXPECT_EQ(A2.AGENTE_PERIODO.str(), April);
    ASSERT_EQ(Access::ANEXOII->TryNext(), Benign);
    EXPECT_EQ(A2.NRO_ORDEN, 2);
    EXPECT_EQ(A2.AGENTE_PERIODO.str(), April);
    Relate::DDJJ->Close();
}

// A list that printed the declaration keeps its tables open, read and
// write, and the presentation file is checked after it is written: the run
// must not run out of room for the files it reads beside them.
TEST_F(HacerDiskette, the_tables_a_list_and_its_reports_keep_open_leave_room_for_the_run) {
    seedAgent();
    seed({.annexII = 2, .annexIII = 1});
    std::vector<RelationManager*> open;
    for (RelationManager* table : {Relate::AGENTES, Relate::DDJJ, Relate::ANEXOI, Relate::ANEXOII,
                                   Relate::ANEXOIII, Relate::ALICUOTAS}) {
        ASSERT_EQ(table->Open(), Benign);
        open.push_back(table);
    }
    for (FileManager* table : {Access::AGENTES, Access::DDJJ, Access::ANEXOI, Access::ANEXOII,
                               Access::ANEXOIII, Access::ALICUOTAS}) {
        ASSERT_EQ(table->UseFile(), Benign) << "opened, not only announced";
    }
    write("A");
    EXPECT_EQ(texts(), (Texts{Count + "00000007", InsertA, Done}));
    EXPECT_EQ(types(driveA / "DJ200103.DAT"), "1234556");
    write("A");  // and again, as a second "Generar Diskette" from the same list
    EXPECT_EQ(texts().back(), Done);
    for (RelationManager* table : open)
        table->Close();
}

using HacerDisketteFails = DisketteTest;

TEST_F(HacerDisketteFails, a_full_target_keeps_its_earlier_file_and_the_copy_stays_here) {
    seedAgent();
    seed({.annexII = 2});
    std::ofstream(driveA / "DJ200103.DAT") << "earlier";
    std::unique_ptr<FileSizeLimit> limit;
    onBox(InsertA, [&] { limit = std::make_unique<FileSizeLimit>(4096); });
    write("A");
    limit.reset();
    EXPECT_EQ(texts(), (Texts{Count + "00000006", InsertA,
                              CopyFailed + "el archivo excede el tamaño permitido (27)"}));
    EXPECT_EQ(boxes().back().icon, ui::Icon::Question);
    EXPECT_EQ(filesIn(driveA), Texts{"DJ200103.DAT"});
    std::ifstream earlier(driveA / "DJ200103.DAT");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(earlier), {}), "earlier");
    EXPECT_EQ(types(dir.file("DJ200103.DAT")), "123455");
    EXPECT_TRUE(temporaries().empty());
    EXPECT_EQ(printed, 0);
}

TEST_F(HacerDisketteFails, a_missing_or_read_only_target_leaves_the_local_copy) {
    seedAgent();
    seed({});
    settings.Update("Unidades", "A", "no_existe");
    write("A");
    EXPECT_EQ(texts().back(), CopyFailed + "no existe la carpeta o el archivo (2)");
    EXPECT_EQ(types(dir.file("DJ200103.DAT")), "1234");
    EXPECT_TRUE(temporaries().empty());
    if (::geteuid() == 0)
        GTEST_SKIP() << "a read-only folder does not stop root";
    settings.Update("Unidades", "A", "unidad_a");
    fs::permissions(driveA, fs::perms::owner_read | fs::perms::owner_exec);
    write("A");
    fs::permissions(driveA, fs::perms::owner_all);
    EXPECT_EQ(texts().back(), CopyFailed + "permiso denegado (13)");
    EXPECT_TRUE(filesIn(driveA).empty());
    EXPECT_EQ(printed, 0);
}

TEST_F(HacerDisketteFails, a_record_that_cannot_be_added_stops_the_run) {
    seedAgent();
    seed({.annexII = 400});
    // Room for the empty temporary file, not for its 404 records.
    DdjjAPresentar scratch;
    std::unique_ptr<store::File> empty = store::makeKeyedTable(DdjjAPresentar::desc(), &scratch);
    empty->setName("empty.probe");
    empty->setOwner(PRESENTATION_OWNER);
    ASSERT_EQ(empty->create(), store::Ok);
    const auto size = fs::file_size("empty.probe");
    {
        FileSizeLimit limit(size + 8192);
        write("A");
    }
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts()[0].rfind("Error al grabar el archivo temporario ", 0), 0u) << texts()[0];
    EXPECT_TRUE(filesIn(driveA).empty());
    EXPECT_TRUE(temporaries().empty());
    EXPECT_FALSE(fs::exists("DJ200103.DAT"));
}

TEST_F(HacerDisketteFails, a_value_too_wide_for_its_field_names_its_line) {
    seedAgent();
    seed({.annexII = 3});
    ASSERT_EQ(Relate::ANEXOII->Open(), Benign);
    A2.clear();
    A2.AGENTE_PERIODO.set(March);
    Access::ANEXOII->SetKey(AnexoII::ANEXOII);
    ASSERT_EQ(Access::ANEXOII->TryNext(), Benign);
    ASSERT_EQ(Access::ANEXOII->TryNext(), Benign);
    A2.VALOR = Decimal::fromInteger(1000000000000);  // 13 integer digits
    ASSERT_EQ(Access::ANEXOII->Update(), Benign);
    Relate::ANEXOII->Close();
    write("A");
    EXPECT_EQ(texts(), Texts{"VALOR DEMASIADO GRANDE PARA EL DISKETTE EN ANEXO II, LINEA 2, "
                             "CAMPO A2_VALOR"});
    EXPECT_TRUE(filesIn(driveA).empty());
    EXPECT_TRUE(temporaries().empty());
}

TEST_F(HacerDisketteFails, an_annex_table_that_cannot_be_read_is_not_taken_as_empty) {
    seedAgent();
    seed({.annexII = 1});
    std::ofstream("AnexoIII.tps") << "not a table";
    write("A");
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts()[0].rfind("Error en el archivo del ANEXO III ", 0), 0u) << texts()[0];
    EXPECT_TRUE(filesIn(driveA).empty());
    EXPECT_TRUE(temporaries().empty());
}

using HacerDisketteRuns = DisketteTest;

TEST_F(HacerDisketteRuns, two_runs_at_once_write_temporary_files_of_their_own) {
    seedAgent();
    seed({.annexII = 1});
    seed({.key = April, .annexIII = 2});
    std::vector<std::string> during;
    onBox(InsertA, [&] { write("A", April); });  // the second run starts meanwhile
    onBox(InsertA, [&] { during = temporaries(); });
    write("A");
    EXPECT_EQ(std::count_if(during.begin(), during.end(),
                            [](const std::string& n) { return n.ends_with(".$$$"); }),
              2);
    EXPECT_EQ(filesIn(driveA), (Texts{"DJ200103.DAT", "DJ200104.DAT"}));
    EXPECT_EQ(types(driveA / "DJ200103.DAT"), "12345");
    EXPECT_EQ(types(driveA / "DJ200104.DAT"), "123466");
    EXPECT_TRUE(temporaries().empty());
}

TEST_F(HacerDisketteRuns, printing_follows_a_successful_copy_and_only_that) {
    seedAgent();
    seed({});
    int printedAtDone = -1;
    onBox(Done, [&] { printedAtDone = printed; });
    write("A");
    EXPECT_EQ(printedAtDone, 0);  // after the notice is answered
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(printedKey, March);
    settings.Update("Unidades", "A", "no_existe");
    write("A");
    seed({.key = April, .cardDifference = Decimal::fromHundredths(-1)});
    write("A", April);
    EXPECT_EQ(printed, 1);
    ImprimirDeclaracion = nullptr;  // unset: nothing happens
    settings.Update("Unidades", "A", "unidad_a");
    write("A");
    EXPECT_EQ(texts().back(), Done);
}

}  // namespace
}  // namespace vorda::test
