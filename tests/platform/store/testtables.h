// Small tables for the store tests, and a fresh temporary directory per test.
//
// `Rec` has every kind of field the store maps: a unique text key (CODIGO),
// a non-unique case-insensitive text key (NOMBRE), a 19-character
// declaration-style key laid over four text columns (DECL = AGENTE + AÑO +
// MES + PRES), a Decimal of 15 digits, a Date and an Int32. The same record
// serves four tables: PRUEBA (all three keys), and DECL/LINEA/EXTRA for the
// multi-table transaction tests (DECL unique on DECL, the others not).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/tabledesc.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/fixedtext.h"

namespace vorda::store::test {

struct Rec {
    FixedText<6> CODIGO;
    FixedText<20> NOMBRE;
    FixedText<19> DECL;  // AGENTE(11) AÑO(4) MES(2) PRES(2)
    Decimal IMPORTE;
    Date FECHA;
    int32_t ORDEN = 0;

    TextRef agente() { return DECL.sub(0, 11); }
    TextRef anio() { return DECL.sub(11, 4); }
    TextRef mes() { return DECL.sub(15, 2); }
    TextRef pres() { return DECL.sub(17, 2); }
    // Sets the declaration key from its parts.
    void setDecl(std::string_view agente, std::string_view anio, std::string_view mes,
                 std::string_view pres);
};

// Field numbers of Rec's descriptors.
enum RecField {
    F_CODIGO = 1,
    F_NOMBRE,
    F_DECL,
    F_AGENTE,
    F_ANIO,
    F_MES,
    F_PRES,
    F_IMPORTE,
    F_FECHA,
    F_ORDEN
};

const TableDesc& pruebaDesc();  // keys: 1 CODIGO (unique), 2 NOMBRE (noCase, dups), 3 DECL (dups)
// PRUEBA with its rows kept in the order of key 3 (same name, file and keys).
const TableDesc& pruebaClusteredDesc();
const TableDesc& declDesc();   // key 1 DECL unique
const TableDesc& lineaDesc();  // key 1 DECL dups
const TableDesc& extraDesc();  // key 1 DECL dups

inline constexpr const char* kOwner = "TESTOWNER123";
inline constexpr int kShared = 0x42;     // read/write, deny none
inline constexpr int kExclusive = 0x12;  // read/write, deny all
inline constexpr int kReadOnly = 0x40;   // read only, deny none

// One keyed table with a record buffer of its own, under the test owner.
struct Table {
    explicit Table(const TableDesc& desc = pruebaDesc());
    // create() then open(mode); Ok or the failing code.
    int createOpen(int mode = kShared);
    // Sets CODIGO, NOMBRE, ORDEN and (optionally) the declaration key, then add().
    int add(std::string_view codigo, std::string_view nombre = "", int orden = 0,
            std::string_view decl = "");
    // next() (or previous()) until NoMoreRecords; the CODIGO of each record.
    std::vector<std::string> readAll(bool forward = true);

    Rec rec;
    std::unique_ptr<File> file;
};

// Each test runs in a fresh temporary directory, which is its current directory.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::filesystem::path dir_;
    std::filesystem::path previous_;
};

// A test run once for each way of keeping PRUEBA's rows; GetParam() is the
// descriptor (also in the fixture's constructor).
class LayoutTest : public StoreTest, public ::testing::WithParamInterface<const TableDesc*> {};
// SQLite virtual-machine steps taken so far by the statements of the shared
// connection: the work reads do, counted the same on a loaded machine as on
// an idle one (for tests that a read seeks instead of scanning).
int64_t vmSteps();

// Virtual-machine steps spent by `n` reads of `reader.next()` (a File or a
// Cursor); -1 when one failed (for `n` = 1, finding no more records counts
// as done).
template <typename Reader>
int64_t vmStepsFor(Reader& reader, int n) {
    const int64_t before = vmSteps();
    for (int i = 0; i < n; ++i) {
        const int code = reader.next();
        if (code != Ok && !(n == 1 && code == NoMoreRecords))
            return -1;
    }
    return vmSteps() - before;
}

inline auto bothLayouts() {
    return ::testing::Values(&pruebaDesc(), &pruebaClusteredDesc());
}
inline std::string layoutName(const ::testing::TestParamInfo<const TableDesc*>& info) {
    return info.param->clusterKey ? "clustered" : "file_order";
}

}  // namespace vorda::store::test
