// Flags<E>: a set of the bits named by the enumerators of E.
//
// For the framework's bit-set fields (a form's CancelAction, Inited): the
// enumerators carry the framework's bit values, and the set converts to and
// from nothing else, so a bit of one field cannot be tested in another.
//
//   enum class CancelFlag : uint8_t { Save = 1, Ask = 2 };
//   Flags<CancelFlag> action{CancelFlag::Save, CancelFlag::Ask};  // 3
//   if (action.has(CancelFlag::Ask)) ...
#pragma once

#include <initializer_list>
#include <type_traits>

namespace vorda {

template <typename E>
class Flags {
public:
    using Bits = std::underlying_type_t<E>;

    constexpr Flags() = default;
    constexpr Flags(std::initializer_list<E> flags) {
        for (E flag : flags)
            bits_ = static_cast<Bits>(bits_ | static_cast<Bits>(flag));
    }

    constexpr bool has(E flag) const { return (bits_ & static_cast<Bits>(flag)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr Bits bits() const { return bits_; }
    constexpr Flags& set(E flag) {
        bits_ = static_cast<Bits>(bits_ | static_cast<Bits>(flag));
        return *this;
    }
    friend constexpr bool operator==(Flags, Flags) = default;

private:
    Bits bits_ = 0;
};

}  // namespace vorda
