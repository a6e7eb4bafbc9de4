// Sha256: the SHA-256 digest, for the owner-password verifier of a table file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorda::store {

class Sha256 {
public:
    void update(std::string_view data);
    std::array<uint8_t, 32> digest();
    // Lower-case hexadecimal digest of `data`.
    static std::string hex(std::string_view data);

private:
    void block(const uint8_t* p);

    std::array<uint32_t, 8> h_{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                               0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
    std::array<uint8_t, 64> pending_{};
    size_t pendingSize_ = 0;
    uint64_t totalBytes_ = 0;
};

}  // namespace vorda::store
