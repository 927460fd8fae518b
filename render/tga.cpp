// TGA reading: uncompressed 24- and 32-bit true-colour images without a colour
// map (an identification field is skipped), decoded from memory; the file
// loader reads the whole file and decodes its bytes. Rows stay in file order
// whatever the descriptor's origin bit says. Every failure logs one fixed line.
#include "render/image_decode.h"

#include "io/file_bytes.h"
#include "io/little_endian.h"
#include "platform/log.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kHeaderSize = 18;
// After the identification field's length: no colour map, type 2
// (uncompressed true-colour), colour-map fields and image origin all zero.
constexpr unsigned char kFixedHeader[11] = {0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};

texture_t noImage() {
    texture_t texture;
    texture.sourceKind = 1;
    return texture;
}

// Size and depth from the header (size: the bytes there are, maybe fewer than
// 18); bpp stays 0 when the header is refused.
texture_t readHeader(const unsigned char* header, std::size_t size) {
    texture_t texture = noImage();
    if (size < kHeaderSize || std::memcmp(header + 1, kFixedHeader, sizeof kFixedHeader) != 0) {
        log_txt("Couldn't load texture2");
        return texture;
    }
    const std::uint32_t width = readLE16(header + 12), height = readLE16(header + 14);
    const std::uint32_t bpp = header[16];
    if (width == 0 || height == 0 || (bpp != 24 && bpp != 32)) {
        log_txt("Couldn't load texture3");
        return texture;
    }
    texture.width = width;
    texture.height = height;
    texture.bpp = bpp;
    return texture;
}

std::uint64_t pixelCount(const texture_t& t) { return std::uint64_t(t.width) * t.height; }
std::uint64_t imageSize(const texture_t& t) { return pixelCount(t) * (t.bpp / 8); }  // < 2^35

texture_t pixelsMissing() {
    log_txt("Couldn't load texture4");
    return noImage();
}

// B, G, R (, A) pixels to R, G, B (, A); src may be dst.
void swapRedBlue(const unsigned char* src, unsigned char* dst, const texture_t& t) {
    const std::uint64_t count = pixelCount(t);
    if (t.bpp == 32) {
        for (std::uint64_t i = 0; i < count; ++i) {
            std::uint32_t v;
            std::memcpy(&v, src + 4 * i, 4);
            v = (v & 0xFF00FF00u) | (v >> 16 & 0xFFu) | (v & 0xFFu) << 16;
            std::memcpy(dst + 4 * i, &v, 4);
        }
        return;
    }
    for (std::uint64_t i = 0; i < count; ++i, src += 3, dst += 3) {
        const unsigned char b = src[0];
        dst[0] = src[2];
        dst[1] = src[1];
        dst[2] = b;
    }
}

}  // namespace

texture_t DecodeTGA(const unsigned char* data, std::size_t size) {
    texture_t texture = readHeader(data, size);
    if (!texture.bpp) return texture;
    const std::size_t pixelsAt = kHeaderSize + data[0];  // behind the identification field
    if (pixelsAt > size || imageSize(texture) > size - pixelsAt) return pixelsMissing();
    auto* pixels = static_cast<unsigned char*>(std::malloc(imageSize(texture)));
    if (!pixels) return pixelsMissing();
    swapRedBlue(data + pixelsAt, pixels, texture);
    texture.pixels = pixels;
    return texture;
}

texture_t LoadTGATexture(const char* fileName) {
    const FileBytes file = ReadFileBytes(fileName, kMaxImageFile);
    if (!file.data) {
        log_txt("Couldn't load texture1");
        return noImage();
    }
    return DecodeTGA(file.data.get(), file.size);
}
