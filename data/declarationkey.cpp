#include "data/declarationkey.h"

namespace vorda {

namespace {

using store::FieldKind;

// Where each key field lies inside the 19 characters, in field order.
struct KeyPart {
    FieldKind kind;
    size_t start;
    size_t width;
    bool column;
};

constexpr KeyPart KEY_PARTS[DeclarationKeyFields::COUNT] = {
    {.kind = FieldKind::Text, .start = 0, .width = 19, .column = false},
    {.kind = FieldKind::Group, .start = 0, .width = 19, .column = false},
    {.kind = FieldKind::Text, .start = 0, .width = 11, .column = true},
    {.kind = FieldKind::Text, .start = 11, .width = 8, .column = false},
    {.kind = FieldKind::Group, .start = 11, .width = 8, .column = false},
    {.kind = FieldKind::Text, .start = 11, .width = 4, .column = true},
    {.kind = FieldKind::Text, .start = 15, .width = 2, .column = true},
    {.kind = FieldKind::Text, .start = 17, .width = 2, .column = true},
};

}  // namespace

void DeclarationKey::describe(std::vector<store::FieldDesc>& fields, const FieldNames& names,
                              size_t offset) {
    for (size_t i = 0; i < names.size(); ++i) {
        const KeyPart& part = KEY_PARTS[i];
        fields.push_back({.name = names[i],
                          .kind = part.kind,
                          .offset = offset + part.start,
                          .width = part.width,
                          .column = part.column});
    }
}

}  // namespace vorda
