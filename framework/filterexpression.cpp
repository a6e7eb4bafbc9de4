#include "framework/filterexpression.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <utility>

#include "platform/types/cp1252.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"

namespace vorda {

namespace {

using store::CompareOp;
using store::FieldKind;
using store::FilterNode;

// ---------------------------------------------------------------------------
// Tokens

enum class Tok { End, Name, Text, Number, LParen, RParen, Comma, Minus, Plus, Op, Bad };

struct Token {
    Tok kind = Tok::End;
    size_t pos = 0;
    std::string text;  // name, literal (unquoted) or number
    CompareOp op = CompareOp::Eq;
};

bool isNameStart(unsigned char c) {
    return std::isalpha(c) || c == '_' || c >= 0x80;
}
bool isNameChar(unsigned char c) {
    return isNameStart(c) || std::isdigit(c) || c == ':';
}

bool equalsKeyword(std::string_view word, std::string_view keyword) {
    if (word.size() != keyword.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(word[i])) != keyword[i])
            return false;
    }
    return true;
}

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Token next() {
        skipBlanks();
        Token t;
        t.pos = at_;
        if (at_ >= text_.size())
            return t;
        const unsigned char c = static_cast<unsigned char>(text_[at_]);
        if (isNameStart(c))
            return name(t);
        if (std::isdigit(c))
            return number(t);
        if (c == '\'')
            return quoted(t);
        return punctuation(t);
    }

private:
    void skipBlanks() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }

    Token name(Token t) {
        const size_t start = at_;
        while (at_ < text_.size() && isNameChar(static_cast<unsigned char>(text_[at_])))
            ++at_;
        t.kind = Tok::Name;
        t.text = std::string(text_.substr(start, at_ - start));
        return t;
    }

    Token number(Token t) {
        const size_t start = at_;
        skipDigits();
        if (at_ + 1 < text_.size() && text_[at_] == '.' &&
            std::isdigit(static_cast<unsigned char>(text_[at_ + 1]))) {
            ++at_;
            skipDigits();
        }
        t.kind = Tok::Number;
        t.text = std::string(text_.substr(start, at_ - start));
        return t;
    }

    void skipDigits() {
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])))
            ++at_;
    }

    // 'text' with '' standing for one quote; an unterminated literal is Bad.
    Token quoted(Token t) {
        ++at_;
        while (at_ < text_.size()) {
            if (text_[at_] != '\'') {
                t.text += text_[at_++];
            } else if (at_ + 1 < text_.size() && text_[at_ + 1] == '\'') {
                t.text += '\'';
                at_ += 2;
            } else {
                ++at_;
                t.kind = Tok::Text;
                return t;
            }
        }
        t.kind = Tok::Bad;
        t.text = "texto sin cerrar";
        return t;
    }

    Token punctuation(Token t) {
        struct Symbol {
            std::string_view text;
            Tok kind;
            CompareOp op;
        };
        static constexpr Symbol symbols[] = {
            {.text = "<>", .kind = Tok::Op, .op = CompareOp::Ne},
            {.text = "<=", .kind = Tok::Op, .op = CompareOp::Le},
            {.text = ">=", .kind = Tok::Op, .op = CompareOp::Ge},
            {.text = "<", .kind = Tok::Op, .op = CompareOp::Lt},
            {.text = ">", .kind = Tok::Op, .op = CompareOp::Gt},
            {.text = "=", .kind = Tok::Op, .op = CompareOp::Eq},
            {.text = "(", .kind = Tok::LParen, .op = CompareOp::Eq},
            {.text = ")", .kind = Tok::RParen, .op = CompareOp::Eq},
            {.text = ",", .kind = Tok::Comma, .op = CompareOp::Eq},
            {.text = "-", .kind = Tok::Minus, .op = CompareOp::Eq},
            {.text = "+", .kind = Tok::Plus, .op = CompareOp::Eq},
        };
        for (const Symbol& s : symbols) {
            if (text_.substr(at_, s.text.size()) == s.text) {
                at_ += s.text.size();
                t.kind = s.kind;
                t.op = s.op;
                return t;
            }
        }
        t.kind = Tok::Bad;
        t.text = "carácter no válido";
        ++at_;
        return t;
    }

    std::string_view text_;
    size_t at_ = 0;
};

// ---------------------------------------------------------------------------
// Shared parser state: one token of look-ahead and the first error.

class ParserBase {
public:
    ParserBase(std::string_view text, const store::TableDesc& desc) : lexer_(text), desc_(desc) {
        advance();
    }

    bool failed() const { return failed_; }
    const FilterError& error() const { return error_; }

protected:
    void advance() { current_ = lexer_.next(); }

    bool fail(size_t pos, std::string message) {
        if (!failed_) {
            failed_ = true;
            error_ = {.position = pos, .message = std::move(message)};
        }
        return false;
    }

    bool failHere(std::string message) { return fail(current_.pos, std::move(message)); }

