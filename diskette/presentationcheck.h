// PresentationCheck: is a sequence of records a sound presentation file?
//
// The records are handed over one by one, in file order; finish() then
// judges the file as a whole. A sound file has:
//   1. records of exactly 180 characters whose first column is a type digit
//      1 to 6;
//   2. the types in the order 1, 2, 3, at most one 4, then the 5s, then the
//      6s (one record each of types 1, 2 and 3);
//   3. every field readable at its columns as the writer renders it
//      (exchangelayout.h): amounts, rates, order numbers, dates, fillers of
//      asterisks; the period of type 1 (year, month 01-12, presentation);
//   4. CUITs (types 1, 5 and 6) that pass the CUIT check;
//   5. with a type-4 record, the sum of its eleven card totals equal to
//      inciso h) of the type-3 record.
// Each fault found is one line naming the record by its number (1-based);
// the file's own faults (a missing record, the Annex I total) name none.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types/decimal.h"

namespace vorda {

struct PresentationFault {
    int64_t record = 0;  // 0: a fault of the whole file
    std::string text;
};

class PresentationCheck {
public:
    void add(std::string_view record);
    void finish();

    const std::vector<PresentationFault>& faults() const { return faults_; }
    bool sound() const { return faults_.empty(); }
    int64_t records() const { return records_; }
    // Records of type t (1 to 6).
    int64_t count(int type) const { return counts_.at(static_cast<size_t>(type)); }

    // The lines a user is shown: one per fault ("REGISTRO n: ..."), or the
    // record counts when the file is sound.
    std::vector<std::string> report() const;

private:
    void fault(std::string text);
    bool inOrder(int type) const;
    void checkFields(int type, std::string_view record);
    void checkPeriod(std::string_view record);
    void noteTotals(int type, std::string_view record);

    std::vector<PresentationFault> faults_;
    std::array<int64_t, 7> counts_{};
    int64_t records_ = 0;
    int lastType_ = 0;
    bool finished_ = false;
    Decimal incisoH_;
    Decimal cardTotal_;
};

}  // namespace vorda
