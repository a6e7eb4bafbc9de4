#include "tests/framework/relationtables.h"

#include <algorithm>
#include <cstddef>
#include <deque>

namespace vorda::test {

using store::FieldKind;

namespace {

// The four column parts laid over a 19-character declaration key at `base`.
std::vector<store::FieldDesc> keyFields(const char* prefix, size_t base) {
    static std::deque<std::string> names;  // keeps the c_str()s alive
    auto name = [&](const char* part) {
        names.push_back(std::string(prefix) + ":" + part);
        return names.back().c_str();
    };
    return {{name("CLAVE"), FieldKind::Text, base, 19, false},
            {name("NRO"), FieldKind::Text, base, 11, true},
            {name("ANIO"), FieldKind::Text, base + 11, 4, true},
            {name("MES"), FieldKind::Text, base + 15, 2, true},
            {name("PRES"), FieldKind::Text, base + 17, 2, true}};
}

std::vector<store::FieldDesc> withKeyFields(const char* prefix, size_t base,
                                            std::vector<store::FieldDesc> rest) {
    std::vector<store::FieldDesc> fields = keyFields(prefix, base);
    fields.insert(fields.end(), rest.begin(), rest.end());
    return fields;
}

}  // namespace

const store::TableDesc& agtDesc() {
    static const store::TableDesc desc{
        .name = "AGT",
        .prefix = "AGT",
        .fileName = "Agt.tps",
        .recordSize = sizeof(AgtRecord),
        .recordLength = 31,
        .fields = {{"AGT:NRO", FieldKind::Text, offsetof(AgtRecord, NRO), 11, true},
                   {"AGT:NOMBRE", FieldKind::Text, offsetof(AgtRecord, NOMBRE), 20, true}},
        .keys = {{.name = "AGT:BYNRO", .description = "Por Número", .components = {{1}}},
                 {.name = "AGT:BYNOMBRE",
                  .description = "Por Nombre",
                  .components = {{2}},
                  .unique = false,
                  .noCase = true}}};
    return desc;
}

const store::TableDesc& decDesc() {
    static const store::TableDesc desc{
        .name = "DEC",
        .prefix = "DEC",
        .fileName = "Dec.tps",
        .recordSize = sizeof(DecRecord),
        .recordLength = 37,
        .fields = withKeyFields(
            "DEC", offsetof(DecRecord, CLAVE),
            {{"DEC:IMPORTE", FieldKind::Decimal, offsetof(DecRecord, IMPORTE), 15, true, 2},
             {"DEC:NOTA", FieldKind::Text, offsetof(DecRecord, NOTA), 10, true}}),
        .keys = {{.name = "DEC:BYCLAVE", .description = "Por Clave", .components = {{1}}},
                 {.name = "DEC:BYAGT",
                  .description = "Por Agente",
                  .components = {{2}},
                  .unique = false}}};
    return desc;
}

const store::TableDesc& linDesc() {
    static const store::TableDesc desc{
        .name = "LIN",
        .prefix = "LIN",
        .fileName = "Lin.tps",
        .recordSize = sizeof(LinRecord),
        .recordLength = 50,
        .fields = withKeyFields(
            "LIN", offsetof(LinRecord, CLAVE),
            {{"LIN:DOC", FieldKind::Text, offsetof(LinRecord, DOC), 15, true},
             {"LIN:ORDEN", FieldKind::Int32, offsetof(LinRecord, ORDEN), 0, true},
             {"LIN:VALOR", FieldKind::Decimal, offsetof(LinRecord, VALOR), 15, true, 2},
             {"LIN:FECHA", FieldKind::Date, offsetof(LinRecord, FECHA), 0, true}}),
        .keys = {{.name = "LIN:BYDEC",
                  .description = "Por Declaración",
                  .components = {{1}},
                  .unique = false},
                 {.name = "LIN:BYDECDOC",
                  .description = "Por Declaración y Documento",
                  .components = {{1}, {6}},
                  .unique = false},
                 {.name = "LIN:BYORDEN",
                  .description = "Por Orden",
                  .components = {{7}},
                  .unique = false}}};
    return desc;
}

const store::TableDesc& notDesc() {
    static const store::TableDesc desc{
        .name = "NOT",
        .prefix = "NOT",
        .fileName = "Not.tps",
        .recordSize = sizeof(NotRecord),
        .recordLength = 39,
        .fields =
            withKeyFields("NOT", offsetof(NotRecord, CLAVE),
                          {{"NOT:TEXTO", FieldKind::Text, offsetof(NotRecord, TEXTO), 20, true}}),
        .keys = {{.name = "NOT:BYDEC",
                  .description = "Por Declaración",
                  .components = {{1}},
                  .unique = false}}};
    return desc;
}

std::string declKey(std::string_view nro, std::string_view anio, std::string_view mes,
                    std::string_view pres) {
    std::string key(nro);
    key.resize(11, ' ');
    return key + std::string(anio) + std::string(mes) + std::string(pres);
}

Level CheckedLines::ValidateField(int field) {
    auto* line = static_cast<LinRecord*>(File->buffer());
    if (field == LIN_F::DOC && line->DOC.str() == "RECHAZAR" &&
        line->CLAVE.sub(11, 4).str() == "2002") {
        Errors->SetField("LIN:DOC");
        return Errors->ThrowMessage(14, "Documentos");
    }
    return FileManager::ValidateField(field);
}

// ---------------------------------------------------------------------------

void RelationFixture::SetUp() {
    previousHandler_ = setAssertionHandler([](const std::string& t) { throw AssertionFailed(t); });
    errors.Init();
    agt.init(agtDesc(), errors);
    dec.init(decDesc(), errors);
    lin.init(linDesc(), errors);
    nota.init(notDesc(), errors);
}

void RelationFixture::TearDown() {
    if (opened)
        agt.relate.Close();
    nota.kill();
    lin.kill();
    dec.kill();
    agt.kill();
    errors.Kill();
    setAssertionHandler(previousHandler_);
}

void RelationFixture::relate(const RelationModes& m) {
    agt.relate.AddRelation(&dec.relate, m.agtDecUpdate, m.agtDecDelete, DEC_BYAGT);
    agt.relate.AddRelationLink(AGT_F::NRO, DEC_F::NRO);
    dec.relate.AddRelation(&agt.relate);
    dec.relate.AddRelation(&lin.relate, m.decLinUpdate, m.decLinDelete, LIN_BYDECDOC);
    dec.relate.AddRelationLink(DEC_F::CLAVE, LIN_F::CLAVE);
    dec.relate.AddRelation(&nota.relate, m.decNotUpdate, m.decNotDelete, NOT_BYDEC);
    dec.relate.AddRelationLink(DEC_F::CLAVE, NOT_F::CLAVE);
    lin.relate.AddRelation(&dec.relate);
    nota.relate.AddRelation(&dec.relate);
    ASSERT_EQ(agt.relate.Open(), Benign);
    opened = true;
}

void RelationFixture::addAgent(std::string_view nro, std::string_view nombre) {
    agt.rec.NRO.set(nro);
    agt.rec.NOMBRE.set(nombre);
    ASSERT_EQ(agt.access.Insert(), Benign);
}

void RelationFixture::addDec(const std::string& key, int64_t importeCents) {
    dec.rec.CLAVE.set(key);
    dec.rec.IMPORTE = Decimal::fromHundredths(importeCents);
    dec.rec.NOTA.clear();
    ASSERT_EQ(dec.access.Insert(), Benign);
}

void RelationFixture::addLine(const std::string& key, std::string_view doc, int32_t orden) {
    lin.rec.CLAVE.set(key);
    lin.rec.DOC.set(doc);
    lin.rec.ORDEN = orden;
    lin.rec.VALOR = Decimal::fromInteger(orden);
    lin.rec.FECHA = Date();
    ASSERT_EQ(lin.access.Insert(), Benign);
}

void RelationFixture::addNote(const std::string& key, std::string_view texto) {
    nota.rec.CLAVE.set(key);
    nota.rec.TEXTO.set(texto);
    ASSERT_EQ(nota.access.Insert(), Benign);
}

bool RelationFixture::fetchAgent(std::string_view nro) {
    agt.rec.NRO.set(nro);
    return agt.access.TryFetch(AGT_BYNRO) == Benign;
}

bool RelationFixture::fetchDec(const std::string& key) {
    dec.rec.CLAVE.set(key);
    return dec.access.TryFetch(DEC_BYCLAVE) == Benign;
}

namespace {

// The second column of the "CLAVE|value" rows whose CLAVE is `key`.
std::vector<std::string> valuesOfKey(const std::vector<std::string>& rows, const std::string& key) {
    std::vector<std::string> values;
    for (const std::string& row : rows) {
        const size_t bar = row.find('|');
        if (row.substr(0, bar) == FixedText<19>(key).str())
            values.push_back(row.substr(bar + 1));
    }
    return values;
}

}  // namespace

std::vector<std::string> RelationFixture::linesOf(const std::string& key) {
    return valuesOfKey(
        lin.all([](const LinRecord& r) { return r.CLAVE.str() + "|" + r.DOC.str(); }), key);
}

std::vector<std::string> RelationFixture::notesOf(const std::string& key) {
    return valuesOfKey(
        nota.all([](const NotRecord& r) { return r.CLAVE.str() + "|" + r.TEXTO.str(); }), key);
}

std::vector<std::string> RelationFixture::decKeys() {
    std::vector<std::string> keys = dec.all([](const DecRecord& r) { return r.CLAVE.str(); });
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::vector<std::string> RelationFixture::captions() const {
    std::vector<std::string> result;
    for (const RecordedBox& box : boxes.shown())
        result.push_back(box.caption);
    return result;
}

std::string RelationFixture::assertionOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const AssertionFailed& e) {
        return e.what();
    }
    return "(no assertion)";
}

}  // namespace vorda::test