    bool atKeyword(std::string_view keyword) const {
        return current_.kind == Tok::Name && equalsKeyword(current_.text, keyword);
    }

    bool expect(Tok kind, const char* message) {
        if (current_.kind == Tok::Bad)
            return failHere(current_.text);
        if (current_.kind != kind)
            return failHere(message);
        advance();
        return true;
    }

    // The field number of the name token now current; 0 (and an error) if unknown.
    int fieldOfName() {
        const int field = desc_.fieldNumber(current_.text);
        if (field == 0)
            failHere("campo desconocido: " + current_.text);
        return field;
    }

    Lexer lexer_;
    const store::TableDesc& desc_;
    Token current_;
    bool failed_ = false;
    FilterError error_;
};

// ---------------------------------------------------------------------------
// Filters

struct Operand {
    bool isField = false;
    int field = 0;
    bool upper = false;
    bool isNumber = false;
    std::string value;
    size_t pos = 0;
};

CompareOp mirrored(CompareOp op) {
    switch (op) {
        case CompareOp::Lt:
            return CompareOp::Gt;
        case CompareOp::Le:
            return CompareOp::Ge;
        case CompareOp::Gt:
            return CompareOp::Lt;
        case CompareOp::Ge:
            return CompareOp::Le;
        default:
            return op;
    }
}

bool isTextKind(FieldKind kind) {
    return kind == FieldKind::Text || kind == FieldKind::Group;
}

std::optional<int64_t> wholeNumber(std::string_view text) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

// The literal as the store expects it for a field of `kind`; nullopt when it cannot hold it.
std::optional<std::string> storeValue(const Operand& literal, FieldKind kind) {
    switch (kind) {
        case FieldKind::Text:
        case FieldKind::Group:
            return literal.value;
        case FieldKind::Decimal: {
            const std::optional<Decimal> d = Decimal::parse(literal.value);
            if (!d)
                return std::nullopt;
            return d->toString();
        }
        case FieldKind::Date: {
            if (!literal.isNumber) {
                if (const std::optional<Date> d = Date::parse(literal.value)) {
                    return std::to_string(d->dayNumber());
                }
            }
            const std::optional<int64_t> n = wholeNumber(literal.value);
            if (!n || *n < 0 || *n > INT32_MAX)
                return std::nullopt;
            return std::to_string(*n);
        }
        case FieldKind::Int32: {
            const std::optional<int64_t> n = wholeNumber(literal.value);
            if (!n || *n < INT32_MIN || *n > INT32_MAX)
                return std::nullopt;
            return std::to_string(*n);
        }
    }
    return std::nullopt;
}

class FilterParser : public ParserBase {
public:
    using ParserBase::ParserBase;

    std::optional<FilterNode> parse() {
        FilterNode root = parseOr(0);
        if (!failed_ && current_.kind != Tok::End) {
            failHere(current_.kind == Tok::Bad ? current_.text
                                               : "texto inesperado después de la expresión");
        }
        if (failed_)
            return std::nullopt;
        return root;
    }

private:
    using Next = FilterNode (FilterParser::*)(int);

    // A chain of `sub` joined by `keyword`, flattened into one node of `kind`.
    FilterNode parseChain(int depth, std::string_view keyword, FilterNode::Kind kind, Next sub) {
        FilterNode first = (this->*sub)(depth);
        if (failed_ || !atKeyword(keyword))
            return first;
        FilterNode chain;
        chain.kind = kind;
        chain.children.push_back(std::move(first));
        while (!failed_ && atKeyword(keyword)) {
            advance();
            chain.children.push_back((this->*sub)(depth));
        }
        return chain;
    }

    FilterNode parseOr(int depth) {
        return parseChain(depth, "OR", FilterNode::Kind::Or, &FilterParser::parseAnd);
    }
    FilterNode parseAnd(int depth) {
        return parseChain(depth, "AND", FilterNode::Kind::And, &FilterParser::parseUnary);
    }

    FilterNode parseUnary(int depth) {
        if (depth >= FilterExpression::MaxDepth) {
            failHere("expresión anidada demasiado profundamente");
            return {};
        }
        if (atKeyword("NOT")) {
            advance();
            FilterNode node;
            node.kind = FilterNode::Kind::Not;
            node.children.push_back(parseUnary(depth + 1));
            return node;
        }
        if (current_.kind == Tok::LParen) {
            advance();
            FilterNode inner = parseOr(depth + 1);
            if (!failed_)
                expect(Tok::RParen, "falta ')'");
            return inner;
        }
        return parseComparison();
    }

    FilterNode parseComparison() {
        Operand left = parseOperand();
        if (failed_)
            return {};
        if (current_.kind != Tok::Op) {
            failHere(current_.kind == Tok::Bad ? current_.text
                                               : "se esperaba un operador de comparación");
            return {};
        }
        CompareOp op = current_.op;
        advance();
        Operand right = parseOperand();
        if (failed_)
            return {};
        if (left.isField == right.isField) {
            fail(left.pos, "la comparación debe tener un campo y un valor");
            return {};
        }
        if (!left.isField) {
            std::swap(left, right);
            op = mirrored(op);
        }
        return comparison(left, op, right);
    }

