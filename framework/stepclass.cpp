// Step objects of the list thumb.
#include "framework/stepclass.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vorda {

namespace {

constexpr std::array<std::string_view, 100> surnames = {
    "   ", "ALB", "AME", "ARN", "BAK", "BAT", "BEN", "BIA", "BOB", "BRA", "BRO", "BUA", "CAC",
    "CAR", "CEN", "CHR", "COE", "CON", "COR", "CRU", "DAS", "DEL", "DIA", "DON", "DUR", "ELD",
    "EVE", "FEL", "FIS", "FLO", "FRE", "FUT", "GAR", "GIB", "GOL", "GOS", "GRE", "GUT", "HAM",
    "HEM", "HOB", "HOT", "ING", "JAS", "JON", "KAG", "KEA", "KIR", "KOR", "KYO", "LAT", "LEO",
    "LIG", "LOU", "MAC", "MAQ", "MAR", "MAU", "MCK", "MER", "MIL", "MON", "MOR", "NAT", "NOL",
    "OKE", "PAG", "PAU", "PET", "PIN", "POR", "PUL", "RAU", "REY", "ROB", "ROS", "RUB", "SAL",
    "SCA", "SCH", "SCR", "SHA", "SIG", "SKI", "SNA", "SOU", "STE", "STI", "SUN", "TAY", "TIR",
    "TUC", "VAN", "WAC", "WAS", "WEI", "WIE", "WIM", "WOL", "YOR"};

// Two blanks; each letter with blank, F, N, T; A from AF; Q and Z with blank, N.
std::array<std::string, 100> makeAlphabetic() {
    std::array<std::string, 100> table;
    size_t n = 0;
    table[n++] = "  ";
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::string_view seconds = " FNT";
        if (letter == 'A')
            seconds = "FNT";
        else if (letter == 'Q' || letter == 'Z')
            seconds = " N";
        for (char second : seconds)
            table[n++] = std::string{letter, second};
    }
    return table;
}

const std::array<std::string, 100>& alphabetic() {
    static const std::array<std::string, 100> table = makeAlphabetic();
    return table;
}

constexpr std::string_view punctuation = "`!\"\xA3$%^&*()'-=_+][#;~:/.,?\\|";

unsigned char upper1252(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 32);
    return c;
}

bool alnum1252(unsigned char c) {
    return std::isalnum(c) != 0 || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

int clampPercent(int percent) {
    return std::clamp(percent, 1, 100);
}

// Index of the last entry not above `value` in an ascending table.
template <typename Table>
int lastNotAbove(const Table& table, std::string_view value) {
    int found = 0;
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
        const std::string_view entry = table[static_cast<size_t>(i)];
        if (entry.compare(value.substr(0, std::min(entry.size(), value.size()))) <= 0)
            found = i;
    }
    return found;
}

}  // namespace

std::string_view alphabeticStep(int index) {
    return alphabetic().at(static_cast<size_t>(index));
}

std::string_view surnameStep(int index) {
    return surnames.at(static_cast<size_t>(index));
}

int StepClass::GetPercentile(std::string_view) const {
    return 50;
}

std::string StepClass::GetValue(int) const {
    return {};
}

void StepClass::SetLimits(std::string_view, std::string_view) {}

void StepStringClass::Init(unsigned flags, LookupMode mode, bool descending) {
    Flags = flags;
    mode_ = mode;
    descending_ = descending;
    limited_ = false;
    buildSortChars(1, 255);
}

bool StepStringClass::passes(unsigned char c, unsigned char low, unsigned char high) const {
    if ((Flags & stepflag::Alpha) != 0 && !alnum1252(c) && c != ' ')
        return false;
    if ((Flags & stepflag::NoPunctuation) != 0 &&
        punctuation.find(static_cast<char>(c)) != std::string_view::npos)
        return false;
    if ((Flags & stepflag::NoAt) != 0 && c == '@')
        return false;
    if ((Flags & stepflag::NoBlank) != 0 && c == ' ')
        return false;
    if ((Flags & stepflag::InRange) != 0 && (c < low || c > high))
        return false;
    return (Flags & stepflag::CaseSensitive) != 0 || upper1252(c) == c;
}

void StepStringClass::buildSortChars(unsigned char low, unsigned char high) {
    SortChars.clear();
    for (int c = 1; c <= 255; ++c) {
        if (passes(static_cast<unsigned char>(c), low, high))
            SortChars.push_back(static_cast<char>(c));
    }
}

std::string StepStringClass::folded(std::string_view value) const {
    std::string out(value);
    if ((Flags & stepflag::CaseSensitive) == 0) {
        for (char& c : out)
            c = static_cast<char>(upper1252(static_cast<unsigned char>(c)));
    }
    return out;
}

uint64_t StepStringClass::Hash(std::string_view value) const {
    const std::string text = folded(value);
    const uint64_t base = std::max<uint64_t>(SortChars.size(), 1);
    uint64_t hash = 0;
    for (size_t i = 0; i < 4; ++i) {
        uint64_t weight = 0;
        if (i < text.size()) {
            // A character outside SortChars weighs as the last one below it.
            const auto it =
                std::upper_bound(SortChars.begin(), SortChars.end(), text[i], [](char a, char b) {
                    return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
                });
            weight =
                it == SortChars.begin() ? 0 : static_cast<uint64_t>(it - SortChars.begin() - 1);
        }
        hash = hash * base + weight;
    }
    return hash;
}

std::string StepStringClass::unhash(uint64_t number) const {
    const uint64_t base = std::max<uint64_t>(SortChars.size(), 1);
    std::string out(4, ' ');
    for (size_t i = 4; i-- > 0;) {
        out[i] = SortChars.empty() ? ' ' : SortChars[static_cast<size_t>(number % base)];
        number /= base;
    }
    return out;
}

void StepStringClass::SetLimits(std::string_view first, std::string_view last) {
    const std::string low = folded(first.empty() ? std::string_view(" ") : first);
    const std::string high = folded(last.empty() ? std::string_view(" ") : last);
    buildSortChars(static_cast<unsigned char>(low[0]), static_cast<unsigned char>(high[0]));
    const uint64_t a = Hash(low);
    const uint64_t b = std::max(a, Hash(high));
    for (int i = 0; i < Entries; ++i)
        runtime_[static_cast<size_t>(i)] =
            unhash(a + (b - a) * static_cast<uint64_t>(i) / (Entries - 1));
    limited_ = true;
}

std::string_view StepStringClass::Entry(int percent) const {
    const size_t index = static_cast<size_t>(clampPercent(percent) - 1);
    switch (mode_) {
        case LookupMode::Alphabetic:
            return alphabetic()[index];
        case LookupMode::Surname:
            return surnames[index];
        case LookupMode::Runtime:
            break;
    }
    return runtime_[index];
}

int StepStringClass::GetPercentile(std::string_view value) const {
    const std::string text = folded(value);
    int index = 0;
    if (mode_ == LookupMode::Alphabetic)
        index = lastNotAbove(alphabetic(), text);
    else if (mode_ == LookupMode::Surname)
        index = lastNotAbove(surnames, text);
    else
        index = lastNotAbove(runtime_, unhash(Hash(text)));
    const int percent = index + 1;
    return descending_ ? Entries + 1 - percent : percent;
}

std::string StepStringClass::GetValue(int percent) const {
    percent = clampPercent(percent == 0 ? 1 : percent);
    if (descending_)
        percent = Entries + 1 - percent;
    return Root + std::string(Entry(percent));
}

}  // namespace vorda
