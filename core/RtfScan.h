#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace quillon {

// The first byte from `p` on that is not printable ASCII or is a backslash or a brace; `end` if
// none. Eight bytes at a time: of the bytes flagged in a word, the lowest is always a true match.
inline const unsigned char* skipPlainAscii(const unsigned char* p, const unsigned char* end) {
    static_assert(std::endian::native == std::endian::little);
    constexpr std::uint64_t ones = 0x0101010101010101ull;
    constexpr std::uint64_t highs = 0x8080808080808080ull;
    const auto hasZeroByte = [](std::uint64_t v) { return (v - ones) & ~v & highs; };
    while (end - p >= 8) {
        std::uint64_t x;
        std::memcpy(&x, p, 8);
        const std::uint64_t special = (x & highs) | ((x - 0x20 * ones) & ~x & highs) |
                                      hasZeroByte(x ^ ('\\' * ones)) |
                                      hasZeroByte(x ^ ('{' * ones)) | hasZeroByte(x ^ ('}' * ones));
        if (special != 0) {
            return p + (std::countr_zero(special) >> 3);
        }
        p += 8;
    }
    while (p < end && *p >= 0x20 && *p < 0x80 && *p != '\\' && *p != '{' && *p != '}') {
        ++p;
    }
    return p;
}

} // namespace quillon
