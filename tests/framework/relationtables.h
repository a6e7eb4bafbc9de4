// Test tables for the relation and view managers: a parent (AGT, agents-like),
// its dependents (DEC, declaration-like, keyed by a 19-character composite
// key over four column parts) and their dependents (LIN, annex-like lines;
// NOT, notes), with real keyed tables in a fresh temporary directory.
//
//   AGT --NRO--> DEC --CLAVE--> LIN
//                    \--CLAVE--> NOT
//
// The relation modes are chosen per test (relate()); LIN's manager refuses a
// line of a 2002 declaration whose DOC is "RECHAZAR" with a field-rule
// message (error 14).
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/assertion.h"
#include "framework/errorclass.h"
#include "framework/filemanager.h"
#include "framework/relationmanager.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/store/makekeyedtable.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/fixedtext.h"
#include "tests/support/recordingpresenter.h"
#include "tests/support/tempdir.h"

namespace vorda::test {

struct AgtRecord {
    FixedText<11> NRO;
    FixedText<20> NOMBRE;
};
struct DecRecord {
    FixedText<19> CLAVE;  // NRO (11), ANIO (4), MES (2), PRES (2)
    Decimal IMPORTE;
    FixedText<10> NOTA;
};
struct LinRecord {
    FixedText<19> CLAVE;
    FixedText<15> DOC;
    int32_t ORDEN = 0;
    Decimal VALOR;
    Date FECHA;
};
struct NotRecord {
    FixedText<19> CLAVE;
    FixedText<20> TEXTO;
};

// Field numbers (descriptor order, counting the key parts).
namespace AGT_F {
constexpr int NRO = 1, NOMBRE = 2;
}
namespace DEC_F {
constexpr int CLAVE = 1, NRO = 2, ANIO = 3, MES = 4, PRES = 5, IMPORTE = 6, NOTA = 7;
}
namespace LIN_F {
constexpr int CLAVE = 1, NRO = 2, ANIO = 3, MES = 4, PRES = 5, DOC = 6, ORDEN = 7, VALOR = 8,
              FECHA = 9;
}
namespace NOT_F {
constexpr int CLAVE = 1, TEXTO = 6;
}
// Keys.
constexpr int AGT_BYNRO = 1, AGT_BYNOMBRE = 2;
constexpr int DEC_BYCLAVE = 1, DEC_BYAGT = 2;
constexpr int LIN_BYDEC = 1, LIN_BYDECDOC = 2, LIN_BYORDEN = 3;
constexpr int NOT_BYDEC = 1;

const store::TableDesc& agtDesc();
const store::TableDesc& decDesc();
const store::TableDesc& linDesc();
const store::TableDesc& notDesc();

// "1/23" + blanks to 11, year, month, presentation.
std::string declKey(std::string_view nro, std::string_view anio, std::string_view mes,
                    std::string_view pres = "00");

// Refuses a line of a 2002 declaration whose DOC is "RECHAZAR" the way a
// field rule does: it names the field and shows error 14.
class CheckedLines : public FileManager {
public:
    Level ValidateField(int field) override;
};

template <typename Record, typename Access = FileManager>
struct Table {
    Record rec{};
    std::unique_ptr<store::File> file;
    Access access;
    RelationManager relate;

    void init(const store::TableDesc& desc, ErrorClass& errors) {
        file = store::makeKeyedTable(desc, &rec);
        file->setOwner("RelTestOwner");
        access.Init(file.get(), &errors);
        for (size_t k = 0; k < desc.keys.size(); ++k) {
            access.AddKey(static_cast<int>(k + 1), desc.keys[k].description);
        }
        relate.Init(&access, Framing::Transaction);
    }
    void kill() {
        relate.Kill();
        access.Kill();
    }
    // Every record of the table, in file order, as `show` renders it.
    std::vector<std::string> all(const std::function<std::string(const Record&)>& show) {
        std::vector<std::string> rows;
        file->setKey(0);
        while (file->next() == store::Ok)
            rows.push_back(show(rec));
        return rows;
    }
};

struct RelationModes {
    RIMode agtDecUpdate = RINone, agtDecDelete = RINone;
    RIMode decLinUpdate = RINone, decLinDelete = RINone;
    RIMode decNotUpdate = RINone, decNotDelete = RINone;
};

class RelationFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Declares the relations on both sides and opens every table.
    void relate(const RelationModes& modes);

    void addAgent(std::string_view nro, std::string_view nombre = "Banco");
    void addDec(const std::string& key, int64_t importeCents = 100);
    void addLine(const std::string& key, std::string_view doc, int32_t orden = 0);
    void addNote(const std::string& key, std::string_view texto);

    bool fetchAgent(std::string_view nro);
    bool fetchDec(const std::string& key);
    // DOC of every line with CLAVE `key`, in key order.
    std::vector<std::string> linesOf(const std::string& key);
    std::vector<std::string> notesOf(const std::string& key);
    std::vector<std::string> decKeys();  // every declaration key, in key order
    std::vector<std::string> captions() const;

    static std::string assertionOf(const std::function<void()>& call);

    TempDir dir;
    RecordingPresenter boxes;
    ErrorClass errors;
    Table<AgtRecord> agt;
    Table<DecRecord> dec;
    Table<LinRecord, CheckedLines> lin;
    Table<NotRecord> nota;
    bool opened = false;

private:
    AssertionHandler previousHandler_;
};

}  // namespace vorda::test
