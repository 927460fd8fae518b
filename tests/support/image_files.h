// Image and model files for tests: the hand-built seeds of the fuzz corpus, and a whole 24-bit
// uncompressed TGA from rows of colours given bottom row first.
#pragma once

#include "support/temp_dir.h"

#include <array>
#include <string>
#include <vector>

namespace testing_support {

// The bytes of a seed, named by its path below tests/fuzz/corpus.
inline std::string seed(const std::string& name) {
    return readFile(VARNE_SOURCE_DIR "/tests/fuzz/corpus/" + name);
}

using Rgb = std::array<int, 3>;
using Rows = std::vector<std::vector<Rgb>>;

inline std::string tgaOf(const Rows& rows) {
    // Type 2 (uncompressed true-colour), then width, height and 24 bits per pixel.
    const std::size_t width = rows[0].size(), height = rows.size();
    std::string s("\0\0\2\0\0\0\0\0\0\0\0\0", 12);
    s += {char(width), char(width >> 8), char(height), char(height >> 8), 24, 0};
    for (const auto& row : rows)
        for (const Rgb& p : row) s += {char(p[2]), char(p[1]), char(p[0])};
    return s;
}

}  // namespace testing_support
