// FixedText<N>: a text field of exactly N Windows-1252 characters, blank padded.
//
// This is how every text field of a record buffer is stored. Setting it from
// UTF-8 converts to Windows-1252 and cuts at N characters (characters, not
// bytes); reading it back gives UTF-8. TextRef is a view over part of such a
// field (the declaration key's named parts), writing through to the same bytes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/types/cp1252.h"
#include "platform/types/trim.h"

namespace vorda {

// A writable window of `width` characters over fixed-width text bytes.
class TextRef {
public:
    TextRef(char* bytes, size_t width) : bytes_(bytes), width_(width) {}

    size_t width() const { return width_; }
    std::string_view raw() const { return {bytes_, width_}; }
    char* data() { return bytes_; }

    // Sets from UTF-8: converted, cut at the width, padded with blanks.
    void set(std::string_view utf8) { setRaw(cp1252::fromUtf8(utf8)); }
    // Sets from Windows-1252 bytes: cut at the width, padded with blanks.
    void setRaw(std::string_view bytes) {
        const size_t n = std::min(bytes.size(), width_);
        std::memcpy(bytes_, bytes.data(), n);
        std::memset(bytes_ + n, ' ', width_ - n);
    }
    void clear() { std::memset(bytes_, ' ', width_); }
    // Lowest / highest value of the field as a key component.
    void fillLow() { std::memset(bytes_, 0, width_); }
    void fillHigh() { std::memset(bytes_, '\xff', width_); }

    // UTF-8, trailing blanks removed.
    std::string str() const { return cp1252::toUtf8(trimmedRaw()); }
    // UTF-8 with the trailing blanks kept (exactly `width` characters).
    std::string padded() const { return cp1252::toUtf8(raw()); }
    std::string_view trimmedRaw() const { return trimRight({bytes_, width_}); }
    bool isBlank() const { return trimmedRaw().empty(); }

private:
    char* bytes_;
    size_t width_;
};

template <size_t N>
struct FixedText {
    char bytes[N];

    FixedText() { std::memset(bytes, ' ', N); }
    explicit FixedText(std::string_view utf8) { ref().set(utf8); }

    static constexpr size_t width = N;

    TextRef ref() { return TextRef(bytes, N); }
    // A view of `width` characters from `offset`, clamped to the field.
    TextRef sub(size_t offset, size_t width) {
        offset = std::min(offset, N);
        return TextRef(bytes + offset, std::min(width, N - offset));
    }

    void set(std::string_view utf8) { ref().set(utf8); }
    void setRaw(std::string_view raw) { ref().setRaw(raw); }
    void clear() { std::memset(bytes, ' ', N); }
    std::string str() const { return cp1252::toUtf8(trimmedRaw()); }
    std::string_view raw() const { return {bytes, N}; }
    std::string_view trimmedRaw() const { return trimRight({bytes, N}); }
    bool isBlank() const { return trimmedRaw().empty(); }

    friend bool operator==(const FixedText& a, const FixedText& b) {
        return std::memcmp(a.bytes, b.bytes, N) == 0;
    }
};

}  // namespace vorda
