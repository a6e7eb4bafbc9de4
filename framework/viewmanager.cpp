#include "framework/viewmanager.h"

#include <algorithm>
#include <cstring>

#include "framework/assertion.h"
#include "framework/errorids.h"
#include "framework/filemanager.h"
#include "framework/filterexpression.h"
#include "framework/relationmanager.h"
#include "platform/process/errorstate.h"
#include "platform/store/codes.h"
#include "platform/store/file.h"
#include "platform/types/cp1252.h"
#include "platform/types/date.h"
#include "platform/types/decimal.h"
#include "platform/types/trim.h"

namespace vorda {

namespace {

constexpr const char* kNoView = "View manager has not been assigned a view";
constexpr const char* kNoSort = "Sort order does not exist:";
constexpr const char* kNoLinks = "File based range limit requires linking fields.";

bool isTextKind(store::FieldKind kind) {
    return kind == store::FieldKind::Text || kind == store::FieldKind::Group;
}

template <typename T>
T fromImage(const std::string& image) {
    T value{};
    std::memcpy(static_cast<void*>(&value), image.data(), std::min(sizeof(T), image.size()));
    return value;
}

}  // namespace

ViewManager::ViewManager() = default;
ViewManager::~ViewManager() = default;

// ---------------------------------------------------------------------------
// Set-up

void ViewManager::Init(RelationManager* primary) {
    frameworkAssert(primary != nullptr, kNoView);
    Close();
    Primary = primary;
    sorts_.clear();
    current_ = 0;
}

void ViewManager::Kill() {
    Close();
    sorts_.clear();
    current_ = 0;
    Primary = nullptr;
}

void ViewManager::checkView() const {
    frameworkAssert(Primary != nullptr && Primary->Me != nullptr && Primary->Me->File != nullptr,
                    kNoView);
}

FileManager& ViewManager::Me() const {
    checkView();
    return *Primary->Me;
}

ViewManager::Sort& ViewManager::currentSort() {
    frameworkAssert(current_ >= 1 && current_ <= static_cast<int>(sorts_.size()), kNoSort);
    return sorts_.at(static_cast<size_t>(current_ - 1));
}

const ViewManager::Sort& ViewManager::currentSort() const {
    frameworkAssert(current_ >= 1 && current_ <= static_cast<int>(sorts_.size()), kNoSort);
    return sorts_.at(static_cast<size_t>(current_ - 1));
}

int ViewManager::AddSortOrder(int key) {
    Sort sort;
    sort.key = key;
    sort.order = key != 0 ? Me().KeyToOrder(key) : std::string();
    sorts_.push_back(std::move(sort));
    current_ = static_cast<int>(sorts_.size());
    return current_;
}

void ViewManager::SetOrder(std::string_view order) {
    currentSort().order = std::string(order);
    if (open_)
        ApplyOrder();
}

// ---------------------------------------------------------------------------
// Ranges

ViewManager::Limit ViewManager::limitFor(const Sort& sort, int component, int field) const {
    std::string name = component != 0 ? Me().GetFieldName(sort.key, component)
                                      : std::string(Me().File->desc().field(field).name);
    const bool upper = name.rfind("UPPER(", 0) == 0;
    return {.field = field, .name = std::move(name), .upper = upper};
}

int ViewManager::LimitMajorComponents(int field) {
    Sort& sort = currentSort();
    sort.limits.clear();
    if (sort.key != 0) {
        const int components = Me().GetComponents(sort.key);
        for (int c = 1; c <= components; ++c) {
            const int component = Me().GetField(sort.key, c);
            sort.limits.push_back(limitFor(sort, c, component));
            if (component == field)
                return c;
        }
        sort.limits.clear();
    }
    sort.limits.push_back(limitFor(sort, 0, field));
    return 1;
}

void ViewManager::setRange(RangeKind kind, int field) {
    LimitMajorComponents(field);
    Sort& sort = currentSort();
    sort.range = kind;
    sort.values.clear();
    sort.captured = false;
}

void ViewManager::AddRange(int field) {
    setRange(RangeKind::Current, field);
}

void ViewManager::AddRange(int field, LimitValue value) {
    setRange(RangeKind::Given, field);
    currentSort().given = std::move(value);
}

void ViewManager::AddRange(int field, TextRef value) {
    AddRange(field, LimitValue([value] { return std::string(value.raw()); }));
}

void ViewManager::AddRange(int field, std::string_view utf8) {
    AddRange(field, LimitValue([image = cp1252::fromUtf8(utf8)] { return image; }));
}

void ViewManager::AddRange(int field, LimitValue low, LimitValue high) {
    setRange(RangeKind::Between, field);
    currentSort().low = std::move(low);
    currentSort().high = std::move(high);
}

void ViewManager::AddRange(int field, TextRef low, TextRef high) {
    AddRange(field, LimitValue([low] { return std::string(low.raw()); }),
             LimitValue([high] { return std::string(high.raw()); }));
}

void ViewManager::AddRange(int field, RelationManager* parent, RelationManager* self) {
    frameworkAssert(parent != nullptr && self != nullptr, kNoLinks);
    setRange(RangeKind::Parent, field);
    Sort& sort = currentSort();
    sort.parent = parent;
    sort.self = self;
    const std::vector<RelationManager::LinkPair> links = self->ListLinkingFields(parent);
    for (const Limit& limit : sort.limits) {
        const bool linked = std::any_of(links.begin(), links.end(), [&](const auto& link) {
            return link.thisField == limit.field;
        });
        frameworkAssert(linked, kNoLinks);
    }
}

// `image` cut or padded (blank for text, zero otherwise) to the field's size.
std::string ViewManager::limitImage(int field, std::string image) const {
    const size_t width = RelationManager::FieldImage(Me(), field).size();
    const bool text = isTextKind(Me().File->desc().field(field).kind);
    image.resize(width, text ? ' ' : '\0');
    return image;
}

std::string ViewManager::parentImage(const Sort& sort, int field) const {
    for (const RelationManager::LinkPair& link : sort.self->ListLinkingFields(sort.parent)) {
        if (link.thisField == field) {
            return limitImage(field,
                              RelationManager::FieldImage(*sort.parent->Me, link.relatedField));
        }
    }
    assertionFailure(kNoLinks);
    return {};
}

// The images the range stands for now. Leading components of a given or a
// between range, and every component of a current-value range, are taken
// from the buffer only when `fresh` (the sort being selected) or never taken.
std::vector<std::string> ViewManager::rangeValues(const Sort& sort, bool fresh) const {
    const bool retake = fresh || !sort.captured;
    const size_t n = sort.limits.size();
    std::vector<std::string> values;
    for (size_t i = 0; i < n; ++i) {
        const int field = sort.limits[i].field;
        const bool last = i + 1 == n;
        if (sort.range == RangeKind::Parent) {
            values.push_back(parentImage(sort, field));
        } else if (last && sort.range == RangeKind::Given) {
            values.push_back(limitImage(field, sort.given()));
        } else if (last && sort.range == RangeKind::Between) {
            values.push_back(limitImage(field, sort.low()));
            values.push_back(limitImage(field, sort.high()));
        } else {
            values.push_back(retake || i >= sort.values.size()
                                 ? RelationManager::FieldImage(Me(), field)
                                 : sort.values[i]);
        }
    }
    return values;
}

bool ViewManager::ApplyRange() {
    Sort& sort = currentSort();
    if (sort.range == RangeKind::None)
        return false;
    std::vector<std::string> values = rangeValues(sort, false);
    if (sort.captured && values == sort.values)
        return false;
    sort.values = std::move(values);
    sort.captured = true;
    if (open_)
        ApplyFilter();
    return true;
}

bool ViewManager::SetSort(int number) {
    frameworkAssert(number >= 1 && number <= static_cast<int>(sorts_.size()), kNoSort);
    if (number == current_ && currentSort().captured)
        return ApplyRange();
    current_ = number;
    Sort& sort = currentSort();
    sort.values = rangeValues(sort, true);
    sort.captured = true;
    if (open_) {
        ApplyOrder();
        ApplyFilter();
    }
    return true;
}

// ---------------------------------------------------------------------------
// Filter and order

std::string ViewManager::literal(const Limit& limit, const std::string& image) const {
    std::string text;
    switch (Me().File->desc().field(limit.field).kind) {
        case store::FieldKind::Text:
        case store::FieldKind::Group:
            text = FilterExpression::quote(cp1252::toUtf8(trimRight(image)));
            break;
        case store::FieldKind::Decimal:
            text = fromImage<Decimal>(image).toString();
            break;
        case store::FieldKind::Date:
            text = std::to_string(fromImage<Date>(image).dayNumber());
            break;
        case store::FieldKind::Int32:
            text = std::to_string(fromImage<int32_t>(image));
            break;
    }
    return limit.upper ? "UPPER(" + text + ")" : text;
}

std::string ViewManager::rangeText(const Sort& sort) const {
    if (sort.range == RangeKind::None)
        return {};
    const std::vector<std::string> values = sort.captured ? sort.values : rangeValues(sort, true);
    std::string text;
    for (size_t i = 0; i < sort.limits.size() && i < values.size(); ++i) {
        const Limit& limit = sort.limits[i];
        if (!text.empty())
            text += " AND ";
        const bool between = sort.range == RangeKind::Between && i + 1 == sort.limits.size();
        if (between && i + 1 < values.size()) {
            text += limit.name + " >= " + literal(limit, values[i]) + " AND " + limit.name +
                    " <= " + literal(limit, values[i + 1]);
        } else {
            text += limit.name + " = " + literal(limit, values[i]);
        }
    }
    return text;
}

std::string ViewManager::FilterText() const {
    const Sort& sort = currentSort();
    std::string text = rangeText(sort);
    for (const Filter& filter : sort.filters) {
        if (!text.empty())
            text += " AND ";
        text += "(" + filter.expression + ")";
    }
    return text;
}

std::string ViewManager::OrderText() const {
    return currentSort().order;
}

void ViewManager::SetFilter(std::string_view expression, std::string_view id) {
    Sort& sort = currentSort();
    const std::string name(id.substr(0, MaxFilterIdLength));
    auto it = std::find_if(sort.filters.begin(), sort.filters.end(),
                           [&](const Filter& f) { return f.id == name; });
    if (expression.empty()) {
        if (it != sort.filters.end())
            sort.filters.erase(it);
    } else if (it != sort.filters.end()) {
        it->expression = std::string(expression);
    } else {
        sort.filters.push_back({.id = name, .expression = std::string(expression)});
    }
    if (open_)
        ApplyFilter();
}

// Error 40 for a text the view cannot take; the platform error state then
// describes the problem for %ErrorText.
Level ViewManager::viewError(int code, const std::string& fileErrorCode, const std::string& text) {
    platform::setLastError(code, platform::errorText(code), fileErrorCode, text);
    return Me().Throw(msg::ViewOpenError);
}

Level ViewManager::ApplyOrder() {
    if (!open_)
        return Benign;
    const std::string& text = currentSort().order;
    FilterError error;
    const auto terms = FilterExpression::parseOrder(text, Me().File->desc(), &error);
    if (fileSequence_) {
        if (terms && terms->empty())
            return Benign;
        return viewError(store::FileSystemError, "0", "la tabla solo se lee en orden de archivo");
    }
    if (!terms) {
        cursor_->setOrder({});
        return viewError(store::FileSystemError, std::to_string(error.position),
                         "orden no válido: " + error.message);
    }
    if (cursor_->setOrder(*terms) != store::Ok) {
        cursor_->setOrder({});
        return Me().Throw(msg::ViewOpenError);
    }
    return Benign;
}

Level ViewManager::ApplyFilter() {
    if (!open_)
        return Benign;
    const std::string text = FilterText();
    if (text.empty()) {
        if (cursor_)
            cursor_->setFilter(nullptr);
        return Benign;
    }
    if (fileSequence_) {
        return viewError(store::FileSystemError, "0", "la tabla no admite filtros");
    }
    cursor_->setFilter(nullptr);
    if (text.size() > MaxFilterLength) {
        return viewError(store::FileSystemError, std::to_string(MaxFilterLength),
                         "filtro de más de 4999 caracteres");
    }
    FilterError error;
    const auto node = FilterExpression::parseFilter(text, Me().File->desc(), &error);
    if (!node) {
        return viewError(store::FileSystemError, std::to_string(error.position),
                         "filtro no válido: " + error.message);
    }
    if (cursor_->setFilter(&*node) != store::Ok) {
        cursor_->setFilter(nullptr);
        return Me().Throw(msg::ViewOpenError);
    }
    return Benign;
}

// ---------------------------------------------------------------------------
// Opening and reading

Level ViewManager::Open() {
    checkView();
    frameworkAssert(!sorts_.empty(), "At least 1 view order must be specified");
    if (open_)
        return Benign;
    const Level used = Me().UseFile();
    if (used != Benign)
        return used;
    cursor_ = Me().File->openCursor();
    fileSequence_ = cursor_ == nullptr;
    open_ = true;
    SetQuickScan(QuickScan);
    Sort& sort = currentSort();
    if (!sort.captured) {
        sort.values = rangeValues(sort, true);
        sort.captured = true;
    }
    ApplyOrder();
    ApplyFilter();
    return Benign;
}

bool ViewManager::UseView() {
    return open_ || Open() == Benign;
}

void ViewManager::Close() {
    cursor_.reset();
    open_ = false;
    fileSequence_ = false;
}

void ViewManager::Reset(ResetAt at) {
    if (!UseView())
        return;
    if (fileSequence_) {
        Me().File->setKey(0);
        return;
    }
    switch (at) {
        case ResetAt::First:
            cursor_->startAtFirst();
            break;
        case ResetAt::Last:
            cursor_->startAtLast();
            break;
        case ResetAt::Buffer:
            cursor_->startAtBuffer();
            break;
    }
}

Level ViewManager::Reset(const std::string& position) {
    if (!UseView())
        return Notify;
    const int code = fileSequence_ ? Me().File->resetTo(0, position) : cursor_->startAt(position);
    return code == store::Ok ? Benign : Notify;
}

int ViewManager::readOnce(bool forward) {
    if (fileSequence_)
        return forward ? Me().File->next() : Me().File->previous();
    return forward ? cursor_->next() : cursor_->previous();
}

Level ViewManager::read(bool forward) {
    if (!UseView())
        return Notify;
    for (;;) {
        const int code = readOnce(forward);
        if (code == store::NoMoreRecords)
            return Notify;
        if (code != store::Ok) {
            Me().Throw(msg::RetrieveError);
            return Fatal;
        }
        const uint8_t verdict = ValidateRecord();
        if (verdict == RecordOK)
            return Benign;
        if (verdict == RecordOutOfRange)
            return Notify;
    }
}

Level ViewManager::Next() {
    return read(true);
}

Level ViewManager::Previous() {
    return read(false);
}

uint8_t ViewManager::ValidateRecord() {
    return RecordOK;
}

Level ViewManager::PrimeRecord(Priming priming) {
    FileManager& file = Me();
    if (priming == Priming::ClearBuffer) {
        const store::TableDesc& desc = file.File->desc();
        for (int f = 1; f <= desc.fieldCount(); ++f) {
            if (desc.field(f).kind != store::FieldKind::Group)
                RelationManager::ClearField(file, f);
        }
    }
    if (!sorts_.empty()) {
        const Sort& sort = currentSort();
        const std::vector<std::string> values =
            sort.captured ? sort.values : rangeValues(sort, true);
        size_t count = sort.limits.size();
        if (sort.range == RangeKind::Between && count > 0)
            --count;
        if (sort.range == RangeKind::None)
            count = 0;
        for (size_t i = 0; i < count && i < values.size(); ++i) {
            RelationManager::SetFieldImage(file, sort.limits[i].field, values[i]);
        }
    }
    return file.PrimeRecord(Priming::KeepBuffer);
}

std::string ViewManager::Position() const {
    if (!open_)
        return {};
    return fileSequence_ ? Me().File->position(0) : cursor_->position();
}

void ViewManager::SetQuickScan(bool on) {
    QuickScan = on;
    if (cursor_) {
        cursor_->setQuickScan(on);
    } else if (fileSequence_) {
        Me().File->send(on ? "QUICKSCAN=on" : "QUICKSCAN=off");
    }
}

void ViewManager::Flush() {
    if (cursor_)
        cursor_->flush();
}

}  // namespace vorda
