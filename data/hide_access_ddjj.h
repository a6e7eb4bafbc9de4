// HIDE_ACCESS_DDJJ: the record file manager of DDJJ, with its field rules.
#pragma once

#include "data/tableaccess.h"

namespace vorda {

class HIDE_ACCESS_DDJJ : public TableAccess {
public:
    using TableAccess::TableAccess;
    Level ValidateField(int field) override;
};

}  // namespace vorda
