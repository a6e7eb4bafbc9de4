// RelationManager over real keyed tables (tests/framework/relationtables.h).
//
//   RelationDelete  - confirm (9), restrict (30), cascade over two levels, clear,
//                     a failure in the middle of a cascade, the retry question (33)
//   RelationUpdate  - cascade rewrites dependents (recursively), restrict (31) puts
//                     the links back, a refused dependent rolls everything back and
//                     its message is shown only after the rollback, 6 and 7
//   RelationMisuse  - the fixed assertion texts
#include "framework/relationmanager.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/store/makekeyedtable.h"
#include "platform/text/textfile.h"
#include "tests/framework/relationtables.h"

namespace vorda::test {
namespace {

const std::string K1 = declKey("1/23", "2001", "03");
const std::string K2 = declKey("1/23", "2001", "10");
const std::string K3 = declKey("1/23", "2002", "01");
const std::string B1 = declKey("9/99", "2001", "03");

class RelationDelete : public RelationFixture {
protected:
    // Agent 1/23 with declarations K1 (lines A, "", C) and K2 (line D);
    // agent 9/99 with B1 (line E).
    void fill() {
        addAgent("1/23");
        addAgent("9/99");
        addDec(K1);
        addDec(K2);
        addDec(B1);
        addLine(K1, "A");
        addLine(B1, "E");
        addLine(K1, "");
        addLine(K2, "D");
        addLine(K1, "C");
        ASSERT_TRUE(boxes.shown().empty());
    }
    void expectUntouched() {
        EXPECT_TRUE(fetchAgent("1/23"));
        EXPECT_EQ(decKeys(), (std::vector<std::string>{K1, K2, B1}));
        EXPECT_EQ(linesOf(K1), (std::vector<std::string>{"A", "", "C"}));
        EXPECT_EQ(linesOf(K2), (std::vector<std::string>{"D"}));
    }
};

TEST_F(RelationDelete, confirmation_answered_no_deletes_nothing) {
    relate({.decLinDelete = RICascade});
    fill();
    ASSERT_TRUE(fetchDec(K1));
    boxes.answer(ui::ButtonNo);
    EXPECT_EQ(dec.relate.Delete(), Notify);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Confirmar Borrado"}));
    expectUntouched();
}

TEST_F(RelationDelete, restrict_reports_30_naming_the_dependent_table_and_deletes_nothing) {
    relate({.agtDecDelete = RIRestrict, .decLinDelete = RICascade});
    fill();
    ASSERT_TRUE(fetchAgent("1/23"));
    boxes.answer({ui::ButtonOk, ui::ButtonNo});  // 30, then 33: do not try again
    EXPECT_EQ(agt.relate.Delete(Confirm::DontAsk), Notify);
    ASSERT_EQ(captions(), (std::vector<std::string>{"Error de Integridad Referencial (Borrado)",
                                                    "Error en Borrar Registro"}));
    EXPECT_EQ(boxes.shown()[0].text,
              "Este registro esta siendo referenciado desde la tabla Dec.tps. Este registro no "
              "puede ser eliminado mientras exista esta referencia.");
    expectUntouched();
}

TEST_F(RelationDelete, retry_question_repeats_the_attempt_until_answered_no) {
    relate({.agtDecDelete = RIRestrict});
    fill();
    ASSERT_TRUE(fetchAgent("1/23"));
    boxes.answer({ui::ButtonOk, ui::ButtonYes, ui::ButtonOk, ui::ButtonNo});
    EXPECT_EQ(agt.relate.Delete(Confirm::DontAsk), Notify);
    EXPECT_EQ(captions(), (std::vector<std::string>{
                              "Error de Integridad Referencial (Borrado)",
                              "Error en Borrar Registro",
                              "Error de Integridad Referencial (Borrado)",
                              "Error en Borrar Registro",
                          }));
    EXPECT_TRUE(fetchAgent("1/23"));
}

TEST_F(RelationDelete, cascade_removes_dependents_of_dependents_and_nothing_else) {
    relate({.agtDecDelete = RICascade, .decLinDelete = RICascade});
    fill();
    ASSERT_TRUE(fetchAgent("1/23"));
    boxes.answer(ui::ButtonYes);
    EXPECT_EQ(agt.relate.Delete(), Benign);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Confirmar Borrado"}));
    EXPECT_FALSE(fetchAgent("1/23"));
    EXPECT_TRUE(fetchAgent("9/99"));
    EXPECT_EQ(decKeys(), (std::vector<std::string>{B1}));
    EXPECT_TRUE(linesOf(K1).empty());
    EXPECT_TRUE(linesOf(K2).empty());
    EXPECT_EQ(linesOf(B1), (std::vector<std::string>{"E"}));
}

TEST_F(RelationDelete, cascade_leaves_the_dependent_tables_state_as_it_was) {
    relate({.decLinDelete = RICascade});
    fill();
    lin.rec.CLAVE.set(B1);
    lin.access.SetKey(LIN_BYDEC);
    ASSERT_EQ(lin.access.TryNext(), Benign);  // the caller is on line E of B1
    ASSERT_TRUE(fetchDec(K1));
    EXPECT_EQ(dec.relate.Delete(Confirm::DontAsk), Benign);
    EXPECT_EQ(lin.rec.DOC.str(), "E");
    EXPECT_EQ(lin.access.TryNext(), Notify);  // E was the last line in key order
    EXPECT_EQ(linesOf(K2), (std::vector<std::string>{"D"}));
}

TEST_F(RelationDelete, clear_blanks_the_dependents_links_and_keeps_them) {
    relate({.decNotDelete = RIClear});
    fill();
    addNote(K1, "uno");
    addNote(K2, "dos");
    ASSERT_TRUE(fetchDec(K1));
    EXPECT_EQ(dec.relate.Delete(Confirm::DontAsk), Benign);
    EXPECT_EQ(notesOf(""), (std::vector<std::string>{"uno"}));
    EXPECT_EQ(notesOf(K2), (std::vector<std::string>{"dos"}));
}

TEST_F(RelationDelete, a_failure_in_the_middle_of_a_cascade_rolls_everything_back) {
    // K1 goes first (lines deleted, declaration deleted), then K2's note refuses.
    relate({.agtDecDelete = RICascade, .decLinDelete = RICascade, .decNotDelete = RIRestrict});
    fill();
    addNote(K2, "bloquea");
    ASSERT_TRUE(fetchAgent("1/23"));
    boxes.answer({ui::ButtonOk, ui::ButtonNo});
    EXPECT_EQ(agt.relate.Delete(Confirm::DontAsk), Notify);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Error de Integridad Referencial (Borrado)",
                                                    "Error en Borrar Registro"}));
    EXPECT_NE(boxes.shown()[0].text.find("tabla Not.tps"), std::string::npos);
    expectUntouched();
    EXPECT_EQ(notesOf(K2), (std::vector<std::string>{"bloquea"}));
}

