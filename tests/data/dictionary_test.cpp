// The dictionary's life cycle and the files behind the managers.
//
//   DictionaryLifecycle - references set by DctInit/FilesInit, cleared by DctKill
//   TableFiles          - files created empty on first use, owner passwords,
//                         exchange files named by their variables at each open
#include <filesystem>
#include <fstream>

#include "data/owners.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "tests/data/datafixture.h"

namespace vorda::test {
namespace {

namespace fs = std::filesystem;

// --- DictionaryLifecycle -------------------------------------------------------

using DictionaryLifecycle = DataTest;

TEST_F(DictionaryLifecycle, every_reference_is_set_after_init_and_cleared_after_kill) {
    const std::vector<FileManager**> access = {
        &Access::AGENTES,  &Access::DDJJ,      &Access::ANEXOI,       &Access::ANEXOII,
        &Access::ANEXOIII, &Access::ALICUOTAS, &Access::DDJJ_MENSUAL, &Access::DDJJ_A_PRESENTAR};
    const std::vector<RelationManager**> relate = {
        &Relate::AGENTES,  &Relate::DDJJ,      &Relate::ANEXOI,       &Relate::ANEXOII,
        &Relate::ANEXOIII, &Relate::ALICUOTAS, &Relate::DDJJ_MENSUAL, &Relate::DDJJ_A_PRESENTAR};
    for (size_t i = 0; i < access.size(); ++i) {
        ASSERT_NE(*access[i], nullptr) << i;
        ASSERT_NE(*relate[i], nullptr) << i;
        EXPECT_EQ((*relate[i])->Me, *access[i]) << i;
    }
    DctKill();
    for (size_t i = 0; i < access.size(); ++i) {
        EXPECT_EQ(*access[i], nullptr) << i;
        EXPECT_EQ(*relate[i], nullptr) << i;
    }
    DctInit();  // a second span works like the first
    EXPECT_NE(Access::DDJJ, nullptr);
}

// --- TableFiles ----------------------------------------------------------------

using TableFiles = DataTest;

TEST_F(TableFiles, each_table_is_created_empty_on_first_use_without_a_message) {
    const std::vector<std::pair<FileManager*, const char*>> tables = {
        {Access::AGENTES, "Agentes.tps"},   {Access::DDJJ, "Ddjj.tps"},
        {Access::ANEXOI, "AnexoI.tps"},     {Access::ANEXOII, "AnexoII.tps"},
        {Access::ANEXOIII, "AnexoIII.tps"}, {Access::ALICUOTAS, "Alicuotas.tps"}};
    for (const auto& [table, name] : tables) {
        ASSERT_EQ(table->Open(), Benign) << name;
        EXPECT_FALSE(fs::exists(dir.file(name))) << name << " before its first use";
        EXPECT_EQ(table->TryNext(), Notify) << name;
        EXPECT_TRUE(table->GetEOF()) << name;
        EXPECT_TRUE(fs::exists(dir.file(name))) << name;
        EXPECT_EQ(table->File->records(), 0) << name;
        EXPECT_EQ(table->Close(), Benign) << name;
    }
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(TableFiles, tables_are_created_under_the_table_owner_password) {
    ASSERT_EQ(Access::AGENTES->Open(), Benign);
    ASSERT_EQ(addAgent(1, "20-12345678-6", "Banco"), Benign);
    Access::AGENTES->Close();

    Agentes buffer;
    auto file = store::makeKeyedTable(Agentes::desc(), &buffer);
    file->setName("Agentes.tps");
    file->setOwner(PRESENTATION_OWNER);
    EXPECT_EQ(file->open(0x42), store::AccessDenied);
    file->setOwner(TABLE_OWNER);
    ASSERT_EQ(file->open(0x42), store::Ok);
    ASSERT_EQ(file->next(), store::Ok);
    EXPECT_EQ(buffer.DENOMINACION.str(), "Banco");
    file->close();
}

TEST_F(TableFiles, presentation_file_is_named_by_its_variable_at_each_open) {
    ARCHIVO_DDJJ_A_PRESENTAR.set("Tmp.$$$");
    ASSERT_EQ(Access::DDJJ_A_PRESENTAR->Open(), Benign);
    for (const char* type : {"1", "2", "3"}) {
        DJP.TIPO_DE_CAMPO.set(type);
        DJP.RENGLON.set(std::string("body ") + type);
        ASSERT_EQ(Access::DDJJ_A_PRESENTAR->Insert(), Benign);
    }
    Access::DDJJ_A_PRESENTAR->Close();
    EXPECT_TRUE(fs::exists(dir.file("Tmp.$$$")));

    ARCHIVO_DDJJ_A_PRESENTAR.set("Otro.$$$");
    ASSERT_EQ(Access::DDJJ_A_PRESENTAR->Open(), Benign);
    EXPECT_EQ(Access::DDJJ_A_PRESENTAR->TryNext(), Notify);  // a new, empty file
    Access::DDJJ_A_PRESENTAR->Close();
    EXPECT_TRUE(fs::exists(dir.file("Otro.$$$")));

    ARCHIVO_DDJJ_A_PRESENTAR.set("Tmp.$$$");
    ASSERT_EQ(Access::DDJJ_A_PRESENTAR->Open(), Benign);
    const auto types =
        readAll(*Access::DDJJ_A_PRESENTAR, 0, [] { return DJP.TIPO_DE_CAMPO.str(); });
    EXPECT_EQ(types, (std::vector<std::string>{"1", "2", "3"}));  // in the order added
    Access::DDJJ_A_PRESENTAR->Close();

    DdjjAPresentar buffer;  // created under the presentation file's own password
    auto file = store::makeKeyedTable(DdjjAPresentar::desc(), &buffer);
    file->setName("Tmp.$$$");
    file->setOwner(TABLE_OWNER);
    EXPECT_EQ(file->open(0x42), store::AccessDenied);
    file->setOwner(PRESENTATION_OWNER);
    EXPECT_EQ(file->open(0x42), store::Ok);
}

TEST_F(TableFiles, monthly_text_file_is_read_from_the_name_in_its_variable) {
    {
        std::ofstream out(dir.file("ANEXO.TXT"), std::ios::binary);
        out << "5" << std::string(179, 'x') << "\r\n"
            << "6" << std::string(179, 'y') << "\r\n";
    }
    ARCHIVO_DDJJ_MENSUAL = "ANEXO.TXT";
    ASSERT_EQ(Access::DDJJ_MENSUAL->Open(), Benign);
    const auto lines = readAll(*Access::DDJJ_MENSUAL, 0, [] {
        return DJM.TIPO_DE_CAMPO.str() + std::string(1, DJM.RENGLON.raw()[178]);
    });
    EXPECT_EQ(lines, (std::vector<std::string>{"5x", "6y"}));
    Access::DDJJ_MENSUAL->Close();
}

}  // namespace
}  // namespace vorda::test
