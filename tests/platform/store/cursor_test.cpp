// Cursors: filters become bound WHERE terms, orders use the keys' columns,
// positions restart a cursor, quick scan returns the same rows.
//
//   CursorFilter    equality range on the composite key, between range, quotes,
//                   upper-case comparison, numbers and dates, bad filters
//   CursorOrder     descending and mixed orders, positions, quick scan, closed file
#include <algorithm>
#include <cstdio>

#include "platform/process/errorstate.h"
#include "platform/store/transaction.h"
#include "testtables.h"

namespace vorda::store::test {
namespace {

using Strings = std::vector<std::string>;

FilterNode compare(int field, CompareOp op, std::string value, bool upper = false) {
    return {.kind = FilterNode::Kind::Compare,
            .field = field,
            .op = op,
            .upper = upper,
            .value = std::move(value),
            .children = {}};
}

FilterNode allOf(std::vector<FilterNode> children) {
    return {.kind = FilterNode::Kind::And,
            .field = 0,
            .op = CompareOp::Eq,
            .upper = false,
            .value = {},
            .children = std::move(children)};
}

class CursorTest : public LayoutTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        ASSERT_EQ(t.createOpen(), Ok);
        Transaction tx;
        ASSERT_EQ(tx.begin({t.file.get()}, 5), Ok);
        // CODIGO  NOMBRE    DECL (agent, year, month, presentation)
        ASSERT_EQ(t.add("01", "ana", 5, "1/23.45.67820010300"), Ok);
        ASSERT_EQ(t.add("02", "O'Brien", 4, "1/23.45.67820011000"), Ok);
        ASSERT_EQ(t.add("03", "álvaro", 3, "1/23.45.67820010300"), Ok);
        ASSERT_EQ(t.add("04", "beto", 2, "1/23.45.67820010600"), Ok);
        ASSERT_EQ(t.add("05", "carla", 1, "1/23.45.67820010301"), Ok);
        ASSERT_EQ(t.add("06", "dora", 0, "2/00.00.00120010300"), Ok);
        ASSERT_EQ(tx.commit(), Ok);
        cursor = t.file->openCursor();
        ASSERT_NE(cursor, nullptr);
    }
    Strings readAll(bool forward = true) {
        Strings out;
        int code;
        while ((code = forward ? cursor->next() : cursor->previous()) == Ok) {
            out.push_back(t.rec.CODIGO.str());
        }
        EXPECT_EQ(code, NoMoreRecords);
        return out;
    }
    Strings filtered(const FilterNode& f) {
        EXPECT_EQ(cursor->setFilter(&f), Ok);
        cursor->startAtFirst();
        return readAll();
    }
    Table t{*GetParam()};
    std::unique_ptr<Cursor> cursor;
};

class CursorFilter : public CursorTest {
protected:
    void SetUp() override {
        CursorTest::SetUp();
        ASSERT_EQ(cursor->setOrder({{.field = F_DECL}}), Ok);
    }
};

TEST_P(CursorFilter, equality_on_the_whole_declaration_key_is_a_range_of_it) {
    EXPECT_EQ(filtered(compare(F_DECL, CompareOp::Eq, "1/23.45.67820010300")),
              (Strings{"01", "03"}));
    cursor->startAtLast();
    EXPECT_EQ(readAll(false), (Strings{"03", "01"}));
}

TEST_P(CursorFilter, between_range_on_the_last_component) {
    const FilterNode f = allOf(
        {compare(F_AGENTE, CompareOp::Eq, "1/23.45.678"), compare(F_ANIO, CompareOp::Eq, "2001"),
         compare(F_MES, CompareOp::Ge, "03"), compare(F_MES, CompareOp::Le, "06")});
    EXPECT_EQ(filtered(f), (Strings{"01", "03", "05", "04"}));
}

TEST_P(CursorFilter, equalities_under_or_do_not_end_the_read_at_their_first_value) {
    FilterNode months{
        .kind = FilterNode::Kind::Or,
        .field = 0,
        .op = CompareOp::Eq,
        .upper = false,
        .value = {},
        .children = {compare(F_MES, CompareOp::Eq, "03"), compare(F_MES, CompareOp::Eq, "10")}};
    const FilterNode f = allOf({compare(F_AGENTE, CompareOp::Eq, "1/23.45.678"), months});
    EXPECT_EQ(filtered(f), (Strings{"01", "03", "05", "02"}));
    cursor->startAtLast();
    EXPECT_EQ(readAll(false), (Strings{"02", "05", "03", "01"}));
}

TEST_P(CursorFilter, group_comparisons_compare_column_by_column) {
    EXPECT_EQ(filtered(compare(F_DECL, CompareOp::Gt, "1/23.45.67820010301")),
              (Strings{"04", "02", "06"}));
    EXPECT_EQ(filtered(compare(F_DECL, CompareOp::Ne, "1/23.45.67820010300")),
              (Strings{"05", "04", "02", "06"}));
}

