// Pictures: parsing, formatting, reading back and the entry typing model.
#include "platform/types/picture.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "platform/types/cp1252.h"
#include "platform/types/trim.h"

namespace vorda {

std::string fieldValueText(const FieldValue& v) {
    if (const auto* s = std::get_if<std::string>(&v))
        return *s;
    if (const auto* d = std::get_if<Decimal>(&v))
        return d->toString();
    if (const auto* d = std::get_if<Date>(&v))
        return d->toString();
    return std::to_string(std::get<int64_t>(v));
}

namespace {

// --- UTF-8 by characters -------------------------------------------------

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

size_t charCount(std::string_view s) {
    return static_cast<size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return !isContinuation(c); }));
}

// Byte offset of character `index` (the end when past it).
size_t byteOffset(std::string_view s, size_t index) {
    size_t chars = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (!isContinuation(static_cast<unsigned char>(s[i]))) {
            if (chars == index)
                return i;
            ++chars;
        }
    }
    return s.size();
}

std::string encode(char32_t ch) {
    std::string out;
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
    return out;
}

// Splits UTF-8 into code points; a malformed byte stands for itself.
std::u32string decode(std::string_view s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t cp = extra == 0 ? c : c & (0x3F >> extra);
        size_t j = 1;
        for (; j <= static_cast<size_t>(extra) && i + j < s.size(); ++j) {
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + j]) & 0x3F);
        }
        out += cp;
        i += j;
    }
    return out;
}

std::string cutChars(std::string_view s, size_t chars) {
    return std::string(s.substr(0, byteOffset(s, chars)));
}

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

std::optional<int> readInt(std::string_view s) {
    int v = 0;
    if (s.empty())
        return std::nullopt;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return v;
}

// --- value conversions used by format ------------------------------------

Decimal asDecimal(const FieldValue& v) {
    if (const auto* d = std::get_if<Decimal>(&v))
        return *d;
    if (const auto* i = std::get_if<int64_t>(&v))
        return Decimal::fromInteger(*i);
    if (const auto* s = std::get_if<std::string>(&v))
        return Decimal::parse(*s).value_or(Decimal{});
    return Decimal{};
}

Date asDate(const FieldValue& v) {
    if (const auto* d = std::get_if<Date>(&v))
        return *d;
    if (const auto* s = std::get_if<std::string>(&v))
        return Date::parse(*s).value_or(Date{});
    return Date{};
}

// The digits of a template value; numbers are zero-padded to `slots`.
std::string asDigits(const FieldValue& v, size_t slots) {
    std::string digits;
    if (std::holds_alternative<std::string>(v)) {
        for (char c : std::get<std::string>(v)) {
            if (c >= '0' && c <= '9')
                digits += c;
        }
        return digits;
    }
    const int64_t n =
        std::holds_alternative<int64_t>(v) ? std::get<int64_t>(v) : asDecimal(v).hundredths() / 100;
    digits = std::to_string(n < 0 ? -n : n);
    if (digits.size() < slots)
        digits.insert(0, slots - digits.size(), '0');
    return digits;
}

// True when the commas of an integer part group it by thousands ("1,234,567").
bool validGrouping(std::string_view integer) {
    size_t pos = integer.find(',');
    if (pos == 0 || pos > 3)
        return false;
    while (pos != std::string_view::npos) {
        const size_t next = integer.find(',', pos + 1);
        const size_t group = (next == std::string_view::npos ? integer.size() : next) - pos - 1;
        if (group != 3)
            return false;
        pos = next;
    }
    return true;
}

// Resolves the commas of a number body: thousands grouping is removed, a
// single comma without a point is a decimal comma ("150,50"), anything else
// is refused.
std::optional<std::string> resolveCommas(std::string body) {
    if (body.find(',') == std::string::npos)
        return body;
    const size_t point = body.find('.');
    const bool commaInFraction =
        point != std::string::npos && body.find(',', point) != std::string::npos;
    if (!commaInFraction && validGrouping(body.substr(0, point))) {
        std::erase(body, ',');
        return body;
    }
    if (point == std::string::npos && std::count(body.begin(), body.end(), ',') == 1) {
        std::replace(body.begin(), body.end(), ',', '.');
        return body;
    }
    return std::nullopt;
}

