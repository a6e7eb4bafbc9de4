// The registry of the program's frame, procedures and menu items.
#include "platform/ui/registry.h"

#include <algorithm>
#include <cctype>

#include "platform/ui/userinput.h"

namespace vorda::ui {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool sameText(std::string_view a, std::string_view b) {
    return a == b || withoutMnemonic(a) == withoutMnemonic(b);
}

}  // namespace

void Registry::setFrame(Procedure main, size_t stackBytes) {
    frame_ = {.name = "MAIN", .procedure = std::move(main), .stackBytes = stackBytes};
}

void Registry::addProcedure(std::string name, Procedure procedure, size_t stackBytes) {
    procedures_.push_back(
        {.name = std::move(name), .procedure = std::move(procedure), .stackBytes = stackBytes});
}

void Registry::addMenuItem(std::string menu, std::string item, std::function<void()> action) {
    menuItems_.push_back(
        {.menu = std::move(menu), .item = std::move(item), .action = std::move(action)});
}

const Registry::Entry* Registry::procedure(std::string_view name) const {
    const auto it = std::find_if(procedures_.begin(), procedures_.end(), [name](const Entry& e) {
        return equalsIgnoringCase(e.name, name);
    });
    return it == procedures_.end() ? nullptr : &*it;
}

const std::function<void()>* Registry::menuItem(std::string_view menu,
                                                std::string_view item) const {
    const auto it = std::find_if(menuItems_.begin(), menuItems_.end(), [&](const MenuEntry& e) {
        return sameText(e.menu, menu) && sameText(e.item, item);
    });
    return it == menuItems_.end() ? nullptr : &it->action;
}

void Registry::addVariable(std::string name, std::function<void(std::string_view)> setter) {
    variables_.push_back({.name = std::move(name), .set = std::move(setter)});
}

const std::function<void(std::string_view)>* Registry::variable(std::string_view name) const {
    const auto it = std::find_if(variables_.begin(), variables_.end(), [name](const Variable& v) {
        return equalsIgnoringCase(v.name, name);
    });
    return it == variables_.end() ? nullptr : &it->set;
}

}  // namespace vorda::ui
