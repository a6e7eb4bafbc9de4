// DataTest: a fresh working directory with the whole dictionary set up.
//
// SetUp: TempDir (the working directory), RecordingPresenter, assertions
// thrown as AssertionFailed, GlobalErrors initialised, buffers and globals
// cleared, DctInit (which runs FilesInit). TearDown: DctKill, GlobalErrors
// released. Helpers write records through the managers, so every insert
// passes the field rules.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "data/agentes.h"
#include "data/alicuotas.h"
#include "data/anexoi.h"
#include "data/anexoii.h"
#include "data/anexoiii.h"
#include "data/ddjj.h"
#include "data/ddjj_a_presentar.h"
#include "data/ddjj_mensual.h"
#include "data/dictionary.h"
#include "data/globals.h"
#include "framework/assertion.h"
#include "framework/errorclass.h"
#include "tests/support/recordingpresenter.h"
#include "tests/support/tempdir.h"

namespace vorda::test {

// "1/00.00.001" style agent number `n` (1..99).
std::string agentNumber(int n);
// The 19-character declaration key of agent `n`.
std::string declarationKey(int agent, std::string_view year, std::string_view month,
                           std::string_view presentation);

class DataTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens the five tables of agents and declarations (counted opens).
    void openTables();

    Level addAgent(int n, std::string_view cuit, std::string_view name);
    Level addDeclaration(const std::string& key);
    Level addAnexoI(const std::string& key);
    Level addAnexoII(const std::string& key, int order, Decimal rate = Decimal::fromInteger(1));
    Level addAnexoIII(const std::string& key, int order);

    // Reads a whole table in key order (0 = file order) and returns one text
    // per record, made by `describe` from the buffer.
    template <class Describe>
    std::vector<std::string> readAll(FileManager& table, int key, Describe describe) {
        std::vector<std::string> out;
        if (key != 0)
            table.ClearKey(key);
        table.SetKey(key);
        while (table.TryNext() == Benign)
            out.push_back(describe());
        return out;
    }
    // Number of records of a declaration-keyed table carrying `key`.
    size_t countWithKey(FileManager& table, int tableKey, const DeclarationKey& buffer,
                        const std::string& key);

    TempDir dir;
    RecordingPresenter boxes;

private:
    AssertionHandler previousHandler_;
    bool opened_ = false;
};

}  // namespace vorda::test
