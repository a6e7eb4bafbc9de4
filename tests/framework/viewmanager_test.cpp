// ViewManager over real keyed tables (tests/framework/relationtables.h).
//
//   ViewRange   - parent, given, between and current-value ranges read exactly
//                 their records in key order, both ways; range change detection
//   ViewText    - the filter text, compared character for character
//   ViewRefused - texts the parser or the store refuse: error 40, unfiltered
//   ViewRead    - ValidateRecord, positions, PrimeRecord, a text file in file order
//   ViewMisuse  - the fixed assertion texts
#include "framework/viewmanager.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/text/textfile.h"
#include "tests/framework/relationtables.h"

namespace vorda::test {
namespace {

// "O'B" makes the key's literal need a doubled quote and inner blanks.
const std::string KQ = declKey("O'B", "2001", "03");
const std::string KQ1 = declKey("O'B", "2001", "03", "01");
const std::string K2 = declKey("O'B", "2001", "10");
const std::string KQText = "'O''B        20010300'";

template <typename T>
ViewManager::LimitValue imageOf(T value) {
    return [value] { return std::string(reinterpret_cast<const char*>(&value), sizeof value); };
}

class ViewTest : public RelationFixture {
protected:
    void SetUp() override {
        RelationFixture::SetUp();
        relate({.decLinUpdate = RICascade, .decLinDelete = RICascade});
        for (const char* doc : {"C", "A", "B", ""})
            addLine(KQ, doc);
        addLine(KQ1, "E");
        addLine(K2, "D");
    }
    void TearDown() override {
        view.Kill();
        RelationFixture::TearDown();
    }
    std::vector<std::string> readAll(bool forward = true) {
        std::vector<std::string> docs;
        view.Reset(forward ? ViewManager::ResetAt::First : ViewManager::ResetAt::Last);
        while ((forward ? view.Next() : view.Previous()) == Benign) {
            docs.push_back(lin.rec.DOC.str());
        }
        return docs;
    }
    using Docs = std::vector<std::string>;
    ViewManager view;
};

using ViewRange = ViewTest;

TEST_F(ViewRange, a_parent_range_reads_the_parents_lines_in_key_order_both_ways) {
    view.Init(&lin.relate);
    view.AddSortOrder(LIN_BYDECDOC);
    view.AddRange(LIN_F::CLAVE, &dec.relate, &lin.relate);
    dec.rec.CLAVE.set(KQ);
    EXPECT_EQ(view.FilterText(), "LIN:CLAVE = " + KQText);
    EXPECT_EQ(readAll(), (Docs{"", "A", "B", "C"}));
    EXPECT_EQ(readAll(false), (Docs{"C", "B", "A", ""}));
    EXPECT_FALSE(view.ApplyRange());
    dec.rec.CLAVE.set(K2);
    EXPECT_TRUE(view.ApplyRange());
    EXPECT_EQ(readAll(), (Docs{"D"}));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ViewRange, a_given_range_follows_its_variable) {
    FixedText<19> current(KQ1);
    view.Init(&lin.relate);
    view.AddSortOrder(LIN_BYDEC);
    view.AddRange(LIN_F::CLAVE, current.ref());
    EXPECT_EQ(readAll(), (Docs{"E"}));
    current.set(K2);
    EXPECT_TRUE(view.ApplyRange());
    EXPECT_EQ(readAll(), (Docs{"D"}));
}

TEST_F(ViewRange, a_between_range_limits_the_last_component_and_fixes_the_leading_ones) {
    FixedText<15> low("A"), high("B");
    lin.rec.CLAVE.set(KQ);
    view.Init(&lin.relate);
    view.AddSortOrder(LIN_BYDECDOC);
    view.AddRange(LIN_F::DOC, low.ref(), high.ref());
    EXPECT_EQ(view.FilterText(),
              "LIN:CLAVE = " + KQText + " AND LIN:DOC >= 'A' AND LIN:DOC <= 'B'");
    EXPECT_EQ(readAll(), (Docs{"A", "B"}));
    high.set("C");
    EXPECT_TRUE(view.ApplyRange());
    EXPECT_EQ(readAll(false), (Docs{"C", "B", "A"}));
}

TEST_F(ViewRange, current_values_are_taken_when_the_sort_is_selected_only) {
    view.Init(&lin.relate);
    view.AddSortOrder(LIN_BYDEC);
    view.AddRange(LIN_F::CLAVE);
    view.AddSortOrder(LIN_BYORDEN);
    lin.rec.CLAVE.set(K2);
    EXPECT_TRUE(view.SetSort(1));
    EXPECT_EQ(readAll(), (Docs{"D"}));  // reading changed the buffer ...
    lin.rec.CLAVE.set(KQ1);
    EXPECT_FALSE(view.ApplyRange());  // ... and so does this: the range stays
    EXPECT_EQ(readAll(), (Docs{"D"}));
}

// ---------------------------------------------------------------------------

using ViewText = ViewTest;

TEST_F(ViewText, a_case_insensitive_component_wraps_name_and_value_in_upper) {
    addAgent("1", "PÉREZ");
    addAgent("2", "Perez");
    addAgent("3", "pérez");
    view.Init(&agt.relate);
    view.AddSortOrder(AGT_BYNOMBRE);
    view.AddRange(AGT_F::NOMBRE, std::string_view("Pérez"));
    EXPECT_EQ(view.FilterText(), "UPPER(AGT:NOMBRE) = UPPER('Pérez')");
    EXPECT_EQ(view.OrderText(), "UPPER(AGT:NOMBRE)");
    std::vector<std::string> numbers;
    view.Reset();
    while (view.Next() == Benign)
        numbers.push_back(agt.rec.NRO.str());
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "3"}));
}

