// AnnexList: one of the declaration form's inner lists, the lines of one
// annex (ANEXOII or ANEXOIII) of the declaration in the DDJJ buffer.
//
// A list manager over the annex table in its one key order, held to the
// declaration's key (a range on the parent DDJJ record), with a step locator
// on the key, its own add, change and delete buttons and the form's update
// procedure for its lines. A new line is primed with the declaration's key.
// The list fills when its tab comes to the front.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "framework/browseclass.h"
#include "framework/locatorclass.h"
#include "platform/ui/binding.h"

namespace vorda {

class RelationManager;
class ToolbarClass;
class WindowManager;

class AnnexList {
public:
    struct Setup {
        ui::ControlId list{};
        ui::ControlId insert{};
        ui::ControlId change{};
        ui::ControlId remove{};
        RelationManager** relate = nullptr;  // the annex table (read at Init)
        int key = 0;                         // its declaration key
        uint16_t procedure = 0;              // the form's update procedure
    };

    explicit AnnexList(const Setup& setup) : setup_(setup) {}

    // `columns` are the shown values, in column order.
    void Init(WindowManager& form, std::initializer_list<ui::Binding> columns);
    // With the form's window open: the frame toolbar target and the keys.
    void Attach(ToolbarClass& toolbar, ui::ControlId help);
    void Kill();

    BrowseClass& browse() { return browse_; }

private:
    Setup setup_;
    BrowseClass browse_;
    StepLocatorClass locator_;
    bool inited_ = false;
};

}  // namespace vorda
