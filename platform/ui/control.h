// Control: the runtime state of one control of an open or prepared window.
//
// Created by Window from its ControlDesc. Every change made through a setter
// is passed on to the backend (Change). The shown text is what the control
// displays: an entry's contents, a prompt's or button's label, an option
// group's chosen value. Setting it from the program clears any pending user
// edit; the user's edits go through UserInput and mark the control edited,
// so that leaving it accepts it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/types/picture.h"
#include "platform/ui/binding.h"
#include "platform/ui/windowdesc.h"

namespace vorda::print {
struct Document;
}

namespace vorda::ui {

class Window;

using Row = std::vector<std::string>;

// How a page view shows its document: from page `page` (1-based), at `zoom`
// percent, or -1 = the page's width fills the view, -2 = `across` x `down`
// pages tiled to fit the view.
struct PageLayout {
    int page = 1;
    int zoom = 100;
    int across = 1;
    int down = 1;
    friend bool operator==(const PageLayout&, const PageLayout&) = default;
};

class Control {
public:
    Control(Window& owner, ControlDesc desc);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlId number() const { return desc_.number; }
    ControlKind kind() const { return desc_.kind; }
    const ControlDesc& desc() const { return desc_; }
    Window& window() const { return owner_; }

    const std::string& text() const { return text_; }
    void setText(std::string text);
    // The picture of the control, if it has a valid one.
    const Picture* picture() const { return picture_ ? &*picture_ : nullptr; }
    const Binding& binding() const { return binding_; }
    void bind(Binding binding) { binding_ = std::move(binding); }

    // The control's own state; see Window::usable() for its parents'.
    bool enabled() const { return (flags_ & control::Disabled) == 0; }
    bool visible() const { return (flags_ & control::Hidden) == 0; }
    bool readOnly() const { return (flags_ & control::ReadOnly) != 0; }
    void setEnabled(bool on) { setFlag(control::Disabled, !on); }
    void setVisible(bool on) { setFlag(control::Hidden, !on); }
    void setReadOnly(bool on) { setFlag(control::ReadOnly, on); }
    // Buttons: the one Enter presses (see Window::defaultButton()).
    bool isDefault() const { return (flags_ & control::Default) != 0; }
    void setDefault(bool on) { setFlag(control::Default, on); }
    // Menu items: the check mark.
    bool checked() const { return (flags_ & control::Checked) != 0; }
    void setChecked(bool on) { setFlag(control::Checked, on); }

    bool focusable() const;
    bool editable() const;  // takes typed keys: entries and spins that are not read-only
    bool edited() const { return edited_; }
    size_t caret() const { return caret_; }

    // Lists: the rows of the one page shown, the selected row (1-based, 0 =
    // none) and the thumb (0 to 100).
    const std::vector<Row>& rows() const { return rows_; }
    void setRows(std::vector<Row> rows);
    // Formats each value with its column's picture (text as is without one).
    void setRowValues(const std::vector<std::vector<FieldValue>>& rows);
    int selection() const { return selection_; }
    void setSelection(int row);
    int thumb() const { return thumb_; }
    void setThumb(int percent);
    // The whole rows the list shows at its present size, as the backend
    // reports them (UserInput::listRows); at first the declared rows; 0 =
    // not known. The list manager's page holds this many rows.
    int pageRows() const { return pageRows_; }

    // Sheets: the current tab, 1-based among the sheet's tabs.
    int choice() const { return kind() == ControlKind::List ? selection_ : choice_; }
    void setChoice(int tab);

    // Page views: the document shown (shared with whoever made it; nullptr =
    // none) and how it is shown.
    const print::Document* document() const { return document_.get(); }
    const std::shared_ptr<const print::Document>& sharedDocument() const { return document_; }
    void setDocument(std::shared_ptr<const print::Document> document);
    const PageLayout& layout() const { return layout_; }
    void setLayout(PageLayout layout);

    // Position and size in dialog units (initially the description's).
    const Rect& rect() const { return rect_; }
    void setRect(Rect rect);
    const std::string& tip() const { return tip_; }
    void setTip(std::string tip);

    void alert(KeyCode key);
    void unalert(KeyCode key);
    bool alerted(KeyCode key) const;

private:
    friend class Window;
    friend class UserInput;

    void setFlag(unsigned flag, bool on);
    void setEdit(std::string text, size_t caret);
    void clearEdited() { edited_ = false; }

    Window& owner_;
    ControlDesc desc_;
    std::optional<Picture> picture_;
    Binding binding_;
    std::string text_;
    unsigned flags_ = 0;
    bool edited_ = false;
    size_t caret_ = 0;
    std::vector<Row> rows_;
    int selection_ = 0;
    int thumb_ = 0;
    int pageRows_ = 0;
    int choice_ = 1;
    std::vector<KeyCode> alerts_;
    Rect rect_;
    std::string tip_;
    std::shared_ptr<const print::Document> document_;
    PageLayout layout_;
};

}  // namespace vorda::ui
