// Registry: what the program tells the runtime about its procedures, for the
// UI-script player and for starting the windowed program on one of them.
//
// The frame procedure is started as thread 1 when a script begins, as the
// program starts normally. Named procedures serve `start NAME [request]`:
// the request hook puts the request (1 insert, 2 change, 3 delete, 4 select,
// 0 none) where the procedure reads it, on the new thread, just before the
// procedure runs. Menu items registered here serve `menu "<menu>" "<item>"`
// when the frame's own menus do not have that item; their action runs on the
// player's loop (outside every procedure thread) and typically starts a
// procedure on a new thread. Variables registered here serve `set NAME
// "<value>"`.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorda::ui {

class Registry {
public:
    using Procedure = std::function<void()>;
    struct Entry {
        std::string name{};
        Procedure procedure{};
        size_t stackBytes = 0;
    };

    void setFrame(Procedure main, size_t stackBytes = 0);
    void addProcedure(std::string name, Procedure procedure, size_t stackBytes = 0);
    void addMenuItem(std::string menu, std::string item, std::function<void()> action);
    void setRequestHook(std::function<void(int request)> hook) { requestHook_ = std::move(hook); }
    // A process-wide variable a script sets with `set NAME "<value>"` (the
    // value as UTF-8), as a caller sets it before it starts a procedure.
    void addVariable(std::string name, std::function<void(std::string_view value)> setter);

    const Entry* frame() const { return frame_.procedure ? &frame_ : nullptr; }
    // Names compare without regard to ASCII letter case.
    const Entry* procedure(std::string_view name) const;
    // Texts compare with or without their '&'.
    const std::function<void()>* menuItem(std::string_view menu, std::string_view item) const;
    const std::function<void(int)>& requestHook() const { return requestHook_; }
    // Names compare without regard to ASCII letter case; nullptr when unknown.
    const std::function<void(std::string_view)>* variable(std::string_view name) const;

private:
    struct MenuEntry {
        std::string menu{};
        std::string item{};
        std::function<void()> action{};
    };

    Entry frame_;
    std::vector<Entry> procedures_;
    std::vector<MenuEntry> menuItems_;
    std::function<void(int)> requestHook_;
    struct Variable {
        std::string name{};
        std::function<void(std::string_view)> set{};
    };
    std::vector<Variable> variables_;
};

}  // namespace vorda::ui
