#include "platform/store/tablelayout.h"

#include <algorithm>
#include <cstring>

#include "platform/store/codes.h"
#include "platform/store/driverror.h"
#include "platform/types/cp1252.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/trim.h"

namespace vorda::store {
namespace {

constexpr std::string_view kFoldedSuffix = "__upper";

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string toUtf8(std::string_view bytes) {
    return isAscii(bytes) ? std::string(bytes) : cp1252::toUtf8(bytes);
}

// A key bound's text ends at its padding: blanks, or the NULs of a
// component cleared to its lowest value.
constexpr std::string_view kBlankOrNul(" \0", 2);

std::string unprefixed(const char* name) {
    const std::string_view s(name);
    const size_t colon = s.find(':');
    return std::string(colon == std::string_view::npos ? s : s.substr(colon + 1));
}

const char* sqlType(FieldKind kind) {
    return kind == FieldKind::Text ? "TEXT NOT NULL DEFAULT ''" : "INTEGER NOT NULL DEFAULT 0";
}

}  // namespace

std::string sqlName(std::string_view identifier) {
    std::string out = "\"";
    for (char c : identifier) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + "\"";
}

std::string TableLayout::foldUpper(std::string_view utf8) {
    if (isAscii(utf8)) {
        std::string out(utf8);
        for (char& c : out) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
        return out;
    }
    return cp1252::toUtf8(cp1252::toUpper(cp1252::fromUtf8(utf8)));
}

std::string TableLayout::textOf(const char* bytes, size_t width) {
    return toUtf8(trimRight(std::string_view(bytes, width)));
}

TableLayout::TableLayout(const TableDesc& desc) : desc_(&desc) {
    addColumns();
    addKeys();
}

void TableLayout::addColumns() {
    for (int n = 1; n <= desc_->fieldCount(); ++n) {
        const FieldDesc& f = desc_->field(n);
        if (!f.column || f.kind == FieldKind::Group)
            continue;
        columns_.push_back({.field = n,
                            .name = unprefixed(f.name),
                            .kind = f.kind,
                            .offset = f.offset,
                            .width = f.width,
                            .folded = false});
    }
}

void TableLayout::addKeys() {
    for (const KeyDesc& k : desc_->keys) {
        KeyLayout key{.index = "key_" + unprefixed(k.name), .unique = k.unique, .terms = {}};
        for (const KeyComponent& comp : k.components) {
            for (int c : columnsOfField(comp.field)) {
                const bool fold =
                    k.noCase && columns_[static_cast<size_t>(c)].kind == FieldKind::Text;
                if (fold)
                    columns_[static_cast<size_t>(c)].folded = true;
                key.terms.push_back(
                    {.column = c,
                     .form = fold ? OrderExpr::Form::Folded : OrderExpr::Form::Plain,
                     .descending = !comp.ascending});
            }
        }
        key.ownIndex = key.unique || static_cast<int>(keys_.size()) + 1 != desc_->clusterKey;
        keys_.push_back(std::move(key));
    }
}

std::vector<int> TableLayout::columnsOfField(int field) const {
    std::vector<int> out;
    for (int f : desc_->columnsOf(field)) {
        for (size_t i = 0; i < columns_.size(); ++i) {
            if (columns_[i].field == f)
                out.push_back(static_cast<int>(i));
        }
    }
    return out;
}

bool TableLayout::termsOf(const OrderTerm& term, std::vector<OrderExpr>* out) const {
    const std::vector<int> cols = columnsOfField(term.field);
    if (cols.empty())
        return false;
    for (int c : cols) {
        const ColumnLayout& col = columns_[static_cast<size_t>(c)];
        OrderExpr::Form form = OrderExpr::Form::Plain;
        if (term.upper && col.kind == FieldKind::Text) {
            form = col.folded ? OrderExpr::Form::Folded : OrderExpr::Form::Upper;
        }
        out->push_back({.column = c, .form = form, .descending = term.descending});
    }
    return true;
}

std::string TableLayout::table(const std::string& schema) const {
    return sqlName(schema) + "." + sqlName(desc_->name);
}

std::string TableLayout::expression(const OrderExpr& e) const {
    const std::string& name = columns_[static_cast<size_t>(e.column)].name;
    switch (e.form) {
        case OrderExpr::Form::Plain:
            return sqlName(name);
        case OrderExpr::Form::Folded:
            return sqlName(name + std::string(kFoldedSuffix));
        case OrderExpr::Form::Upper:
            return "vorda_upper(" + sqlName(name) + ")";
    }
    return {};
}

std::string TableLayout::columnSql(const ColumnLayout& c) const {
    std::string sql = sqlName(c.name) + " " + sqlType(c.kind);
    if (c.folded)
        sql += ", " + sqlName(c.name + std::string(kFoldedSuffix)) + " TEXT NOT NULL DEFAULT ''";
    return sql;
}

std::string TableLayout::indexSql(const KeyLayout& k, const std::string& schema) const {
    std::string sql = k.unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ";
    sql += sqlName(schema) + "." + sqlName(k.index) + " ON " + sqlName(desc_->name) + "(";
    sql += termList(k.terms);
    return sql + (clustered() && !k.unique ? ", id)" : ")");
}

std::string TableLayout::termList(const std::vector<OrderExpr>& terms) const {
    std::string sql;
    for (size_t i = 0; i < terms.size(); ++i) {
        sql += (i ? ", " : "") + expression(terms[i]);
        if (terms[i].descending)
            sql += " DESC";
    }
    return sql;
}

std::vector<std::string> TableLayout::createStatements(const std::string& schema) const {
    const std::string name = sqlName(desc_->name);
    std::string table =
        "CREATE TABLE " + this->table(schema) +
        (clustered() ? "(id INTEGER NOT NULL" : "(id INTEGER PRIMARY KEY AUTOINCREMENT") +
        ", version INTEGER NOT NULL DEFAULT 1";
    for (const ColumnLayout& c : columns_)
        table += ", " + columnSql(c);
    if (!clustered())
        return withIndexes({table + ")"}, schema);
    table += ", PRIMARY KEY(" + termList(key(desc_->clusterKey).terms) + ", id)) WITHOUT ROWID";
    const std::string s = sqlName(schema) + ".";
    return withIndexes(
        {table, "CREATE UNIQUE INDEX " + s + "vorda_id ON " + name + "(id)",
         "CREATE TABLE " + s + "vorda_sequence(seq INTEGER NOT NULL)",
         "INSERT INTO " + s + "vorda_sequence VALUES (0)",
         "CREATE TRIGGER " + s + "vorda_deleted_id AFTER DELETE ON " + name +
             " BEGIN UPDATE vorda_sequence SET seq = old.id WHERE seq < old.id; END"},
        schema);
}

std::vector<std::string> TableLayout::withIndexes(std::vector<std::string> statements,
                                                  const std::string& schema) const {
    for (const KeyLayout& k : keys_) {
        if (k.ownIndex)
            statements.push_back(indexSql(k, schema));
    }
    return statements;
}

std::string TableLayout::selectList() const {
    std::string sql = "id, version";
    for (const ColumnLayout& c : columns_)
        sql += ", " + sqlName(c.name);
    return sql;
}

int TableLayout::boundColumnCount() const {
    int n = 0;
    for (const ColumnLayout& c : columns_)
        n += c.folded ? 2 : 1;
    return n;
}

std::string TableLayout::insertSql(const std::string& schema) const {
    return clustered() ? insertInto(schema, "(" + nextIdSql(schema) + ")", true)
                       : insertInto(schema, "", false);
}

std::string TableLayout::insertWithIdSql(const std::string& schema) const {
    return insertInto(schema, "?" + std::to_string(boundColumnCount() + 1), false);
}

std::string TableLayout::nextIdSql(const std::string& schema) const {
    return "SELECT max(coalesce((SELECT max(id) FROM " + table(schema) +
           "), 0), (SELECT seq FROM " + sqlName(schema) + ".vorda_sequence)) + 1";
}

// INSERT of the columns from parameter 1 on; `id` is the id's expression
// (none: the rowid table numbers the record itself), which `returning` gives back.
std::string TableLayout::insertInto(const std::string& schema, const std::string& id,
                                    bool returning) const {
    std::string names = id.empty() ? "version" : "id, version";
    std::string values = id.empty() ? "1" : id + ", 1";
    int p = 1;
    for (const ColumnLayout& c : columns_) {
        names += ", " + sqlName(c.name);
        values += ", ?" + std::to_string(p++);
        if (c.folded) {
            names += ", " + sqlName(c.name + std::string(kFoldedSuffix));
            values += ", ?" + std::to_string(p++);
        }
    }
    return "INSERT INTO " + table(schema) + "(" + names + ") VALUES (" + values + ")" +
           (returning ? " RETURNING id" : "");
}

std::string TableLayout::updateSql(const std::string& schema) const {
    std::string sql = "UPDATE " + table(schema) + " SET version = version + 1";
    int p = 1;
    for (const ColumnLayout& c : columns_) {
        sql += ", " + sqlName(c.name) + " = ?" + std::to_string(p++);
        if (c.folded) {
            sql +=
                ", " + sqlName(c.name + std::string(kFoldedSuffix)) + " = ?" + std::to_string(p++);
        }
    }
    return sql + " WHERE id = ?" + std::to_string(p) + " AND version = ?" + std::to_string(p + 1);
}

std::string TableLayout::signature() const {
    std::string s = "vorda-table 1|" + std::string(desc_->name);
    if (clustered())
        s += "|clustered:" + std::to_string(desc_->clusterKey);
    for (const ColumnLayout& c : columns_) {
        s += "|" + c.name + ":" + std::to_string(static_cast<int>(c.kind)) + ":" +
             std::to_string(c.width);
    }
    for (const KeyLayout& k : keys_) {
        s += "|" + k.index + (k.unique ? ":u" : ":d");
        for (const OrderExpr& e : k.terms) {
            s += ":" + expression(e) + (e.descending ? "-" : "+");
        }
    }
    return s;
}

SqlValue TableLayout::numberOf(const char* record, const ColumnLayout& c) const {
    const char* p = record + c.offset;
    switch (c.kind) {
        case FieldKind::Decimal: {
            Decimal d;
            std::memcpy(&d, p, sizeof d);
            return SqlValue::ofInteger(d.hundredths());
        }
        case FieldKind::Date: {
            Date d;
            std::memcpy(&d, p, sizeof d);
            return SqlValue::ofInteger(d.dayNumber());
        }
        default: {
            int32_t v = 0;
            std::memcpy(&v, p, sizeof v);
            return SqlValue::ofInteger(v);
        }
    }
}

SqlValue TableLayout::storedValue(const char* record, const OrderExpr& e) const {
    const ColumnLayout& c = columns_[static_cast<size_t>(e.column)];
    if (c.kind != FieldKind::Text)
        return numberOf(record, c);
    std::string text = textOf(record + c.offset, c.width);
    if (e.form != OrderExpr::Form::Plain)
        text = foldUpper(text);
    return SqlValue::ofText(std::move(text));
}

SqlValue TableLayout::boundValue(const char* record, const OrderExpr& e) const {
    const ColumnLayout& c = columns_[static_cast<size_t>(e.column)];
    if (c.kind != FieldKind::Text)
        return numberOf(record, c);
    const std::string_view raw(record + c.offset, c.width);
    if (!raw.empty() && std::all_of(raw.begin(), raw.end(), [](char ch) { return ch == '\xff'; })) {
        return SqlValue::high();
    }
    std::string text = toUtf8(trimRight(raw, kBlankOrNul));
    if (e.form != OrderExpr::Form::Plain)
        text = foldUpper(text);
    return SqlValue::ofText(std::move(text));
}

int TableLayout::bindRecord(Statement& stmt, int first, const char* record) const {
    int p = first;
    for (size_t i = 0; i < columns_.size(); ++i) {
        const ColumnLayout& c = columns_[i];
        const SqlValue v = storedValue(record, {.column = static_cast<int>(i)});
        if (c.kind == FieldKind::Decimal && c.width > 0 &&
            !Decimal::fromHundredths(v.integer).fitsDigits(static_cast<int>(c.width))) {
            return DriverError::fileSystem("El valor " +
                                           Decimal::fromHundredths(v.integer).toString() +
                                           " no cabe en el campo " + desc_->field(c.field).name +
                                           " (" + std::to_string(c.width) + " dígitos)");
        }
        stmt.bind(p++, v);
        if (c.folded)
            stmt.bindText(p++, foldUpper(v.text));
    }
    return Ok;
}

void TableLayout::readRecord(const Statement& stmt, int first, char* record) const {
    int col = first;
    for (const ColumnLayout& c : columns_) {
        char* p = record + c.offset;
        if (c.kind == FieldKind::Text) {
            const std::string_view utf8 = stmt.textAt(col++);
            if (isAscii(utf8)) {
                const size_t n = std::min(utf8.size(), c.width);
                std::memcpy(p, utf8.data(), n);
                std::memset(p + n, ' ', c.width - n);
                continue;
            }
            const std::string bytes = cp1252::fromUtf8(utf8);
            const size_t n = std::min(bytes.size(), c.width);
            std::memcpy(p, bytes.data(), n);
            std::memset(p + n, ' ', c.width - n);
            continue;
        }
        const int64_t v = stmt.integerAt(col++);
        if (c.kind == FieldKind::Decimal) {
            const Decimal d = Decimal::fromHundredths(v);
            std::memcpy(p, &d, sizeof d);
        } else if (c.kind == FieldKind::Date) {
            const Date d = Date::fromDayNumber(static_cast<int32_t>(v));
            std::memcpy(p, &d, sizeof d);
        } else {
            const auto i = static_cast<int32_t>(v);
            std::memcpy(p, &i, sizeof i);
        }
    }
}

}  // namespace vorda::store