TEST_F(ViewText, numbers_are_plain_and_named_filters_are_parenthesised_in_order) {
    view.Init(&lin.relate);
    view.AddSortOrder(LIN_BYORDEN);
    view.AddRange(LIN_F::ORDEN, imageOf<int32_t>(-5));
    view.SetFilter("LIN:VALOR > 1", "valor");
    view.SetFilter("LIN:DOC <> 'x'", "doc");
    EXPECT_EQ(view.FilterText(), "LIN:ORDEN = -5 AND (LIN:VALOR > 1) AND (LIN:DOC <> 'x')");
    view.SetFilter("LIN:VALOR > 2", "valor");
    view.SetFilter("", "doc");
    EXPECT_EQ(view.FilterText(), "LIN:ORDEN = -5 AND (LIN:VALOR > 2)");

    const std::string longId(40, 'i');
    view.SetFilter("LIN:ORDEN = 1", longId);
    view.SetFilter("", longId.substr(0, ViewManager::MaxFilterIdLength));
    EXPECT_EQ(view.FilterText(), "LIN:ORDEN = -5 AND (LIN:VALOR > 2)");

    view.AddSortOrder();  // file order: a field that is no key component limits alone
    view.AddRange(LIN_F::VALOR, imageOf(Decimal::fromHundredths(150)),
                  imageOf(Decimal::fromInteger(10)));
    view.SetFilter("LIN:DOC = 'a'");
    EXPECT_EQ(view.FilterText(), "LIN:VALOR >= 1.50 AND LIN:VALOR <= 10.00 AND (LIN:DOC = 'a')");
    EXPECT_EQ(view.OrderText(), "");
}

// ---------------------------------------------------------------------------

using ViewRefused = ViewTest;

TEST_F(ViewRefused, a_filter_the_parser_refuses_is_error_40_and_the_view_runs_unfiltered) {
    view.Init(&lin.relate);
    view.AddSortOrder(LIN_BYDECDOC);
    view.SetFilter("LIN:NOPE = 1");
    EXPECT_EQ(readAll(), (Docs{"", "A", "B", "C", "E", "D"}));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].caption, "Error al Abrir Vista");
    EXPECT_EQ(boxes.shown()[0].text,
              "Error: (filtro no válido: campo desconocido: LIN:NOPE (1)) al intentar abrir la "
              "vista (VIEW) actual. Filtros y Rangos serán ignorados.");
}

TEST_F(ViewRefused, a_filter_longer_than_4999_characters_is_refused) {
    view.Init(&lin.relate);
    view.AddSortOrder(LIN_BYDEC);
    view.SetFilter("LIN:DOC <> '" + std::string(4990, 'x') + "'");
    ASSERT_GT(view.FilterText().size(), ViewManager::MaxFilterLength);
    EXPECT_EQ(readAll().size(), 6u);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Error al Abrir Vista"}));
}

TEST_F(ViewRefused, an_order_that_cannot_be_read_is_error_40_and_file_order) {
    view.Init(&lin.relate);
    view.AddSortOrder();
    view.SetOrder("LIN:DOC,-");
    EXPECT_EQ(readAll(), (Docs{"C", "A", "B", "", "E", "D"}));
    EXPECT_EQ(captions(), (std::vector<std::string>{"Error al Abrir Vista"}));
}

// ---------------------------------------------------------------------------

// Skips line "B" and ends the stream at line "D".
class PickyView : public ViewManager {
public:
    explicit PickyView(const LinRecord& line) : line_(line) {}
    uint8_t ValidateRecord() override {
        if (line_.DOC.str() == "B")
            return RecordFiltered;
        return line_.DOC.str() == "D" ? RecordOutOfRange : RecordOK;
    }

private:
    const LinRecord& line_;
};

using ViewRead = ViewTest;

TEST_F(ViewRead, validate_record_skips_and_ends_the_stream) {
    PickyView picky(lin.rec);
    picky.Init(&lin.relate);
    picky.AddSortOrder(LIN_BYDECDOC);
    picky.Reset();
    std::vector<std::string> docs;
    while (picky.Next() == Benign)
        docs.push_back(lin.rec.DOC.str());
    EXPECT_EQ(docs, (Docs{"", "A", "C", "E"}));
    picky.Kill();
}

