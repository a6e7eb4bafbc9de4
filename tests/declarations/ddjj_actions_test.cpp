// The declaration list's action buttons hand the selected declaration to
// the procedures connected to them, on the list's thread.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/globals.h"
#include "declarations/ddjj.h"
#include "declarations/procedure_hooks.h"
#include "platform/ui/headless/headlessbackend.h"
#include "platform/ui/runtime.h"
#include "platform/ui/window.h"
#include "tests/data/datafixture.h"

namespace vorda::test {
namespace {

using Ctl = DdjjCtl;

class DdjjActions : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        openTables();
        ASSERT_EQ(addAgent(1, "20-12345678-6", "Banco"), Benign);
        ASSERT_EQ(addAgent(2, "", "Mutual"), Benign);
    }
    void TearDown() override {
        declarationProcedures() = {};
        rt.shutdown();
        DataTest::TearDown();
    }

    // Connects every hook to a recorder of its name and of AGENTE_PERIODO.
    void connectRecorders() {
        DeclarationProcedures& p = declarationProcedures();
        p.IMPORTAR_ANEXOII = recorder("IMPORTAR_ANEXOII");
        p.IMPORTAR_ANEXOIII = recorder("IMPORTAR_ANEXOIII");
        p.GENERAR_DISKETTE = recorder("GENERAR_DISKETTE");
        p.IMPRIMIR_DDJJ = recorder("IMPRIMIR_DDJJ");
        p.IMPRIMIR_ANEXOI = recorder("IMPRIMIR_ANEXOI");
        p.IMPRIMIR_ANEXOII = recorder("IMPRIMIR_ANEXOII");
        p.IMPRIMIR_ANEXOIII = recorder("IMPRIMIR_ANEXOIII");
    }
    std::function<void()> recorder(const char* name) {
        return [this, name] {
            calls.push_back(std::string(name) + " [" + std::string(AGENTE_PERIODO.raw()) + "]");
            threads.push_back(rt.currentThread());
        };
    }

    void openList() {
        listThread = rt.start(&DDJJ);
        backend.settle(rt);
        for (ui::Window* w : rt.windows()) {
            if (w->caption() == "Declaraciones Juradas")
                list = w;
        }
        ASSERT_NE(list, nullptr);
    }
    void press(Ctl button) {
        ASSERT_EQ(rt.input().press(list->id(), button), ui::InputResult::Done);
        backend.settle(rt);
    }
    void down() {
        rt.input().key(list->id(), Ctl::Browse, ui::key::Down);
        backend.settle(rt);
    }

    ui::HeadlessBackend backend;
    ui::Runtime rt{backend};
    ui::Window* list = nullptr;
    int listThread = 0;
    std::vector<std::string> calls;
    std::vector<int> threads;
};

TEST_F(DdjjActions, EachButtonHandsTheSelectedDeclarationToItsProcedure) {
    ASSERT_EQ(addDeclaration(declarationKey(1, "2001", "03", "00")), Benign);
    ASSERT_EQ(addDeclaration(declarationKey(2, "2001", "04", "01")), Benign);
    connectRecorders();
    openList();
    press(Ctl::ImportarAnexoII);
    down();
    press(Ctl::ImportarAnexoIII);
    press(Ctl::GenerarDiskette);
    EXPECT_EQ(calls, (std::vector<std::string>{"IMPORTAR_ANEXOII [1/00.00.00120010300]",
                                               "IMPORTAR_ANEXOIII [1/00.00.00220010401]",
                                               "GENERAR_DISKETTE [1/00.00.00220010401]"}));
    EXPECT_EQ(threads, (std::vector<int>(3, listThread))) << "called on the list's thread";
}

TEST_F(DdjjActions, ImprimirDdjjRunsTheDeclarationReportThenTheThreeAnnexReports) {
    ASSERT_EQ(addDeclaration(declarationKey(2, "2002", "11", "00")), Benign);
    connectRecorders();
    openList();
    press(Ctl::ImprimirDdjj);
    EXPECT_EQ(calls, (std::vector<std::string>{"IMPRIMIR_DDJJ [1/00.00.00220021100]",
                                               "IMPRIMIR_ANEXOI [1/00.00.00220021100]",
                                               "IMPRIMIR_ANEXOII [1/00.00.00220021100]",
                                               "IMPRIMIR_ANEXOIII [1/00.00.00220021100]"}));
}

TEST_F(DdjjActions, AReportThatIsNotConnectedIsSkippedAndTheOthersStillRun) {
    ASSERT_EQ(addDeclaration(declarationKey(1, "2001", "03", "00")), Benign);
    connectRecorders();
    declarationProcedures().IMPRIMIR_ANEXOI = nullptr;
    openList();
    press(Ctl::ImprimirDdjj);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1], "IMPRIMIR_ANEXOII [1/00.00.00120010300]");
}

TEST_F(DdjjActions, OnAnEmptyListTheProceduresGetABlankDeclaration) {
    connectRecorders();
    AGENTE_PERIODO.set(declarationKey(1, "2001", "03", "00"));
    openList();
    press(Ctl::GenerarDiskette);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], "GENERAR_DISKETTE [" + std::string(19, ' ') + "]");
}

TEST_F(DdjjActions, WithoutConnectedProceduresTheButtonsDoNothing) {
    ASSERT_EQ(addDeclaration(declarationKey(1, "2001", "03", "00")), Benign);
    openList();
    for (Ctl b :
         {Ctl::ImportarAnexoII, Ctl::ImportarAnexoIII, Ctl::GenerarDiskette, Ctl::ImprimirDdjj})
        press(b);
    EXPECT_TRUE(list->isOpen());
    EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
}  // namespace vorda::test