TEST_P(CursorFilter, a_quote_in_a_value_is_data_not_sql) {
    EXPECT_EQ(filtered(compare(F_NOMBRE, CompareOp::Eq, "O'Brien")), (Strings{"02"}));
    EXPECT_EQ(filtered(compare(F_NOMBRE, CompareOp::Eq, "x' OR '1'='1")), (Strings{}));
}

TEST_P(CursorFilter, upper_compares_windows_1252_upper_case) {
    EXPECT_EQ(filtered(compare(F_NOMBRE, CompareOp::Eq, "ÁLVARO", true)), (Strings{"03"}));
    EXPECT_EQ(filtered(compare(F_NOMBRE, CompareOp::Eq, "Álvaro")), (Strings{}));
    // CODIGO has no folded twin: the comparison goes through vorda_upper().
    EXPECT_EQ(filtered(compare(F_CODIGO, CompareOp::Eq, "01", true)), (Strings{"01"}));
}

TEST_P(CursorFilter, numbers_and_dates_compare_as_numbers) {
    EXPECT_EQ(filtered(compare(F_ORDEN, CompareOp::Lt, "2")), (Strings{"05", "06"}));
    EXPECT_EQ(filtered(compare(F_IMPORTE, CompareOp::Eq, "0.00")).size(), 6u);
    EXPECT_EQ(filtered(compare(F_FECHA, CompareOp::Gt, "01/01/2000")), (Strings{}));
    EXPECT_EQ(filtered(compare(F_FECHA, CompareOp::Eq, "0")).size(), 6u);
}

TEST_P(CursorFilter, bad_filters_are_refused_and_leave_the_old_one) {
    const FilterNode keep = compare(F_NOMBRE, CompareOp::Eq, "ana");
    ASSERT_EQ(cursor->setFilter(&keep), Ok);
    const FilterNode noField = compare(99, CompareOp::Eq, "x");
    EXPECT_EQ(cursor->setFilter(&noField), FileSystemError);
    const FilterNode badNumber = compare(F_IMPORTE, CompareOp::Eq, "doce");
    EXPECT_EQ(cursor->setFilter(&badNumber), FileSystemError);
    EXPECT_FALSE(platform::lastError().fileError.empty());
    cursor->startAtFirst();
    EXPECT_EQ(readAll(), (Strings{"01"}));
    ASSERT_EQ(cursor->setFilter(nullptr), Ok);
    cursor->startAtFirst();
    EXPECT_EQ(readAll().size(), 6u);
}

class CursorOrder : public CursorTest {};

TEST_P(CursorOrder, descending_and_mixed_orders) {
    ASSERT_EQ(cursor->setOrder({{.field = F_ORDEN, .descending = true}}), Ok);
    cursor->startAtFirst();
    EXPECT_EQ(readAll(), (Strings{"01", "02", "03", "04", "05", "06"}));
    ASSERT_EQ(cursor->setOrder(
                  {{.field = F_MES, .descending = true}, {.field = F_NOMBRE, .upper = true}}),
              Ok);
    cursor->startAtFirst();
    const Strings forward = readAll();
    EXPECT_EQ(forward, (Strings{"02", "04", "01", "05", "06", "03"}));
    cursor->startAtLast();
    Strings backward = readAll(false);
    std::reverse(backward.begin(), backward.end());
    EXPECT_EQ(backward, forward);
    EXPECT_EQ(cursor->setOrder({{.field = 99}}), FileSystemError);
}

