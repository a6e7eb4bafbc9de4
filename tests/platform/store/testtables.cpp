#include "testtables.h"

#include <sqlite3.h>

#include <cstddef>
#include <cstdlib>
#include <deque>

#include "platform/store/connection.h"
#include "platform/store/makekeyedtable.h"

namespace vorda::store::test {
namespace {

std::vector<FieldDesc> recFields(const char* p) {
    // Names must outlive the descriptors: keep them in static storage per prefix.
    static std::deque<std::string> names;
    const auto n = [&](const char* field) {
        names.push_back(std::string(p) + ":" + field);
        return names.back().c_str();
    };
    return {
        {n("CODIGO"), FieldKind::Text, offsetof(Rec, CODIGO), 6, true},
        {n("NOMBRE"), FieldKind::Text, offsetof(Rec, NOMBRE), 20, true},
        {n("DECL"), FieldKind::Text, offsetof(Rec, DECL), 19, false},
        {n("AGENTE"), FieldKind::Text, offsetof(Rec, DECL), 11, true},
        {n("AÑO"), FieldKind::Text, offsetof(Rec, DECL) + 11, 4, true},
        {n("MES"), FieldKind::Text, offsetof(Rec, DECL) + 15, 2, true},
        {n("PRES"), FieldKind::Text, offsetof(Rec, DECL) + 17, 2, true},
        {n("IMPORTE"), FieldKind::Decimal, offsetof(Rec, IMPORTE), 15, true, 2},
        {n("FECHA"), FieldKind::Date, offsetof(Rec, FECHA), 0, true},
        {n("ORDEN"), FieldKind::Int32, offsetof(Rec, ORDEN), 0, true},
    };
}

TableDesc makeDesc(const char* name, const char* prefix, const char* file,
                   std::vector<KeyDesc> keys) {
    return {.name = name,
            .prefix = prefix,
            .fileName = file,
            .recordSize = sizeof(Rec),
            .recordLength = 70,
            .fields = recFields(prefix),
            .keys = std::move(keys)};
}

KeyDesc declKey(bool unique) {
    return {.name = "K:DECL",
            .description = "Por DDJJ",
            .components = {{.field = F_DECL}},
            .unique = unique};
}

}  // namespace

void Rec::setDecl(std::string_view a, std::string_view y, std::string_view m, std::string_view p) {
    agente().set(a);
    anio().set(y);
    mes().set(m);
    pres().set(p);
}

const TableDesc& pruebaDesc() {
    static const TableDesc d = makeDesc(
        "PRUEBA", "PRU", "Prueba.tps",
        {{.name = "PRU:CODIGO", .description = "Por Código", .components = {{.field = F_CODIGO}}},
         {.name = "PRU:NOMBRE",
          .description = "Por Nombre",
          .components = {{.field = F_NOMBRE}},
          .unique = false,
          .noCase = true},
         declKey(false)});
    return d;
}

const TableDesc& pruebaClusteredDesc() {
    static const TableDesc d = [] {
        TableDesc c = pruebaDesc();
        c.clusterKey = 3;
        return c;
    }();
    return d;
}

const TableDesc& declDesc() {
    static const TableDesc d = makeDesc("DECL", "DEC", "Decl.tps", {declKey(true)});
    return d;
}

const TableDesc& lineaDesc() {
    static const TableDesc d = makeDesc("LINEA", "LIN", "Linea.tps", {declKey(false)});
    return d;
}

const TableDesc& extraDesc() {
    static const TableDesc d = makeDesc("EXTRA", "EXT", "Extra.tps", {declKey(false)});
    return d;
}

Table::Table(const TableDesc& desc) : file(makeKeyedTable(desc, &rec)) {
    file->setOwner(kOwner);
}

int Table::createOpen(int mode) {
    const int code = file->create();
    return code != Ok ? code : file->open(mode);
}

int Table::add(std::string_view codigo, std::string_view nombre, int orden, std::string_view decl) {
    rec.CODIGO.set(codigo);
    rec.NOMBRE.set(nombre);
    rec.ORDEN = orden;
    rec.DECL.set(decl);
    return file->add();
}

std::vector<std::string> Table::readAll(bool forward) {
    std::vector<std::string> out;
    int code;
    while ((code = forward ? file->next() : file->previous()) == Ok)
        out.push_back(rec.CODIGO.str());
    EXPECT_EQ(code, NoMoreRecords);
    return out;
}

void StoreTest::SetUp() {
    previous_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "vorda-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    std::filesystem::current_path(dir_);
}

void StoreTest::TearDown() {
    std::filesystem::current_path(previous_);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

int64_t vmSteps() {
    sqlite3* db = Connection::shared()->handle();
    int64_t steps = 0;
    for (sqlite3_stmt* st = sqlite3_next_stmt(db, nullptr); st != nullptr;
         st = sqlite3_next_stmt(db, st))
        steps += sqlite3_stmt_status(st, SQLITE_STMTSTATUS_VM_STEP, 0);
    return steps;
}

}  // namespace vorda::store::test
