// Bindings of controls to record fields and procedure variables.
#include "platform/ui/binding.h"

#include <charconv>
#include <limits>
#include <optional>

namespace vorda::ui {

namespace {

std::optional<Decimal> asDecimal(const FieldValue& v) {
    if (const auto* d = std::get_if<Decimal>(&v))
        return *d;
    if (const auto* i = std::get_if<int64_t>(&v))
        return Decimal::fromInteger(*i);
    if (const auto* s = std::get_if<std::string>(&v))
        return Decimal::parse(*s);
    return std::nullopt;
}

std::optional<Date> asDate(const FieldValue& v) {
    if (const auto* d = std::get_if<Date>(&v))
        return *d;
    if (const auto* s = std::get_if<std::string>(&v))
        return Date::parse(*s);
    return std::nullopt;
}

std::optional<int32_t> asInt32(const FieldValue& v) {
    const std::optional<Decimal> d = asDecimal(v);
    if (!d || d->hundredths() % 100 != 0)
        return std::nullopt;
    const int64_t n = d->hundredths() / 100;
    if (n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(n);
}

}  // namespace

Binding bindField(TextRef field) {
    return {
        .get = [field] { return FieldValue(field.str()); },
        .set =
            [field](const FieldValue& v) mutable {
                field.set(fieldValueText(v));
                return true;
            },
    };
}

Binding bindField(Decimal& field) {
    return {
        .get = [&field] { return FieldValue(field); },
        .set =
            [&field](const FieldValue& v) {
                const std::optional<Decimal> d = asDecimal(v);
                if (d)
                    field = *d;
                return d.has_value();
            },
    };
}

Binding bindField(Date& field) {
    return {
        .get = [&field] { return FieldValue(field); },
        .set =
            [&field](const FieldValue& v) {
                const std::optional<Date> d = asDate(v);
                if (d)
                    field = *d;
                return d.has_value();
            },
    };
}

Binding bindField(int32_t& field) {
    return {
        .get = [&field] { return FieldValue(int64_t{field}); },
        .set =
            [&field](const FieldValue& v) {
                const std::optional<int32_t> n = asInt32(v);
                if (n)
                    field = *n;
                return n.has_value();
            },
    };
}

Binding bindField(std::string& field) {
    return {
        .get = [&field] { return FieldValue(field); },
        .set =
            [&field](const FieldValue& v) {
                field = fieldValueText(v);
                return true;
            },
    };
}

}  // namespace vorda::ui
