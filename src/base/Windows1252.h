#pragma once

#include <array>
#include <cstdint>

namespace yrn {

// The characters of the Windows-1252 bytes 0x80 to 0x9F, in which it differs from
// Latin-1. The five bytes it leaves unassigned keep the C1 control of the same
// value, as Windows itself reads them, so that every byte reads back.
inline constexpr std::array<char16_t, 32> kWindows1252C1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The character of a Windows-1252 byte.
inline constexpr char16_t windows1252Char(std::uint8_t byte) {
    return byte >= 0x80 && byte < 0xA0 ? kWindows1252C1[byte - 0x80] : char16_t(byte);
}

}  // namespace yrn
