// The two passes of the Annex II import on real tables and files, driven by
// the headless runtime: what a cancelled pass, an invalid record met while
// loading and a failed add leave in the declaration (nothing of the file),
// and what a good file leaves (all of it).
//
// Time moves only when a test says so (the virtual clock); the passes here
// check their records through a wrapper that lets 30 hundredths pass per
// record, so each timer tick takes a few records and "Cancelar" can come
// between two ticks.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <fstream>

#include "data/agentes.h"
#include "data/anexoii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/exchangelayout.h"
#include "data/exchangeviews.h"
#include "data/globals.h"
#include "data/owners.h"
#include "framework/assertion.h"
#include "framework/errorclass.h"
#include "framework/progresswindow.h"
#include "import/annexpasses.h"
#include "import/validation.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "tests/support/tempdir.h"

namespace vorda::import {
namespace {

constexpr const char* Key =
    "1/23.45.678200103"
    "00";

ui::VirtualClock* clock = nullptr;

std::optional<std::string> slowCheck(std::string_view record, const text::TextLine* line,
                                     int32_t n) {
    clock->advance(30);
    return checkAnexoIIRecord(record, line, n);
}

void fill(std::string_view record, const DeclarationKey& key, void* target) {
    auto& line = *static_cast<AnexoII*>(target);
    line.clear();
    fillAnexoII(exchange::RegistroTipo5(record), line);
    line.AGENTE_PERIODO = key;
}

const AnnexImport SlowAnexoII{.procedureName = "Importar_AnexoII",
                              .caption = "Importación de Anexo II",
                              .lines = {"", "", ""},
                              .annex = "ANEXO II",
                              .check = &slowCheck,
                              .table = &AnexoII::desc,
                              .fill = &fill};

std::string record(int order, std::string_view inciso = "b") {
    AnexoII a;
    a.INCISO.set(inciso);
    a.FECHA_DOCUMENTO = *Date::parse("05/03/2001");
    a.CUIT.set("20-12345678-6");
    a.NRO_ORDEN = order;
    a.VALOR = Decimal::fromInteger(60000 + order);
    a.FECHA_REGISTRO = *Date::parse("06/03/2001");
    return exchange::buildTipo5(a).text;
}

class ImportPass : public ::testing::Test {
protected:
    void SetUp() override {
        previousHandler_ =
            setAssertionHandler([](const std::string& t) { throw AssertionFailed(t); });
        GlobalErrors().Init();
        ClearDataGlobals();
        DctInit();
        clock = &backend.virtualClock();
        seed();
        AGENTE_PERIODO.set(Key);
    }
    void TearDown() override {
        rt.shutdown();
        DctKill();
        GlobalErrors().Kill();
        setAssertionHandler(previousHandler_);
    }

    // The declaration with two lines of its own already.
    void seed() {
        ASSERT_EQ(Relate::DDJJ->Open(), Benign);
        AGE.clear();
        AGE.NRO_AGENTE.set("1/23.45.678");
        ASSERT_EQ(Access::AGENTES->Insert(), Benign);
        DDJ.clear();
        DDJ.AGENTE_PERIODO.set(Key);
        ASSERT_EQ(Access::DDJJ->Insert(), Benign);
        for (int i = 1; i <= 2; ++i) {
            A2.clear();
            A2.AGENTE_PERIODO.set(Key);
            A2.NRO_ORDEN = 900 + i;
            ASSERT_EQ(Access::ANEXOII->Insert(), Benign);
        }
        Relate::DDJJ->Close();
    }

    static void writeFile(int records, int invalidAt = 0) {
        std::ofstream out("lineas.txt", std::ios::binary);
        for (int i = 1; i <= records; ++i)
            out << record(i, i == invalidAt ? "a" : "b") << "\r\n";
    }

    // The Annex II lines stored, as their order numbers, read as another
    // station would.
    static std::vector<int32_t> storedOrders() {
        AnexoII line;
        std::unique_ptr<store::File> f = store::makeKeyedTable(AnexoII::desc(), &line);
        f->setOwner(TABLE_OWNER);
        std::vector<int32_t> out;
        if (f->open(0x40) != store::Ok)
            return out;
        f->setKey(0);
        while (f->next() == store::Ok)
            out.push_back(line.NRO_ORDEN);
        return out;
    }