TEST_F(ViewRead, a_reset_to_a_position_restarts_at_that_record) {
    view.Init(&lin.relate);
    view.AddSortOrder(LIN_BYDECDOC);
    view.Reset();
    ASSERT_EQ(view.Next(), Benign);
    ASSERT_EQ(view.Next(), Benign);
    const std::string atA = view.Position();
    ASSERT_EQ(lin.rec.DOC.str(), "A");
    ASSERT_EQ(view.Next(), Benign);
    ASSERT_EQ(view.Reset(atA), Benign);
    ASSERT_EQ(view.Next(), Benign);
    EXPECT_EQ(lin.rec.DOC.str(), "A");
    ASSERT_EQ(view.Reset(atA), Benign);
    ASSERT_EQ(view.Previous(), Benign);
    EXPECT_EQ(lin.rec.DOC.str(), "A");
}

TEST_F(ViewRead, prime_record_clears_and_puts_the_range_values_in_their_fields) {
    view.Init(&lin.relate);
    view.AddSortOrder(LIN_BYDECDOC);
    view.AddRange(LIN_F::CLAVE, &dec.relate, &lin.relate);
    dec.rec.CLAVE.set(K2);
    lin.rec.DOC.set("basura");
    lin.rec.ORDEN = 9;
    EXPECT_EQ(view.PrimeRecord(), Benign);
    EXPECT_EQ(lin.rec.CLAVE.str(), FixedText<19>(K2).str());
    EXPECT_TRUE(lin.rec.DOC.isBlank());
    EXPECT_EQ(lin.rec.ORDEN, 0);

    FixedText<15> low("A"), high("B");
    view.AddRange(LIN_F::DOC, low.ref(), high.ref());
    EXPECT_TRUE(view.SetSort(1));  // takes the leading CLAVE from the buffer: K2
    lin.rec.CLAVE.set(KQ);
    lin.rec.DOC.set("Z");
    EXPECT_EQ(view.PrimeRecord(Priming::KeepBuffer), Benign);
    EXPECT_EQ(lin.rec.CLAVE.str(), FixedText<19>(K2).str());
    EXPECT_EQ(lin.rec.DOC.str(), "Z");  // the between component is left alone
}

TEST_F(ViewRead, a_table_without_cursors_is_read_in_file_order_without_filter) {
    static const store::TableDesc textDesc{
        .name = "TXT",
        .prefix = "TXT",
        .fileName = "Lineas.txt",
        .recordSize = 10,
        .recordLength = 10,
        .fields = {{"TXT:LINEA", store::FieldKind::Text, 0, 10, true}},
        .keys = {}};
    FixedText<10> line;
    std::unique_ptr<store::File> file = store::makeTextFile(textDesc, &line);
    ASSERT_EQ(file->create(), store::Ok);
    FileManager access;
    access.Init(file.get(), &errors);
    RelationManager relate;
    relate.Init(&access, Framing::None);
    ASSERT_EQ(relate.Open(), Benign);
    ASSERT_EQ(access.UseFile(), Benign);
    for (const char* text : {"uno", "dos"}) {
        line.set(text);
        ASSERT_EQ(file->add(), store::Ok);
    }
    ViewManager lines;
    lines.Init(&relate);
    lines.AddSortOrder();
    std::vector<std::string> read;
    lines.Reset();
    while (lines.Next() == Benign)
        read.push_back(line.str());
    EXPECT_EQ(read, (std::vector<std::string>{"uno", "dos"}));
    EXPECT_TRUE(boxes.shown().empty());
    lines.SetFilter("TXT:LINEA = 'uno'");
    EXPECT_EQ(captions(), (std::vector<std::string>{"Error al Abrir Vista"}));
    lines.Kill();
    relate.Close();
    relate.Kill();
    access.Kill();
}

// ---------------------------------------------------------------------------

using ViewMisuse = ViewTest;

TEST_F(ViewMisuse, fixed_assertion_texts) {
    ViewManager loose;
    EXPECT_EQ(assertionOf([&] { loose.AddSortOrder(1); }),
              "View manager has not been assigned a view");
    EXPECT_EQ(assertionOf([&] { loose.Init(nullptr); }),
              "View manager has not been assigned a view");
    view.Init(&agt.relate);
    EXPECT_EQ(assertionOf([&] { view.Open(); }), "At least 1 view order must be specified");
    view.AddSortOrder(AGT_BYNRO);
    EXPECT_EQ(assertionOf([&] { view.SetSort(2); }), "Sort order does not exist:");
    EXPECT_EQ(assertionOf([&] { view.AddRange(AGT_F::NRO, &nota.relate, &agt.relate); }),
              "File based range limit requires linking fields.");
}

}  // namespace
}  // namespace vorda::test