TEST_P(CursorOrder, positions_restart_inclusively_even_after_a_delete) {
    ASSERT_EQ(cursor->setOrder({{.field = F_NOMBRE, .upper = true}}), Ok);
    cursor->startAtFirst();
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(cursor->next(), Ok);  // ana, beto, carla
    ASSERT_EQ(t.rec.CODIGO.str(), "05");
    const std::string pos = cursor->position();
    ASSERT_EQ(cursor->startAt(pos), Ok);
    ASSERT_EQ(cursor->next(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "05");
    ASSERT_EQ(cursor->startAt(pos), Ok);
    ASSERT_EQ(cursor->previous(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "05");
    ASSERT_EQ(t.file->erase(), Ok);  // the record the cursor read is the file's current one
    ASSERT_EQ(cursor->startAt(pos), Ok);
    ASSERT_EQ(cursor->next(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "06");
    ASSERT_EQ(cursor->startAt(pos), Ok);
    ASSERT_EQ(cursor->previous(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "04");
    EXPECT_EQ(cursor->startAt(t.file->position(0)), FileSystemError);  // another order's position
}

TEST_P(CursorOrder, start_at_buffer_uses_the_order_values_in_the_buffer) {
    ASSERT_EQ(cursor->setOrder({{.field = F_DECL}}), Ok);
    t.rec.setDecl("1/23.45.678", "2001", "06", "00");
    cursor->startAtBuffer();
    ASSERT_EQ(cursor->next(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "04");
    t.rec.setDecl("1/23.45.678", "2001", "04", "00");
    cursor->startAtBuffer();
    ASSERT_EQ(cursor->previous(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "05");
}

TEST_P(CursorOrder, quick_scan_gives_the_same_rows_in_both_directions) {
    ASSERT_EQ(cursor->setOrder({{.field = F_NOMBRE, .upper = true}}), Ok);
    const FilterNode f = compare(F_CODIGO, CompareOp::Ne, "02");
    ASSERT_EQ(cursor->setFilter(&f), Ok);
    cursor->startAtFirst();
    const Strings plain = readAll();
    cursor->setQuickScan(true);
    cursor->startAtFirst();
    EXPECT_EQ(readAll(), plain);
    cursor->startAtFirst();
    ASSERT_EQ(cursor->next(), Ok);
    ASSERT_EQ(cursor->next(), Ok);
    ASSERT_EQ(cursor->previous(), Ok);  // turning round drops the rows read ahead
    EXPECT_EQ(t.rec.CODIGO.str(), plain[0]);
    cursor->flush();
    ASSERT_EQ(cursor->next(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), plain[1]);
}

TEST_P(CursorOrder, reading_past_a_long_run_of_equal_keys_does_not_step_over_it) {
    constexpr int kRows = 60000;
    Transaction tx;
    ASSERT_EQ(tx.begin({t.file.get()}, 5), Ok);
    for (int i = 0; i < kRows; ++i)
        ASSERT_EQ(t.add("L" + std::to_string(i), "", i, "3/00.00.00020010100"), Ok);
    ASSERT_EQ(tx.commit(), Ok);
    ASSERT_EQ(cursor->setOrder({{.field = F_DECL}}), Ok);
    // "3/..." is the last declaration: the 60,000 lines end the order.
    t.rec.setDecl("3/00.00.000", "2001", "01", "00");
    cursor->startAtBuffer();
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(cursor->next(), Ok);
    const int64_t middle = vmStepsFor(*cursor, 20) / 20;
    ASSERT_GT(middle, 0);
    ASSERT_EQ(t.rec.ORDEN, 119);
    // From the last line, the read that finds nothing more seeks past the run
    // instead of stepping over its 60,000 equal entries.
    cursor->startAtLast();
    ASSERT_EQ(cursor->previous(), Ok);
    ASSERT_EQ(t.rec.CODIGO.str(), "L59999");
    const int64_t past = vmStepsFor(*cursor, 1);
    ASSERT_GE(past, 0);
    EXPECT_EQ(cursor->next(), NoMoreRecords);
    EXPECT_LT(past, 10 * middle) << past << " steps against " << middle << " a read";

    // The same through a view of that declaration alone.
    const FilterNode range = compare(F_DECL, CompareOp::Eq, "3/00.00.00020010100");
    ASSERT_EQ(cursor->setFilter(&range), Ok);
    cursor->startAtLast();
    ASSERT_EQ(cursor->previous(), Ok);
    ASSERT_EQ(t.rec.CODIGO.str(), "L59999");
    const int64_t pastInView = vmStepsFor(*cursor, 1);
    ASSERT_GE(pastInView, 0);
    EXPECT_LT(pastInView, 10 * middle) << pastInView << " steps in the view";
    EXPECT_EQ(cursor->previous(), Ok);  // after the end: the last line again
    EXPECT_EQ(t.rec.CODIGO.str(), "L59999");
    // From values below the view, the first line of the declaration.
    t.rec.setDecl("1/00.00.000", "2001", "01", "00");
    cursor->startAtBuffer();
    ASSERT_EQ(cursor->next(), Ok);
    EXPECT_EQ(t.rec.CODIGO.str(), "L0");
}

TEST_P(CursorOrder, a_cursor_of_a_closed_file_fails_and_works_again_after_reopening) {
    cursor->startAtFirst();
    ASSERT_EQ(cursor->next(), Ok);
    ASSERT_EQ(t.file->close(), Ok);
    EXPECT_EQ(cursor->next(), FileSystemError);
    ASSERT_EQ(t.file->open(kShared), Ok);
    cursor->startAtFirst();
    EXPECT_EQ(readAll().size(), 6u);
    std::unique_ptr<Cursor> orphan = t.file->openCursor();
    t.file.reset();
    EXPECT_EQ(orphan->next(), FileSystemError);
}

INSTANTIATE_TEST_SUITE_P(Layouts, CursorFilter, bothLayouts(), layoutName);
INSTANTIATE_TEST_SUITE_P(Layouts, CursorOrder, bothLayouts(), layoutName);

}  // namespace
}  // namespace vorda::store::test
