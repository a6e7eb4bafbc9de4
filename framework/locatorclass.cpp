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
    picture_.reset();
    pictureLooked_ = false;
}

const Picture* LocatorClass::templatePicture() {
    if (!pictureLooked_ && Control && list_ != nullptr && list_->Window != nullptr) {
        pictureLooked_ = true;
        const ui::Control* c = list_->Window->window().find(Control);
        const Picture* p = c != nullptr ? c->picture() : nullptr;
        if (p != nullptr && p->kind() == Picture::Kind::Template)
            picture_ = *p;
    }
    return picture_ ? &*picture_ : nullptr;
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
    const Picture* picture = templatePicture();
    const Picture::Edit at{Shadow, Shadow.size()};  // template texts are ASCII
    if (key == ui::key::Backspace) {
        if (picture != nullptr)
            Shadow = picture->erase(at, Picture::Erase::Backward).text;
        else if (!Shadow.empty())
            Shadow.pop_back();
    } else if (ui::isPrintable(key) && key <= 0xFF) {
        if (picture != nullptr) {
            const std::optional<Picture::Edit> typed = picture->type(at, key);
            if (!typed)
                return true;  // refused by the picture: the list stays
            Shadow = typed->text;
        } else if (Shadow.size() < MaxText) {
            Shadow += fold(std::string(1, static_cast<char>(key)));
        }
    } else {
        return false;
    }
    list_->Locate(Field, Shadow);
    return true;
}

}  // namespace vorda
