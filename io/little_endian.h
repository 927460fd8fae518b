// Little-endian fields of the binary file formats (BMP, TGA, MD2, recordings), read byte
// by byte so the result does not depend on the host's byte order or alignment.
#pragma once

#include <bit>
#include <cstdint>

inline std::uint16_t readLE16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }

inline std::uint32_t readLE32(const unsigned char* p) {
    return std::uint32_t(readLE16(p)) | std::uint32_t(readLE16(p + 2)) << 16;
}

// An IEEE 754 single stored low byte first.
inline float readLEFloat(const unsigned char* p) { return std::bit_cast<float>(readLE32(p)); }

// Stores the value at p, low byte first, and gives the byte after it.
inline unsigned char* writeLE32(unsigned char* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) *p++ = static_cast<unsigned char>(value >> 8 * i);
    return p;
}
