// Hand-built image files for tests: little-endian fields, and whole 24-bit
// BMP and TGA files from rows of colours given bottom row first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

using Rgb = std::array<int, 3>;
using Rows = std::vector<std::vector<Rgb>>;

inline void put16(std::string& s, std::size_t at, unsigned v) {
    s[at] = char(v & 0xFF);
    s[at + 1] = char(v >> 8 & 0xFF);
}

inline void put32(std::string& s, std::size_t at, std::uint32_t v) {
    put16(s, at, v & 0xFFFF);
    put16(s, at + 2, v >> 16);
}

// A 24-bit BMP, rows padded to 4 bytes as writers do.
inline std::string bmpOf(const Rows& rows) {
    const std::size_t width = rows[0].size(), stride = (width * 3 + 3) & ~std::size_t(3);
    std::string s(54, '\0');
    s[0] = 'B';
    s[1] = 'M';
    put32(s, 10, 54);
    put32(s, 14, 40);
    put32(s, 18, std::uint32_t(width));
    put32(s, 22, std::uint32_t(rows.size()));
    s[26] = 1;
    s[28] = 24;
    put32(s, 34, std::uint32_t(stride * rows.size()));
    for (const auto& row : rows) {
        std::string line(stride, '\0');
        for (std::size_t x = 0; x < width; ++x)
            for (std::size_t c = 0; c < 3; ++c) line[3 * x + c] = char(row[x][2 - c]);
        s += line;
    }
    put32(s, 2, std::uint32_t(s.size()));
    return s;
}

// A 24-bit uncompressed TGA.
inline std::string tgaOf(const Rows& rows) {
    std::string s(18, '\0');
    s[2] = 2;
    put16(s, 12, unsigned(rows[0].size()));
    put16(s, 14, unsigned(rows.size()));
    s[16] = 24;
    for (const auto& row : rows)
        for (const Rgb& p : row) s += {char(p[2]), char(p[1]), char(p[0])};
    return s;
}

}  // namespace testing_support