// Fraction digits beyond `decimals` are refused unless they are zeros.
bool fractionFits(std::string_view body, int decimals) {
    const size_t point = body.find('.');
    if (point == std::string_view::npos)
        return true;
    const std::string_view fraction = body.substr(point + 1);
    for (size_t i = static_cast<size_t>(decimals); i < fraction.size(); ++i) {
        if (fraction[i] != '0')
            return false;
    }
    return true;
}

}  // namespace

// --- parsing --------------------------------------------------------------

std::optional<Picture> Picture::parse(std::string_view spec) {
    std::string_view s = spec;
    if (!s.empty() && s.front() == '@')
        s.remove_prefix(1);
    if (s.empty())
        return std::nullopt;
    std::optional<Picture> p;
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(s.front())));
    if (c == '#' || c == '<') {
        p = parseTemplate(s, true);
    } else if (c == 'p') {
        const size_t close = s.find_last_of("Pp");
        const std::string_view rest = close == 0 ? "x" : s.substr(close + 1);
        if (rest.empty() || rest == "b" || rest == "B") {
            p = parseTemplate(s.substr(1, close - 1), !rest.empty());
        }
    } else if (c == 's') {
        const auto w = readInt(s.substr(1));
        if (w && *w > 0) {
            p = Picture();
            p->kind_ = Kind::Text;
            p->width_ = *w;
        }
    } else if (c == 'n') {
        p = parseNumber(s.substr(1));
    } else if (c == 'd' && s.substr(1) == "6") {
        p = Picture();
        p->kind_ = Kind::Date;
        p->width_ = 10;
    }
    if (p)
        p->spec_ = std::string(spec);
    return p;
}

std::optional<Picture> Picture::parseNumber(std::string_view body) {
    Picture p;
    p.kind_ = Kind::Number;
    if (!body.empty() && body.front() == '-')
        body.remove_prefix(1);
    if (!body.empty() && (body.front() == '0' || body.front() == '_')) {
        p.fill_ = body.front() == '0' ? Fill::Zero : Fill::Blank;
        body.remove_prefix(1);
    }
    if (!body.empty() && (body.back() == 'b' || body.back() == 'B')) {
        p.blank_ = true;
        body.remove_suffix(1);
    }
    const size_t point = body.find('.');
    const auto width = readInt(body.substr(0, point));
    const auto decimals =
        point == std::string_view::npos ? std::optional<int>(0) : readInt(body.substr(point + 1));
    if (!width || !decimals || *width < 1 || *width > 40 || *decimals < 0 || *decimals > 2) {
        return std::nullopt;
    }
    p.width_ = *width;
    p.decimals_ = *decimals;
    return p;
}

std::optional<Picture> Picture::parseTemplate(std::string_view tmpl, bool blank) {
    Picture p;
    p.kind_ = Kind::Template;
    p.blank_ = blank;
    for (char c : tmpl)
        p.template_ += (c == '<') ? '#' : c;
    if (p.template_.find('#') == std::string::npos)
        return std::nullopt;
    p.width_ = static_cast<int>(p.template_.size());
    return p;
}

// --- formatting -------------------------------------------------------------

std::string Picture::format(const FieldValue& value) const {
    switch (kind_) {
        case Kind::Text:
            return cutChars(fieldValueText(value), static_cast<size_t>(width_));
        case Kind::Number:
            return formatNumber(asDecimal(value));
        case Kind::Template: {
            const std::string digits = asDigits(value, digitSlots());
            const bool zero = digits.find_first_not_of('0') == std::string::npos;
            return blank_ && zero ? std::string() : formatTemplate(digits);
        }
        case Kind::Date:
            return asDate(value).toString();
    }
    return {};
}

std::string Picture::render(const FieldValue& value) const {
    std::string s = format(value);
    const size_t n = charCount(s);
    const size_t w = static_cast<size_t>(width_);
    if (n >= w)
        return s;
    if (rightAligned())
        return std::string(w - n, ' ') + s;
    return s + std::string(w - n, ' ');
}

