// Locators of the list manager.
#include "framework/locatorclass.h"

#include "framework/browseclass.h"
#include "framework/windowmanager.h"
#include "platform/ui/control.h"
#include "platform/ui/window.h"

namespace vorda {

void LocatorClass::Init(ui::ControlId control, int field, bool noCase) {
    Control = control;
    Field = field;
    NoCase = noCase;
    Shadow.clear();
}

bool LocatorClass::TakeKey(ui::KeyCode) {
    return false;
}

bool LocatorClass::TakeAccepted(const std::string&) {
    return false;
}

std::string LocatorClass::fold(std::string text) const {
    if (NoCase) {
        for (char& c : text) {
            const auto u = static_cast<unsigned char>(c);
            if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
                c = static_cast<char>(u - 32);
        }
    }
    return text;
}

void LocatorClass::UpdateWindow() {
    if (!Control || list_ == nullptr)
        return;
    if (ui::Control* c = list_->Window->window().find(Control))
        c->setText(Shadow);
}

bool StepLocatorClass::TakeKey(ui::KeyCode key) {
    if (!ui::isPrintable(key) || key > 0xFF || list_ == nullptr)
        return false;
    const std::string typed = fold(std::string(1, static_cast<char>(key)));
    list_->ScrollOne(ui::EventKind::ScrollDown);
    const std::string selected = fold(list_->SelectedKeyText(Field).substr(0, 1));
    if (list_->Records() == 0 || selected != typed)
        list_->Locate(Field, typed);
    return true;
}

bool EntryLocatorClass::TakeAccepted(const std::string& text) {
    if (list_ == nullptr)
        return false;
    Shadow = fold(text.substr(0, MaxText));
    list_->Locate(Field, Shadow);
    return true;
}

bool IncrementalLocatorClass::TakeKey(ui::KeyCode key) {
    if (list_ == nullptr)
        return false;
    if (key == ui::key::Backspace) {
        if (!Shadow.empty())
            Shadow.pop_back();
    } else if (ui::isPrintable(key) && key <= 0xFF) {
        if (Shadow.size() < MaxText)
            Shadow += fold(std::string(1, static_cast<char>(key)));
    } else {
        return false;
    }
    list_->Locate(Field, Shadow);
    return true;
}

}  // namespace vorda
