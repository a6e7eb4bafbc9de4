// Rebuilding the keys of the six tables, on real table files.
//
//   Reorganizacion        what rebuildTables() does to tables free, marked,
//                         in use by a window of this program or by another
//                         station, damaged; the closing message
//   ReorganizarArchivos   "Cancelar" touches nothing ("Aceptar" through the
//                         program: UI script reorganizar_archivos)
#include "maintenance/reorganizacion.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

#include "data/agentes.h"
#include "data/anexoii.h"
#include "data/ddjj.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "data/owners.h"
#include "framework/assertion.h"
#include "framework/errorclass.h"
#include "maintenance/reorganizararchivos.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "platform/store/tablemeta.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "tests/support/tempdir.h"

namespace vorda {
namespace {

using Result = TableOutcome::Result;

class ReorganizacionTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousHandler_ =
            setAssertionHandler([](const std::string& t) { throw AssertionFailed(t); });
        GlobalErrors().Init();
        ClearDataGlobals();
        DctInit();
    }
    void TearDown() override {
        DctKill();
        GlobalErrors().Kill();
        setAssertionHandler(previousHandler_);
    }

    // All six files, with an agent and a declaration in them.
    void createTables() {
        for (RelationManager* r : {Relate::AGENTES, Relate::DDJJ, Relate::ALICUOTAS, Relate::ANEXOI,
                                   Relate::ANEXOII, Relate::ANEXOIII}) {
            ASSERT_EQ(r->Open(), Benign);
        }
        AGE.clear();
        AGE.NRO_AGENTE.set("1/23.45.678");
        ASSERT_EQ(Access::AGENTES->Insert(), Benign);
        DDJ.clear();
        DDJ.AGENTE_PERIODO.set(
            "1/23.45.678200103"
            "00");
        ASSERT_EQ(Access::DDJJ->Insert(), Benign);
        Access::ALICUOTAS->UseFile();
        Access::ANEXOI->UseFile();
        Access::ANEXOII->UseFile();
        Access::ANEXOIII->UseFile();
        for (RelationManager* r : {Relate::AGENTES, Relate::DDJJ, Relate::ALICUOTAS, Relate::ANEXOI,
                                   Relate::ANEXOII, Relate::ANEXOIII}) {
            r->Close();
        }
    }

    // Marks a table's keys as needing a rebuild, as a damaged key found
    // while saving does.
    static void markForRebuild(const char* file) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file, &db), SQLITE_OK);
        EXPECT_EQ(store::TableMeta::setRebuildMark(db, "main", true), SQLITE_OK);
        sqlite3_close(db);
    }

    // The driver code of opening a table file shared.
    static int openCode(const store::TableDesc& desc) {
        std::vector<std::max_align_t> buffer(desc.recordSize / sizeof(std::max_align_t) + 1);
        std::unique_ptr<store::File> f = store::makeKeyedTable(desc, buffer.data());
        f->setOwner(TABLE_OWNER);
        const int code = f->open(0x42);
        f->close();
        return code;
    }

    static std::vector<std::string> summary(const std::vector<TableOutcome>& outcomes) {
        static const char* names[] = {"rebuilt", "missing", "in use", "failed"};
        std::vector<std::string> out;
        out.reserve(outcomes.size());
        for (const TableOutcome& o : outcomes)
            out.push_back(o.table + " " + names[static_cast<int>(o.result)]);
        return out;
    }

    test::TempDir dir;

private:
    AssertionHandler previousHandler_;
};

using Reorganizacion = ReorganizacionTest;

TEST_F(Reorganizacion, with_nothing_open_all_six_are_rebuilt_in_order) {
    createTables();
    markForRebuild("Ddjj.tps");
    ASSERT_EQ(openCode(Ddjj::desc()), store::KeysNeedRebuild);
    const std::vector<TableOutcome> outcomes = rebuildTables();
    EXPECT_EQ(summary(outcomes),
              (std::vector<std::string>{"AGENTES rebuilt", "DDJJ rebuilt", "ALICUOTAS rebuilt",
                                        "ANEXOI rebuilt", "ANEXOII rebuilt", "ANEXOIII rebuilt"}));
    EXPECT_EQ(openCode(Ddjj::desc()), store::Ok);
    EXPECT_EQ(reorganisationMessage(outcomes), "Los archivos han sido reorganizados");
    EXPECT_TRUE(allReorganised(outcomes));
}

