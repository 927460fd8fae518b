// BMP and TGA encoding for the asset tools.
#include "tools/image_write.h"

#include "tools/byte_writer.h"

#include <cstdio>
#include <stdexcept>

namespace {

// Blue, green, red (and alpha when withAlpha) of every pixel, bottom row first,
// each row followed by rowPadding zero bytes.
void putRowsBottomUp(std::vector<std::uint8_t>& out, const Image& image, bool withAlpha,
                     int rowPadding) {
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.at(x, y);
            out.insert(out.end(), {p[2], p[1], p[0]});
            if (withAlpha) out.push_back(p[3]);
        }
        out.insert(out.end(), rowPadding, 0);
    }
}

}  // namespace

Image::Image(int width, int height, int channels)
    : width(width), height(height), channels(channels) {
    if (width <= 0 || height <= 0 || (channels != 3 && channels != 4))
        throw std::invalid_argument("Image: bad size or channel count");
    pixels.assign(static_cast<std::size_t>(width) * height * channels, 0);
}

std::vector<std::uint8_t> EncodeBmp(const Image& image) {
    constexpr std::uint32_t kHeaders = 14 + 40;
    constexpr std::uint32_t kPixelsPerMetre = 2835;  // 72 dpi
    const int padding = (4 - image.width * 3 % 4) % 4;
    const std::uint32_t imageSize = (image.width * 3 + padding) * image.height;

    std::vector<std::uint8_t> out = {'B', 'M'};
    out.reserve(kHeaders + imageSize);
    put32(out, kHeaders + imageSize);  // file size
    put32(out, 0);                     // reserved
    put32(out, kHeaders);              // offset of the pixels
    put32(out, 40);                    // information header size
    put32(out, image.width);
    put32(out, image.height);  // positive: bottom row first
    put16(out, 1);             // planes
    put16(out, 24);            // bits per pixel
    put32(out, 0);             // no compression
    put32(out, imageSize);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, 0);  // colours used: none (no palette)
    put32(out, 0);  // important colours: all
    putRowsBottomUp(out, image, false, padding);
    return out;
}

std::vector<std::uint8_t> EncodeTga(const Image& image) {
    if (image.width > 0xFFFF || image.height > 0xFFFF)
        throw std::invalid_argument("EncodeTga: image wider or higher than 65535");
    const bool withAlpha = image.channels == 4;

    // No id field, no colour map, uncompressed true colour, colour map
    // fields all zero.
    std::vector<std::uint8_t> out = {0, 0, 2, 0, 0, 0, 0, 0};
    put16(out, 0);  // x origin
    put16(out, 0);  // y origin
    put16(out, image.width);
    put16(out, image.height);
    out.push_back(withAlpha ? 32 : 24);  // bits per pixel
    out.push_back(withAlpha ? 8 : 0);    // alpha bits; origin bottom left
    putRowsBottomUp(out, image, withAlpha, 0);
    return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool ok = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file && std::fclose(file) != 0) ok = false;
    if (!ok) std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return ok;
}
