// RunProcedure: the body every window procedure of the program shares.
//
//   void ACERCADE() { RunProcedure<Acercade>("Acercade", acercadeDesc()); }
//
// registers the procedure's name with the reporter, makes its window from
// `desc`, runs its manager (Manager(window, args...), a WindowManager),
// leaves the response in GlobalResponse and removes the name again.
#pragma once

#include <string_view>
#include <utility>

#include "framework/errorclass.h"
#include "framework/requestglobals.h"
#include "platform/ui/window.h"
#include "platform/ui/windowdesc.h"

namespace vorda {

template <typename Manager, typename... Args>
void RunProcedure(std::string_view name, const ui::WindowDesc& desc, Args&&... args) {
    GlobalErrors().SetProcedureName(name);
    ui::Window window(desc);
    Manager manager(window, std::forward<Args>(args)...);
    GlobalResponse = manager.Run();
    GlobalErrors().SetProcedureName();
}

}  // namespace vorda