TEST_F(Reorganizacion, a_missing_file_has_nothing_to_rebuild) {
    const std::vector<TableOutcome> outcomes = rebuildTables();
    EXPECT_EQ(summary(outcomes).front(), "AGENTES missing");
    EXPECT_FALSE(std::filesystem::exists("Agentes.tps"));
    EXPECT_EQ(reorganisationMessage(outcomes), "Los archivos han sido reorganizados");
}

TEST_F(Reorganizacion, a_table_open_in_a_window_or_at_another_station_is_named) {
    createTables();
    // The declaration list's table, physically open through its manager.
    ASSERT_EQ(Relate::DDJJ->Open(), Benign);
    DDJ.AGENTE_PERIODO.set(
        "1/23.45.678200103"
        "00");
    ASSERT_EQ(Access::DDJJ->TryFetch(Ddjj::DDJJ), Benign);
    // Another station reading Annex II.
    AnexoII other;
    std::unique_ptr<store::File> station = store::makeKeyedTable(AnexoII::desc(), &other);
    station->setOwner(TABLE_OWNER);
    ASSERT_EQ(station->open(0x40), store::Ok);

    const std::vector<TableOutcome> outcomes = rebuildTables();
    EXPECT_EQ(summary(outcomes),
              (std::vector<std::string>{"AGENTES rebuilt", "DDJJ in use", "ALICUOTAS rebuilt",
                                        "ANEXOI rebuilt", "ANEXOII in use", "ANEXOIII rebuilt"}));
    EXPECT_EQ(reorganisationMessage(outcomes),
              "No se pudieron reorganizar estos archivos:\n"
              "DDJJ (Ddjj.tps): está en uso en otra ventana o en otra estación\n"
              "ANEXOII (AnexoII.tps): está en uso en otra ventana o en otra estación\n"
              "Los demás archivos han sido reorganizados.");
    EXPECT_FALSE(allReorganised(outcomes));
    Relate::DDJJ->Close();
}

TEST_F(Reorganizacion, a_file_that_is_not_a_table_is_named_with_the_error) {
    createTables();
    std::ofstream("AnexoI.tps", std::ios::trunc) << "not a table";
    const std::vector<TableOutcome> outcomes = rebuildTables();
    EXPECT_EQ(summary(outcomes)[3], "ANEXOI failed");
    const std::string message = reorganisationMessage(outcomes);
    EXPECT_EQ(message.rfind("No se pudieron reorganizar estos archivos:\nANEXOI (AnexoI.tps): ", 0),
              0u)
        << message;
    EXPECT_NE(message.find(outcomes[3].error), std::string::npos);
}

class ReorganizarArchivosTest : public ReorganizacionTest {
protected:
    void TearDown() override {
        rt.shutdown();
        ReorganizacionTest::TearDown();
    }
    void press(ReorganizarArchivosCtl control) {
        ui::Window* w = rt.topWindow(thread);
        ASSERT_NE(w, nullptr);
        ASSERT_EQ(rt.input().press(w->id(), control), ui::InputResult::Done);
        backend.settle(rt);
    }

    ui::HeadlessBackend backend;
    ui::Runtime rt{backend};
    int thread = 0;
};

TEST_F(ReorganizarArchivosTest, cancelar_touches_nothing) {
    createTables();
    markForRebuild("AnexoII.tps");
    thread = rt.start(&REORGANIZARARCHIVOS, ReorganizarStack);
    backend.settle(rt);
    press(ReorganizarArchivosCtl::CANCELBUTTON);
    EXPECT_EQ(rt.threadCount(), 0u);
    EXPECT_TRUE(backend.shown().empty());
    EXPECT_EQ(openCode(AnexoII::desc()), store::KeysNeedRebuild);
}

}  // namespace
}  // namespace vorda
