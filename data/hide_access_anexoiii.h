// HIDE_ACCESS_ANEXOIII: the record file manager of ANEXOIII, with its field rules.
#pragma once

#include "data/tableaccess.h"

namespace vorda {

class HIDE_ACCESS_ANEXOIII : public TableAccess {
public:
    using TableAccess::TableAccess;
    Level ValidateField(int field) override;
};

}  // namespace vorda