std::string Picture::formatNumber(Decimal value) const {
    const int64_t h = value.hundredths();
    bool negative = h < 0;
    uint64_t a = negative ? uint64_t(0) - static_cast<uint64_t>(h) : static_cast<uint64_t>(h);
    if (decimals_ == 0)
        a = (a + 50) / 100 * 100;
    if (decimals_ == 1)
        a = (a + 5) / 10 * 10;
    if (a == 0)
        negative = false;
    if (blank_ && a == 0)
        return {};
    std::string s = std::to_string(a / 100);
    if (fill_ == Fill::None) {
        for (int i = static_cast<int>(s.size()) - 3; i > 0; i -= 3)
            s.insert(size_t(i), 1, ',');
    }
    if (decimals_ > 0) {
        const std::string fraction = std::to_string(100 + a % 100).substr(1);
        s += '.' + fraction.substr(0, static_cast<size_t>(decimals_));
    }
    const size_t w = static_cast<size_t>(width_);
    if (fill_ == Fill::Zero) {
        const size_t used = s.size() + (negative ? 1 : 0);
        if (used < w)
            s.insert(0, w - used, '0');
    }
    if (negative)
        s.insert(0, 1, '-');
    return s.size() > w ? std::string(w, '#') : s;
}

size_t Picture::digitSlots() const {
    return static_cast<size_t>(std::count(template_.begin(), template_.end(), '#'));
}

// Lays digits into the template from the left; stops after the last digit.
std::string Picture::formatTemplate(std::string_view digits) const {
    std::string out;
    size_t next = 0;
    for (char t : template_) {
        if (next >= digits.size())
            break;
        out += (t == '#') ? digits[next++] : t;
    }
    return out;
}

// --- reading back -----------------------------------------------------------

std::optional<FieldValue> Picture::deformat(std::string_view text) const {
    switch (kind_) {
        case Kind::Text:
            return FieldValue(cutChars(text, static_cast<size_t>(width_)));
        case Kind::Number:
            return deformatNumber(text);
        case Kind::Template:
            return deformatTemplate(text);
        case Kind::Date:
            return deformatDate(text);
    }
    return std::nullopt;
}

std::optional<FieldValue> Picture::deformatNumber(std::string_view text) const {
    std::string_view t = trim(text);
    if (t.empty())
        return FieldValue(Decimal{});
    std::string sign;
    if (t.front() == '-' || t.front() == '+') {
        sign = t.front() == '-' ? "-" : "";
        t.remove_prefix(1);
    }
    if (t.empty() || t.find_first_not_of("0123456789.,") != std::string_view::npos ||
        std::count(t.begin(), t.end(), '.') > 1) {
        return std::nullopt;
    }
    const std::optional<std::string> body = resolveCommas(std::string(t));
    if (!body || !fractionFits(*body, decimals_))
        return std::nullopt;
    const std::optional<Decimal> d = Decimal::parse(sign + *body);
    if (!d || formatNumber(*d).find('#') != std::string::npos)
        return std::nullopt;
    return FieldValue(*d);
}

std::optional<FieldValue> Picture::deformatTemplate(std::string_view text) const {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits += c;
        } else if (c != ' ' && (c == '#' || template_.find(c) == std::string::npos)) {
            return std::nullopt;
        }
    }
    if (digits.size() > digitSlots())
        return std::nullopt;
    return FieldValue(format(FieldValue(digits)));
}

std::optional<FieldValue> Picture::deformatDate(std::string_view text) const {
    const std::string_view t = trim(text);
    if (t.empty())
        return FieldValue(Date{});
    std::optional<int> d, m, y;
    if (t.size() == 8 && t.find_first_not_of("0123456789") == std::string_view::npos) {
        d = readInt(t.substr(0, 2));
        m = readInt(t.substr(2, 2));
        y = readInt(t.substr(4, 4));
    } else {
        const size_t a = t.find('/');
        const size_t b = a == std::string_view::npos ? a : t.find('/', a + 1);
        if (b == std::string_view::npos || a == 0 || a > 2 || b - a - 1 == 0 || b - a - 1 > 2 ||
            t.size() - b - 1 != 4) {
            return std::nullopt;
        }
        d = readInt(t.substr(0, a));
        m = readInt(t.substr(a + 1, b - a - 1));
        y = readInt(t.substr(b + 1));
    }
    if (!d || !m || !y)
        return std::nullopt;
    const std::optional<Date> date = Date::fromYmd(*y, *m, *d);
    if (!date)
        return std::nullopt;
    return FieldValue(*date);
}

