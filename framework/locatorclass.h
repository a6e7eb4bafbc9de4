// Locators: find a record of a list by what the user types.
//
// One locator per sort order, bound to the sort key's field. Its search text
// (Shadow, at most 40 characters) is kept in Windows-1252, as the key field
// stores it, and shown in its entry control, if any, as the display's UTF-8.
//   StepLocatorClass         a character moves one row down; the list stays
//                            there when that record begins with it, else it
//                            locates the first record not below it.
//   EntryLocatorClass        accepting the entry locates its text.
//   IncrementalLocatorClass  characters are appended (upper-cased for a
//                            no-case key), Backspace removes the last one; the
//                            list locates after each key.
// An entry with a digit template picture ("P#/##.##.###PB") shows the search
// text through it: typed digits are laid into the template with its
// literals, as the key stores them ("1/23.4"), and a key the picture
// refuses is ignored.
#pragma once

#include <optional>
#include <string>

#include "platform/types/picture.h"
#include "platform/ui/event.h"

namespace vorda {

class BrowseClass;

// Whether typed text compares with the key's values letter case and all, or
// upper-cased (the key ignores case).
enum class LetterCase { Exact, Ignored };

class LocatorClass {
public:
    static constexpr size_t MaxText = 40;

    virtual ~LocatorClass() = default;
    // `field` is the key field the text is compared with; `control` shows the
    // search text (0: none).
    void Init(ui::ControlId control, int field, LetterCase letters);
    void SetList(BrowseClass* list) { list_ = list; }
    // A key alerted on the list: true when the locator used it.
    virtual bool TakeKey(ui::KeyCode key);
    // The entry control was accepted with `text`.
    virtual bool TakeAccepted(const std::string& text);
    void UpdateWindow();

    std::string Shadow;
    ui::ControlId Control{};
    int Field = 0;
    bool NoCase = false;

protected:
    // Upper-cased for a no-case key (Windows-1252 bytes in and out).
    std::string fold(const std::string& text) const;
    // A printable key as one folded byte of the search text; nullopt for a
    // character the stored keys cannot hold.
    std::optional<std::string> typed(ui::KeyCode key) const;
    // The entry's template picture, if it has one.
    const Picture* templatePicture();
    BrowseClass* list_ = nullptr;

private:
    std::optional<Picture> picture_;
    bool pictureLooked_ = false;
};

class StepLocatorClass : public LocatorClass {
public:
    bool TakeKey(ui::KeyCode key) override;
};

class EntryLocatorClass : public LocatorClass {
public:
    bool TakeAccepted(const std::string& text) override;
};

class IncrementalLocatorClass : public LocatorClass {
public:
    bool TakeKey(ui::KeyCode key) override;
};

}  // namespace vorda