TEST_F(RelationDelete, a_read_only_dependent_fails_the_cascade_and_it_is_rolled_back) {
    relate({.agtDecDelete = RICascade, .decLinDelete = RICascade});
    fill();
    ASSERT_EQ(lin.access.Close(), Benign);  // reopen LIN read-only
    lin.access.OpenMode = 0x40;
    ASSERT_EQ(lin.access.Open(), Benign);
    ASSERT_EQ(lin.access.UseFile(), Benign);
    ASSERT_TRUE(fetchAgent("1/23"));
    boxes.answer({ui::ButtonOk, ui::ButtonNo});
    EXPECT_EQ(agt.relate.Delete(Confirm::DontAsk), Notify);
    EXPECT_EQ(captions(),
              (std::vector<std::string>{"Registro no fue Borrado", "Error en Borrar Registro"}));
    EXPECT_NE(boxes.shown()[0].text.find("Archivo Lin.tps"), std::string::npos);
    expectUntouched();
}

TEST_F(RelationDelete, a_transaction_that_cannot_begin_in_time_reports_21) {
    relate({.decLinDelete = RICascade});
    fill();
    sqlite3* station = nullptr;  // another station writing LIN for longer than 2 s
    ASSERT_EQ(sqlite3_open("Lin.tps", &station), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(station, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_TRUE(fetchDec(K1));
    boxes.answer({ui::ButtonOk, ui::ButtonNo});
    EXPECT_EQ(dec.relate.Delete(Confirm::DontAsk), Notify);
    sqlite3_exec(station, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(station);
    EXPECT_EQ(captions(),
              (std::vector<std::string>{"Transacción Cancelada", "Error en Borrar Registro"}));
    EXPECT_NE(boxes.shown()[0].text.find("tabla Dec.tps"), std::string::npos);
    expectUntouched();
}

// ---------------------------------------------------------------------------

class RelationUpdate : public RelationFixture {
protected:
    void fill() {
        addAgent("1/23");
        addDec(K1);
        addDec(K2);
        addLine(K1, "A");
        addLine(K2, "D");
        addLine(K1, "B");
        addLine(K1, "C");
        ASSERT_TRUE(boxes.shown().empty());
    }
};

TEST_F(RelationUpdate, cascade_rewrites_every_dependent_with_the_new_key) {
    relate({.decLinUpdate = RICascade});
    fill();
    ASSERT_TRUE(fetchDec(K1));
    dec.relate.Save();
    dec.rec.CLAVE.set(K3);
    EXPECT_EQ(dec.relate.Update(), Benign);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(decKeys(), (std::vector<std::string>{K2, K3}));
    EXPECT_TRUE(linesOf(K1).empty());
    EXPECT_EQ(linesOf(K3), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(linesOf(K2), (std::vector<std::string>{"D"}));
}

TEST_F(RelationUpdate, cascade_follows_a_dependents_changed_key_to_its_own_dependents) {
    relate({.agtDecUpdate = RICascade, .decLinUpdate = RICascade});
    fill();
    ASSERT_TRUE(fetchAgent("1/23"));
    agt.relate.Save();
    agt.rec.NRO.set("4/56");
    EXPECT_EQ(agt.relate.Update(), Benign);
    const std::string n1 = declKey("4/56", "2001", "03");
    const std::string n2 = declKey("4/56", "2001", "10");
    EXPECT_EQ(decKeys(), (std::vector<std::string>{n1, n2}));
    EXPECT_EQ(linesOf(n1), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(linesOf(n2), (std::vector<std::string>{"D"}));
    EXPECT_TRUE(linesOf(K1).empty());
}

TEST_F(RelationUpdate, restrict_reports_31_and_puts_the_parents_links_back) {
    relate({.agtDecUpdate = RIRestrict});
    fill();
    ASSERT_TRUE(fetchAgent("1/23"));
    agt.relate.Save();
    agt.rec.NRO.set("4/56");
    agt.rec.NOMBRE.set("Otro nombre");
    EXPECT_EQ(agt.relate.Update(), Notify);
    EXPECT_EQ(captions(),
              (std::vector<std::string>{"Error de Integridad Referencial (Actualización)"}));
    EXPECT_EQ(agt.rec.NRO.str(), "1/23");
    EXPECT_EQ(agt.rec.NOMBRE.str(), "Otro nombre");  // only the links go back
    EXPECT_TRUE(fetchAgent("1/23"));
    EXPECT_EQ(agt.rec.NOMBRE.str(), "Banco");  // nothing was written
    EXPECT_FALSE(fetchAgent("4/56"));
}

TEST_F(RelationUpdate, a_copy_saved_from_another_record_is_not_used) {
    relate({.decLinUpdate = RICascade});
    fill();
    ASSERT_TRUE(fetchDec(K1));
    dec.relate.Save();
    ASSERT_TRUE(fetchDec(K2));
    dec.rec.IMPORTE = Decimal::fromInteger(3);
    EXPECT_EQ(dec.relate.Update(), Benign);
    EXPECT_EQ(linesOf(K1), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(linesOf(K2), (std::vector<std::string>{"D"}));
}

// Shows each box like RecordingPresenter, after counting through a second
// file on Lin.tps the lines that carry `key`: a transaction still open when
// the box is shown would make its uncommitted lines visible here.
class ProbingPresenter : public RecordingPresenter {
public:
    explicit ProbingPresenter(std::string key) : key_(std::move(key)) {
        probe_ = store::makeKeyedTable(linDesc(), &rec_);
        probe_->setOwner("RelTestOwner");
        EXPECT_EQ(probe_->open(0x42), store::Ok);
    }
    unsigned show(const ui::MessageBox& box) override {
        int count = 0;
        probe_->setKey(0);
        while (probe_->next() == store::Ok)
            count += rec_.CLAVE.str() == FixedText<19>(key_).str();
        counts.push_back(count);
        return RecordingPresenter::show(box);
    }
    std::vector<int> counts;

private:
    std::string key_;
    LinRecord rec_;
    std::unique_ptr<store::File> probe_;
};

TEST_F(RelationUpdate, a_refused_dependent_rolls_back_and_its_message_waits_for_the_rollback) {
    relate({.decLinUpdate = RICascade});
    fill();
    addLine(K1, "RECHAZAR");  // refused after A, B and C were rewritten
    ProbingPresenter probing(K3);
    ASSERT_TRUE(fetchDec(K1));
    dec.relate.Save();
    dec.rec.CLAVE.set(K3);
    EXPECT_EQ(dec.relate.Update(), Notify);
    ASSERT_EQ(probing.shown().size(), 1u);
    EXPECT_EQ(probing.shown()[0].caption, "Error en Contenido de campo");
    EXPECT_EQ(probing.shown()[0].text, "El valor de LIN:DOC debe existir en tabla Documentos.");
    EXPECT_EQ(probing.counts, (std::vector<int>{0}));
    EXPECT_EQ(dec.rec.CLAVE.str(), FixedText<19>(K1).str());
    EXPECT_EQ(decKeys(), (std::vector<std::string>{K1, K2}));
    EXPECT_EQ(linesOf(K1), (std::vector<std::string>{"A", "B", "C", "RECHAZAR"}));
    EXPECT_TRUE(linesOf(K3).empty());
}

class OtherStation : public RelationUpdate {
protected:
    // Another station changes K1's amount after this one read it.
    void changeElsewhere(int64_t amount) {
        if (!other) {
            other = store::makeKeyedTable(decDesc(), &otherRec);
            other->setOwner("RelTestOwner");
            ASSERT_EQ(other->open(0x42), store::Ok);
        }
        otherRec.CLAVE.set(K1);
        ASSERT_EQ(other->get(DEC_BYCLAVE), store::Ok);
        otherRec.IMPORTE = Decimal::fromInteger(amount);
        ASSERT_EQ(other->put(), store::Ok);
    }
    DecRecord otherRec;
    std::unique_ptr<store::File> other;
};

TEST_F(OtherStation, gives_error_6_or_for_a_form_7_and_the_buffer_holds_its_values) {
    relate({.decLinUpdate = RICascade});
    fill();
    ASSERT_TRUE(fetchDec(K1));
    changeElsewhere(777);
    dec.rec.IMPORTE = Decimal::fromInteger(5);
    EXPECT_EQ(dec.relate.Update(ChangedElsewhere::ReportAndShow), Notify);
    EXPECT_EQ(dec.rec.IMPORTE, Decimal::fromInteger(777));
    changeElsewhere(888);
    EXPECT_EQ(dec.relate.Update(), Notify);
    EXPECT_EQ(dec.rec.IMPORTE, Decimal::fromInteger(888));
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].text,
              "Este registro fue modificado por otra estación. Los cambios serán mostrados "
              "ahora. Use el botón Ditto or Ctrl+' para restaurar sus cambios.");
    EXPECT_EQ(boxes.shown()[1].text, "Este registro fue modificado por otra estación.");
}

// ---------------------------------------------------------------------------

using RelationMisuse = RelationFixture;

TEST_F(RelationMisuse, fixed_assertion_texts) {
    RelationManager loose;
    EXPECT_EQ(assertionOf([&] { loose.Update(); }), "Relation manager incorrectly initialized.");
    EXPECT_EQ(assertionOf([&] { agt.relate.AddRelation(&dec.relate, RIMode(4), RINone, 2); }),
              "Invalid RI mode");
    agt.relate.AddRelation(&dec.relate, RINone, RICascade, DEC_BYAGT);  // no link
    ASSERT_EQ(agt.relate.Open(), Benign);
    addAgent("1/23");
    addDec(K1);
    ASSERT_TRUE(fetchAgent("1/23"));
    EXPECT_EQ(assertionOf([&] { agt.relate.Delete(Confirm::DontAsk); }),
              "Relation must have at least on linking field");
    agt.relate.Close();
}

TEST_F(RelationMisuse, a_text_file_cannot_take_part_in_a_transaction) {
    static const store::TableDesc textDesc{
        .name = "TXT",
        .prefix = "TXT",
        .fileName = "Txt.txt",
        .recordSize = 10,
        .recordLength = 10,
        .fields = {{"TXT:LINEA", store::FieldKind::Text, 0, 10, true}},
        .keys = {}};
    FixedText<10> line;
    std::unique_ptr<store::File> file = store::makeTextFile(textDesc, &line);
    FileManager access;
    access.Init(file.get(), &errors);
    RelationManager text;
    text.Init(&access, Framing::Transaction);
    agt.relate.AddRelation(&text, RICascade, RICascade, 1);
    agt.relate.AddRelationLink(AGT_F::NRO, 1);
    ASSERT_EQ(agt.relate.Open(), Benign);
    addAgent("1/23");
    ASSERT_TRUE(fetchAgent("1/23"));
    EXPECT_EQ(assertionOf([&] { agt.relate.Delete(Confirm::DontAsk); }),
              "Driver does not support transaction framing.");
    agt.relate.Close();
    text.Kill();
    access.Kill();
}

}  // namespace
}  // namespace vorda::test
