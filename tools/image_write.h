// In-memory images for the asset tools, and writers for the two file formats
// the demo loads: 24-bit uncompressed BMP and uncompressed true-colour TGA.
//
// Both writers store the bottom row first, as the demo's loaders hand rows to
// OpenGL in file order (texture coordinate t = 0 at the bottom of the image).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Pixels R, G, B (and A when channels is 4), rows top to bottom, tightly packed.
struct Image {
    Image(int width, int height, int channels);

    std::uint8_t* at(int x, int y) { return &pixels[offset(x, y)]; }
    const std::uint8_t* at(int x, int y) const { return &pixels[offset(x, y)]; }

    int width;
    int height;
    int channels;  // 3 or 4
    std::vector<std::uint8_t> pixels;

private:
    std::size_t offset(int x, int y) const {
        return (static_cast<std::size_t>(y) * width + x) * channels;
    }
};

// A 24-bit BMP: 14-byte file header, 40-byte information header with the
// image-size field filled, rows padded to 4 bytes. Alpha is dropped.
std::vector<std::uint8_t> EncodeBmp(const Image& image);
// An uncompressed TGA (type 2) without id field or colour map: 32 bits with
// 8 alpha bits for 4 channels, else 24 bits. Origin bottom left.
std::vector<std::uint8_t> EncodeTga(const Image& image);

// Writes the bytes to path; false (and a line on standard error naming the
// file) when it cannot be written.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
