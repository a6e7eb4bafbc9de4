#include "platform/store/filtersql.h"

#include <charconv>
#include <utility>

#include "platform/store/codes.h"
#include "platform/store/driverror.h"
#include "platform/types/cp1252.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/trim.h"

namespace vorda::store {
namespace {

const char* sqlOperator(CompareOp op) {
    switch (op) {
        case CompareOp::Eq:
            return " = ";
        case CompareOp::Ne:
            return " <> ";
        case CompareOp::Lt:
            return " < ";
        case CompareOp::Le:
            return " <= ";
        case CompareOp::Gt:
            return " > ";
        case CompareOp::Ge:
            return " >= ";
    }
    return " = ";
}

bool parseInteger(std::string_view text, int64_t* out) {
    text = trim(text);
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), *out);
    return ec == std::errc() && ptr == text.data() + text.size();
}

// A day number, or a "dd/mm/yyyy" date.
bool parseDate(std::string_view text, int64_t* out) {
    if (text.find('/') == std::string_view::npos)
        return parseInteger(text, out);
    const auto date = Date::parse(text);
    if (date)
        *out = date->dayNumber();
    return date.has_value();
}

}  // namespace

int FilterSql::compile(const FilterNode& node, std::string* sql) {
    switch (node.kind) {
        case FilterNode::Kind::Compare:
            return compileCompare(node, sql);
        case FilterNode::Kind::And:
            return compileList(node, " AND ", "1", sql);
        case FilterNode::Kind::Or: {
            const bool outer = std::exchange(conjunctive_, false);
            const int code = compileList(node, " OR ", "0", sql);
            conjunctive_ = outer;
            return code;
        }
        case FilterNode::Kind::Not: {
            if (node.children.size() != 1) {
                return DriverError::fileSystem("Filtro inválido: NOT requiere una condición");
            }
            std::string inner;
            const bool outer = std::exchange(conjunctive_, false);
            const int code = compile(node.children[0], &inner);
            conjunctive_ = outer;
            if (code != Ok)
                return code;
            *sql = "NOT (" + inner + ")";
            return Ok;
        }
    }
    return DriverError::fileSystem("Filtro inválido");
}

int FilterSql::compileList(const FilterNode& node, const char* joiner, const char* empty,
                           std::string* sql) {
    if (node.children.empty()) {
        *sql = empty;
        return Ok;
    }
    sql->clear();
    for (const FilterNode& child : node.children) {
        std::string part;
        if (int code = compile(child, &part); code != Ok)
            return code;
        *sql += (sql->empty() ? "(" : std::string(joiner) + "(") + part + ")";
    }
    return Ok;
}

int FilterSql::compileCompare(const FilterNode& node, std::string* sql) {
    const std::vector<int> columns = layout_.columnsOfField(node.field);
    if (columns.empty()) {
        return DriverError::fileSystem("Filtro inválido: campo " + std::to_string(node.field) +
                                       " inexistente");
    }
    const std::vector<std::string> literals =
        columns.size() == 1 ? std::vector<std::string>{node.value} : pieces(columns, node.value);
    std::string left;
    std::string right;
    for (size_t i = 0; i < columns.size(); ++i) {
        const ColumnLayout& col = layout_.columns()[static_cast<size_t>(columns[i])];
        const bool upper = node.upper && col.kind == FieldKind::Text;
        SqlValue value;
        if (int code = literalFor(col, upper, literals[i], &value); code != Ok)
            return code;
        OrderExpr e{.column = columns[i]};
        if (upper)
            e.form = col.folded ? OrderExpr::Form::Folded : OrderExpr::Form::Upper;
        left += (i ? ", " : "") + layout_.expression(e);
        if (conjunctive_ && node.op == CompareOp::Eq)
            pinned_.push_back({.column = e, .value = value});
        right += (i ? ", " : "") + parameter(std::move(value));
    }
    if (columns.size() > 1) {
        left = "(" + left + ")";
        right = "(" + right + ")";
    }
    *sql = left + sqlOperator(node.op) + right;
    return Ok;
}

// The literal of a group cut at the widths of its (text) columns.
std::vector<std::string> FilterSql::pieces(const std::vector<int>& columns,
                                           const std::string& literal) {
    const std::string bytes = cp1252::fromUtf8(literal);
    std::vector<std::string> out;
    size_t at = 0;
    for (int c : columns) {
        const size_t width = layout_.columns()[static_cast<size_t>(c)].width;
        out.push_back(at < bytes.size() ? cp1252::toUtf8(bytes.substr(at, width)) : std::string());
        at += width;
    }
    return out;
}

int FilterSql::literalFor(const ColumnLayout& column, bool upper, const std::string& text,
                          SqlValue* out) {
    int64_t n = 0;
    switch (column.kind) {
        case FieldKind::Text: {
            std::string value(trimRight(cp1252::toUtf8(cp1252::fromUtf8(text))));
            *out = SqlValue::ofText(upper ? TableLayout::foldUpper(value) : value);
            return Ok;
        }
        case FieldKind::Decimal: {
            const auto d = Decimal::parse(text);
            if (!d)
                break;
            *out = SqlValue::ofInteger(d->hundredths());
            return Ok;
        }
        case FieldKind::Date:
            if (!parseDate(text, &n))
                break;
            *out = SqlValue::ofInteger(n);
            return Ok;
        case FieldKind::Int32:
            if (!parseInteger(text, &n))
                break;
            *out = SqlValue::ofInteger(n);
            return Ok;
        case FieldKind::Group:
            break;
    }
    return DriverError::fileSystem("Filtro inválido: el valor '" + text +
                                   "' no corresponde al campo " +
                                   layout_.desc().field(column.field).name);
}

std::string FilterSql::parameter(SqlValue value) {
    parameters_.push_back(std::move(value));
    return "?" + std::to_string(next_++);
}

}  // namespace vorda::store