    // Starts `pass` on a procedure thread and lets it reach its first tick.
    void start(uint8_t (*pass)(const AnnexImport&, std::string_view)) {
        result = 99;
        thread = rt.start([this, pass] { result = pass(SlowAnexoII, "lineas.txt"); });
        backend.settle(rt);
    }
    void tick() { backend.advance(rt, 1); }
    void cancel() {
        ui::Window* progress = rt.topWindow(thread);
        ASSERT_NE(progress, nullptr);
        ASSERT_EQ(rt.input().press(progress->id(), ProgressCtl::Cancel), ui::InputResult::Done);
        backend.settle(rt);
    }
    bool running() const { return rt.threadAlive(thread); }

    test::TempDir dir;
    ui::HeadlessBackend backend;
    ui::Runtime rt{backend};
    int thread = 0;
    uint8_t result = 99;

private:
    AssertionHandler previousHandler_;
};

const std::vector<int32_t> Before{901, 902};

TEST_F(ImportPass, a_good_file_is_loaded_whole_after_the_existing_lines) {
    writeFile(20);
    start(&runCheckingPass);
    while (running())
        tick();
    EXPECT_EQ(result, 0);
    start(&runLoadingPass);
    while (running())
        tick();
    EXPECT_EQ(result, 0);
    std::vector<int32_t> expected = Before;
    for (int i = 1; i <= 20; ++i)
        expected.push_back(i);
    EXPECT_EQ(storedOrders(), expected);
    EXPECT_TRUE(backend.shown().empty());
}

TEST_F(ImportPass, a_cancelled_check_loads_nothing) {
    writeFile(40);
    start(&runCheckingPass);
    tick();
    ASSERT_TRUE(running()) << "the pass must still be on its way";
    cancel();
    EXPECT_FALSE(running());
    EXPECT_EQ(result, 1);
}

TEST_F(ImportPass, a_cancelled_load_leaves_the_declaration_as_it_was) {
    writeFile(40);
    start(&runLoadingPass);
    tick();
    tick();
    ASSERT_TRUE(running());
    EXPECT_EQ(storedOrders(), Before);  // nothing shows before the commit
    cancel();
    EXPECT_EQ(result, 1);
    EXPECT_EQ(storedOrders(), Before);
}

TEST_F(ImportPass, an_invalid_record_met_while_loading_rolls_back_the_lines_before_it) {
    writeFile(40, 30);  // the file changed since its check
    start(&runLoadingPass);
    while (running() && !backend.messagePending())
        tick();
    ASSERT_TRUE(backend.messagePending());
    EXPECT_EQ(backend.pendingMessage()->text, "LETRA DE INCISO NO VALIDA - REGISTRO 30");
    EXPECT_EQ(backend.pendingMessage()->icon, ui::Icon::None);
    backend.answer(rt, "Ok");
    backend.settle(rt);
    EXPECT_FALSE(running());
    EXPECT_EQ(result, 1);
    EXPECT_EQ(storedOrders(), Before);
}

TEST_F(ImportPass, a_failed_add_rolls_everything_back) {
    writeFile(3000);
    const auto before = std::filesystem::file_size("AnexoII.tps");
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    const sighandler_t signal = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = before + 16384;  // room for some lines, not for 3000
    ::setrlimit(RLIMIT_FSIZE, &small);
    start(&runLoadingPass);
    while (running() && !backend.messagePending())
        tick();
    ::setrlimit(RLIMIT_FSIZE, &previous);
    ::signal(SIGXFSZ, signal);
    std::vector<std::string> told;
    for (int i = 0; i < 100 && running(); ++i) {
        if (backend.messagePending()) {
            told.push_back(backend.pendingMessage()->text);
            backend.answer(rt, "Cerrar");
            backend.settle(rt);
        } else {
            tick();
        }
    }
    EXPECT_EQ(result, 1);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].starts_with("NO SE PUDO AGREGAR LA LINEA DEL REGISTRO ") ||
                told[0].starts_with("Error al grabar el archivo del ANEXO II "))
        << told[0];
    EXPECT_EQ(storedOrders(), Before);
}

}  // namespace
}  // namespace vorda::import
