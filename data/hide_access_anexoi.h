// HIDE_ACCESS_ANEXOI: the record file manager of ANEXOI, with its field rules.
#pragma once

#include "data/tableaccess.h"

namespace vorda {

class HIDE_ACCESS_ANEXOI : public TableAccess {
public:
    using TableAccess::TableAccess;
    Level ValidateField(int field) override;
};

}  // namespace vorda
