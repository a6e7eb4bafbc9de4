#include "platform/store/positiontext.h"

#include <charconv>

namespace vorda::store {
namespace {

// Reads a decimal number at `*pos` up to `end` (exclusive); false if none.
bool readNumber(const std::string& s, size_t* pos, char end, int64_t* out) {
    const size_t stop = s.find(end, *pos);
    if (stop == std::string::npos)
        return false;
    const auto [ptr, ec] = std::from_chars(s.data() + *pos, s.data() + stop, *out);
    if (ec != std::errc() || ptr != s.data() + stop)
        return false;
    *pos = stop + 1;
    return true;
}

}  // namespace

std::string PositionText::encode(const std::vector<SqlValue>& values, int64_t id) {
    std::string out = "P";
    for (const SqlValue& v : values) {
        switch (v.type) {
            case SqlValue::Type::Integer:
                out += "i" + std::to_string(v.integer) + ";";
                break;
            case SqlValue::Type::Text:
                out += "t" + std::to_string(v.text.size()) + ":" + v.text;
                break;
            case SqlValue::Type::High:
                out += "h";
                break;
        }
    }
    return out + "r" + std::to_string(id);
}

bool PositionText::decode(const std::string& text, std::vector<SqlValue>* values, int64_t* id) {
    if (text.empty() || text[0] != 'P')
        return false;
    values->clear();
    size_t pos = 1;
    while (pos < text.size()) {
        const char tag = text[pos++];
        int64_t n = 0;
        if (tag == 'r') {
            const std::string rest = text.substr(pos) + ";";
            size_t p = 0;
            return readNumber(rest, &p, ';', id) && p == rest.size();
        }
        if (tag == 'h') {
            values->push_back(SqlValue::high());
        } else if (tag == 'i' && readNumber(text, &pos, ';', &n)) {
            values->push_back(SqlValue::ofInteger(n));
        } else if (tag == 't' && readNumber(text, &pos, ':', &n) && n >= 0 &&
                   static_cast<size_t>(n) <= text.size() - pos) {
            values->push_back(SqlValue::ofText(text.substr(pos, static_cast<size_t>(n))));
            pos += static_cast<size_t>(n);
        } else {
            return false;
        }
    }
    return false;
}

}  // namespace vorda::store
