// Locators: find a record of a list by what the user types.
//
// One locator per sort order, bound to the sort key's field. Its search text
// (Shadow, at most 40 characters) is shown in its entry control, if any.
//   StepLocatorClass         a character moves one row down; the list stays
//                            there when that record begins with it, else it
//                            locates the first record not below it.
//   EntryLocatorClass        accepting the entry locates its text.
//   IncrementalLocatorClass  characters are appended (upper-cased for a
//                            no-case key), Backspace removes the last one; the
//                            list locates after each key.
#pragma once

#include <string>

#include "platform/ui/event.h"

namespace vorda {

class BrowseClass;

class LocatorClass {
public:
    static constexpr size_t MaxText = 40;

    virtual ~LocatorClass() = default;
    // `field` is the key field the text is compared with; `control` shows the
    // search text (0: none).
    void Init(ui::ControlId control, int field, bool noCase);
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
    std::string fold(std::string text) const;
    BrowseClass* list_ = nullptr;
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