    FilterNode comparison(const Operand& field, CompareOp op, const Operand& literal) {
        const store::FieldDesc& fd = desc_.field(field.field);
        if (field.upper && !isTextKind(fd.kind)) {
            fail(field.pos, std::string("UPPER solo se aplica a campos de texto: ") + fd.name);
            return {};
        }
        std::optional<std::string> value = storeValue(literal, fd.kind);
        if (!value) {
            fail(literal.pos, std::string("valor no válido para el campo ") + fd.name);
            return {};
        }
        if (literal.upper && !field.upper && isTextKind(fd.kind)) {
            value = cp1252::toUtf8(cp1252::toUpper(cp1252::fromUtf8(*value)));
        }
        FilterNode node;
        node.field = field.field;
        node.op = op;
        node.upper = field.upper;
        node.value = std::move(*value);
        return node;
    }

    Operand parseOperand() {
        if (atKeyword("UPPER")) {
            advance();
            if (!expect(Tok::LParen, "falta '(' después de UPPER"))
                return {};
            Operand inner = parsePlainOperand();
            if (!failed_)
                expect(Tok::RParen, "falta ')'");
            inner.upper = true;
            return inner;
        }
        return parsePlainOperand();
    }

    Operand parsePlainOperand() {
        Operand operand;
        operand.pos = current_.pos;
        switch (current_.kind) {
            case Tok::Name:
                operand.isField = true;
                operand.field = fieldOfName();
                break;
            case Tok::Text:
                operand.value = current_.text;
                break;
            case Tok::Number:
                operand.isNumber = true;
                operand.value = current_.text;
                break;
            case Tok::Minus:
                return negativeNumber(operand);
            case Tok::Bad:
                failHere(current_.text);
                break;
            default:
                failHere("se esperaba un nombre de campo o un valor");
                break;
        }
        if (!failed_)
            advance();
        return operand;
    }

    Operand negativeNumber(Operand operand) {
        advance();
        if (current_.kind != Tok::Number) {
            failHere("se esperaba un número");
            return operand;
        }
        operand.isNumber = true;
        operand.value = "-" + current_.text;
        advance();
        return operand;
    }
};

// ---------------------------------------------------------------------------
// Orders

class OrderParser : public ParserBase {
public:
    using ParserBase::ParserBase;

    std::optional<std::vector<store::OrderTerm>> parse() {
        std::vector<store::OrderTerm> terms;
        if (current_.kind == Tok::End)
            return terms;
        for (;;) {
            terms.push_back(parseTerm());
            if (failed_)
                return std::nullopt;
            if (current_.kind == Tok::End)
                return terms;
            if (!expect(Tok::Comma, "se esperaba ',' entre los campos del orden")) {
                return std::nullopt;
            }
        }
    }

private:
    store::OrderTerm parseTerm() {
        store::OrderTerm term{.field = 0};
        if (current_.kind == Tok::Minus || current_.kind == Tok::Plus) {
            term.descending = current_.kind == Tok::Minus;
            advance();
        }
        if (atKeyword("UPPER")) {
            advance();
            term.upper = true;
            if (!expect(Tok::LParen, "falta '(' después de UPPER"))
                return term;
            term.field = parseName();
            if (!failed_)
                expect(Tok::RParen, "falta ')'");
            return term;
        }
        term.field = parseName();
        return term;
    }

    int parseName() {
        if (current_.kind != Tok::Name) {
            failHere("se esperaba un nombre de campo");
            return 0;
        }
        const int field = fieldOfName();
        if (!failed_)
            advance();
        return field;
    }
};

bool isBlank(std::string_view text) {
    for (char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

}  // namespace

std::optional<store::FilterNode> FilterExpression::parseFilter(std::string_view text,
                                                               const store::TableDesc& desc,
                                                               FilterError* error) {
    if (isBlank(text)) {
        if (error)
            *error = {};
        return std::nullopt;
    }
    FilterParser parser(text, desc);
    std::optional<FilterNode> node = parser.parse();
    if (error)
        *error = parser.error();
    return node;
}

std::optional<std::vector<store::OrderTerm>> FilterExpression::parseOrder(
    std::string_view text, const store::TableDesc& desc, FilterError* error) {
    OrderParser parser(text, desc);
    std::optional<std::vector<store::OrderTerm>> terms = parser.parse();
    if (error)
        *error = parser.error();
    return terms;
}

std::string FilterExpression::quote(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '\'';
    for (char c : utf8) {
        if (c == '\'')
            out += '\'';
        out += c;
    }
    out += '\'';
    return out;
}

}  // namespace vorda
