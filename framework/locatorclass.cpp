// Locators of the list manager.
#include "framework/locatorclass.h"

#include "framework/browseclass.h"
#include "framework/windowmanager.h"
#include "platform/types/cp1252.h"
#include "platform/ui/control.h"
#include "platform/ui/window.h"

namespace vorda {

void LocatorClass::Init(ui::ControlId control, int field, LetterCase letters) {
    Control = control;
    Field = field;
    NoCase = letters == LetterCase::Ignored;
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

std::string LocatorClass::fold(const std::string& text) const {
    return NoCase ? cp1252::toUpper(text) : text;
}

// The key as a character of the search text: its code page byte, folded.
std::optional<std::string> LocatorClass::typed(ui::KeyCode key) const {
    if (!ui::isPrintable(key))
        return std::nullopt;
    const std::optional<char> byte = cp1252::fromCodePoint(key);
    if (!byte)
        return std::nullopt;
    return fold(std::string(1, *byte));
}

void LocatorClass::UpdateWindow() {
    if (!Control || list_ == nullptr)
        return;
    if (ui::Control* c = list_->Window->window().find(Control))
        c->setText(cp1252::toUtf8(Shadow));
}

bool StepLocatorClass::TakeKey(ui::KeyCode key) {
    if (!ui::isPrintable(key) || list_ == nullptr)
        return false;
    const std::optional<std::string> character = typed(key);
    if (!character)
        return true;  // no character of the stored keys: nothing to find
    list_->ScrollOne(ui::EventKind::ScrollDown);
    const std::string selected = fold(list_->SelectedKeyText(Field).substr(0, 1));
    if (list_->Records() == 0 || selected != *character)
        list_->Locate(Field, *character);
    return true;
}

bool EntryLocatorClass::TakeAccepted(const std::string& text) {
    if (list_ == nullptr)
        return false;
    Shadow = fold(cp1252::fromUtf8(text).substr(0, MaxText));
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
    } else if (ui::isPrintable(key)) {
        if (picture != nullptr) {
            const std::optional<Picture::Edit> next = picture->type(at, key);
            if (!next)
                return true;  // refused by the picture: the list stays
            Shadow = next->text;
        } else {
            const std::optional<std::string> character = typed(key);
            if (!character || Shadow.size() >= MaxText)
                return true;  // the text stays, and so does the list
            Shadow += *character;
        }
    } else {
        return false;
    }
    list_->Locate(Field, Shadow);
    return true;
}

}  // namespace vorda
