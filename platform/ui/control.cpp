// Control state and its change notifications.
#include "platform/ui/control.h"

#include <algorithm>

#include "platform/types/cp1252.h"
#include "platform/ui/window.h"

namespace vorda::ui {

Control::Control(Window& owner, ControlDesc desc)
    : owner_(owner),
      desc_(std::move(desc)),
      flags_(desc_.flags),
      pageRows_(desc_.kind == ControlKind::List ? std::max(0, desc_.rows) : 0),
      rect_(desc_.at),
      tip_(desc_.tip) {
    if (!desc_.picture.empty())
        picture_ = Picture::parse(desc_.picture);
    binding_ = desc_.bind;
    if (desc_.kind != ControlKind::Entry && desc_.kind != ControlKind::Spin &&
        desc_.kind != ControlKind::Option && desc_.kind != ControlKind::DropList) {
        text_ = desc_.text;
    }
    caret_ = cp1252::utf8Length(text_);
}

void Control::setText(std::string text) {
    edited_ = false;
    caret_ = cp1252::utf8Length(text);
    if (text == text_)
        return;
    text_ = std::move(text);
    owner_.notify(number(), Change::Text);
}

void Control::setRect(Rect rect) {
    if (rect.x == rect_.x && rect.y == rect_.y && rect.width == rect_.width &&
        rect.height == rect_.height)
        return;
    rect_ = rect;
    owner_.notify(number(), Change::Geometry);
}

void Control::setTip(std::string tip) {
    if (tip == tip_)
        return;
    tip_ = std::move(tip);
    owner_.notify(number(), Change::Tip);
}

void Control::setEdit(std::string text, size_t caret) {
    edited_ = true;
    caret_ = caret;
    if (text == text_)
        return;
    text_ = std::move(text);
    owner_.notify(number(), Change::Text);
}

bool Control::focusable() const {
    switch (kind()) {
        case ControlKind::Entry:
        case ControlKind::Spin:
        case ControlKind::Option:
        case ControlKind::Check:
        case ControlKind::List:
        case ControlKind::DropList:
        case ControlKind::Button:
            return true;
        default:
            return false;
    }
}

bool Control::editable() const {
    return (kind() == ControlKind::Entry || kind() == ControlKind::Spin ||
            kind() == ControlKind::DropList) &&
           !readOnly();
}

void Control::setFlag(unsigned flag, bool on) {
    const unsigned flags = on ? (flags_ | flag) : (flags_ & ~flag);
    if (flags == flags_)
        return;
    flags_ = flags;
    owner_.notify(number(), Change::State);
}

void Control::setRows(std::vector<Row> rows) {
    rows_ = std::move(rows);
    owner_.notify(number(), Change::Rows);
    if (selection_ > static_cast<int>(rows_.size()))
        setSelection(static_cast<int>(rows_.size()));
}

void Control::setRowValues(const std::vector<std::vector<FieldValue>>& rows) {
    static const Picture plain = *Picture::parse("s255");
    std::vector<std::optional<Picture>> pictures;
    for (const ListColumn& c : desc_.columns)
        pictures.push_back(Picture::parse(c.picture));
    std::vector<Row> out;
    for (const auto& values : rows) {
        Row row;
        for (size_t i = 0; i < values.size(); ++i) {
            const bool own = i < pictures.size() && pictures[i].has_value();
            row.push_back(own ? pictures[i]->format(values[i]) : plain.format(values[i]));
        }
        out.push_back(std::move(row));
    }
    setRows(std::move(out));
}

void Control::setSelection(int row) {
    row = std::clamp(row, 0, static_cast<int>(rows_.size()));
    if (row == selection_)
        return;
    selection_ = row;
    owner_.notify(number(), Change::Selection);
}

void Control::setThumb(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == thumb_)
        return;
    thumb_ = percent;
    owner_.notify(number(), Change::Thumb);
}

void Control::setChoice(int tab) {
    if (tab == choice_)
        return;
    choice_ = tab;
    owner_.notify(number(), Change::Choice);
}

void Control::setDocument(std::shared_ptr<const print::Document> document) {
    document_ = std::move(document);
    owner_.notify(number(), Change::Pages);
}

void Control::setLayout(PageLayout layout) {
    if (layout == layout_)
        return;
    layout_ = layout;
    owner_.notify(number(), Change::Layout);
}

void Control::alert(KeyCode key) {
    if (!alerted(key))
        alerts_.push_back(key);
}

void Control::unalert(KeyCode key) {
    std::erase(alerts_, key);
}

bool Control::alerted(KeyCode key) const {
    return std::find(alerts_.begin(), alerts_.end(), key) != alerts_.end();
}

}  // namespace vorda::ui
