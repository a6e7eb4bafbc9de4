// HIDE_ACCESS_ANEXOII: the record file manager of ANEXOII, with its field rules.
#pragma once

#include "data/tableaccess.h"

namespace vorda {

class HIDE_ACCESS_ANEXOII : public TableAccess {
public:
    using TableAccess::TableAccess;
    Level ValidateField(int field) override;
};

}  // namespace vorda
