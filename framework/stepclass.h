// StepClass and StepStringClass: convert between a sort key's value and the
// list thumb's percentage (1 to 100).
//
// StepClass is the neutral step: every value sits at 50 and no percentage
// names a value, so a list with it cannot jump by the thumb.
// StepStringClass serves text keys in one of three lookup modes:
//   Alphabetic  a fixed table of 100 two-character prefixes;
//   Surname     a fixed table of 100 three-character prefixes spread as
//               surnames are;
//   Runtime     100 four-character entries interpolated between the first
//               and last key values of the view (SetLimits), over SortChars
//               built from the step flags.
// Percentages are reversed for a descending key.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorda {

class StepClass {
public:
    virtual ~StepClass() = default;
    // 1..100 for `value` (raw key bytes, Windows-1252).
    virtual int GetPercentile(std::string_view value) const;
    // The key value to locate for `percent`; empty = none.
    virtual std::string GetValue(int percent) const;
    // True while the step needs the view's first and last key values.
    virtual bool NeedsLimits() const { return false; }
    virtual void SetLimits(std::string_view first, std::string_view last);
};

namespace stepflag {
enum Flag : unsigned {
    Alpha = 1u << 0,          // letters and digits only
    NoPunctuation = 1u << 1,  // none of ` ! " £ $ % ^ & * ( ) ' - = _ + ] [ # ; ~ : / . , ? \ |
    NoAt = 1u << 2,           // no '@'
    NoBlank = 1u << 3,        // no blank
    InRange = 1u << 4,        // only characters between the limits' first characters
    CaseSensitive = 1u << 5,  // keep lower-case letters apart
};
}  // namespace stepflag

class StepStringClass : public StepClass {
public:
    enum class LookupMode { Alphabetic, Surname, Runtime };
    static constexpr int Entries = 100;

    void Init(unsigned flags, LookupMode mode, bool descending = false);
    int GetPercentile(std::string_view value) const override;
    std::string GetValue(int percent) const override;
    bool NeedsLimits() const override { return mode_ == LookupMode::Runtime && !limited_; }
    // Builds the run-time table from the view's first and last key values.
    void SetLimits(std::string_view first, std::string_view last) override;
    // Forgets the limits: the next use takes them afresh.
    void ClearLimits() { limited_ = false; }

    // The first four characters of `value` as a number in base SortChars.size().
    uint64_t Hash(std::string_view value) const;
    std::string_view Entry(int percent) const;  // the table entry for 1..100

    std::string SortChars;
    std::string Root;
    unsigned Flags = 0;

private:
    std::string unhash(uint64_t number) const;
    bool passes(unsigned char c, unsigned char low, unsigned char high) const;
    void buildSortChars(unsigned char low, unsigned char high);
    std::string folded(std::string_view value) const;

    LookupMode mode_ = LookupMode::Alphabetic;
    bool descending_ = false;
    bool limited_ = false;
    std::array<std::string, Entries> runtime_;
};

// The fixed tables (index 0 = percentage 1).
std::string_view alphabeticStep(int index);
std::string_view surnameStep(int index);

}  // namespace vorda