// --- typing model -----------------------------------------------------------

bool Picture::accepts(char32_t ch) const {
    switch (kind_) {
        case Kind::Text:
            // Text is stored in Windows-1252: a character without a byte
            // there (or a control) could only be stored as '?'.
            return ch >= 0x20 && ch != 0x7F && (ch < 0x80 || ch > 0x9F) &&
                   cp1252::fromCodePoint(ch).has_value();
        case Kind::Number:
            return isDigit(ch) || ch == '.' || ch == ',' || ch == '-' || ch == '+';
        case Kind::Date:
            return isDigit(ch) || ch == '/';
        case Kind::Template:
            return isDigit(ch);
    }
    return false;
}

std::optional<Picture::Edit> Picture::type(const Edit& edit, char32_t ch) const {
    if (!accepts(ch))
        return std::nullopt;
    if (kind_ == Kind::Template)
        return typeTemplate(edit, ch);
    const size_t n = charCount(edit.text);
    if (n >= static_cast<size_t>(width_))
        return std::nullopt;
    const size_t caret = std::min(edit.caret, n);
    Edit out{edit.text, caret + 1};
    out.text.insert(byteOffset(edit.text, caret), encode(ch));
    return out;
}

Picture::Edit Picture::erase(const Edit& edit, Erase direction) const {
    if (kind_ == Kind::Template)
        return eraseTemplate(edit, direction);
    const size_t n = charCount(edit.text);
    size_t caret = std::min(edit.caret, n);
    if (direction == Erase::Backward) {
        if (caret == 0)
            return {edit.text, 0};
        --caret;
    } else if (caret == n) {
        return {edit.text, caret};
    }
    Edit out{edit.text, caret};
    const size_t from = byteOffset(edit.text, caret);
    out.text.erase(from, byteOffset(edit.text, caret + 1) - from);
    return out;
}

Picture::Edit Picture::paste(const Edit& edit, std::string_view pasted) const {
    Edit out = edit;
    for (char32_t ch : decode(pasted)) {
        if (std::optional<Edit> next = type(out, ch))
            out = std::move(*next);
    }
    return out;
}

namespace {

std::string digitsOf(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    return digits;
}

size_t digitIndex(std::string_view text, size_t caret) {
    return digitsOf(text.substr(0, std::min(caret, text.size()))).size();
}

}  // namespace

std::optional<Picture::Edit> Picture::typeTemplate(const Edit& edit, char32_t ch) const {
    std::string digits = digitsOf(edit.text);
    if (digits.size() >= digitSlots())
        return std::nullopt;
    const size_t at = digitIndex(edit.text, edit.caret);
    digits.insert(at, 1, static_cast<char>(ch));
    return withDigits(digits, at + 1);
}

Picture::Edit Picture::eraseTemplate(const Edit& edit, Erase direction) const {
    std::string digits = digitsOf(edit.text);
    size_t at = digitIndex(edit.text, edit.caret);
    if (direction == Erase::Backward) {
        if (at == 0)
            return withDigits(digits, 0);
        digits.erase(--at, 1);
    } else if (at < digits.size()) {
        digits.erase(at, 1);
    }
    return withDigits(digits, at);
}

// The template text of `digits` with the caret after digit number `caretDigit`.
Picture::Edit Picture::withDigits(const std::string& digits, size_t caretDigit) const {
    Edit out{formatTemplate(digits), 0};
    size_t seen = 0;
    for (size_t i = 0; i < out.text.size() && seen < caretDigit; ++i) {
        if (out.text[i] >= '0' && out.text[i] <= '9')
            ++seen;
        out.caret = i + 1;
    }
    return out;
}

}  // namespace vorda
