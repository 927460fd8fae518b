// BMP decoding, plain and colour-keyed, from the same bytes: both succeed or
// both fail, and the keyed image is the plain one with alpha 0 exactly for pure
// black. A decoded 24-bit image has rows that lie inside the bytes (stored
// either way up) and corner pixels that match the file's B, G, R triples; every
// pixel of a 1-, 4- or 8-bit image is a colour of the file's palette or black.
// Reading every output pixel makes the sanitizer check the size of each buffer.
#include "fuzz_support.h"
#include "render/image_decode.h"

#include <cstdint>
#include <cstdlib>
#include <set>

namespace {

std::uint32_t u32(const std::uint8_t* p) {
    return std::uint32_t(p[3]) << 24 | p[2] << 16 | p[1] << 8 | p[0];
}

std::uint32_t rgbAt(const unsigned char* rgb, std::size_t index) {
    return std::uint32_t(rgb[3 * index]) << 16 | rgb[3 * index + 1] << 8 | rgb[3 * index + 2];
}

// The decoded pixel at index must be the file's triple at byte at, reversed.
void checkPixel(const unsigned char* rgb, std::size_t index, const std::uint8_t* file) {
    FUZZ_CHECK(rgbAt(rgb, index) == (std::uint32_t(file[2]) << 16 | file[1] << 8 | file[0]));
}

void checkTrueColour(const std::uint8_t* data, std::size_t size, const BitmapInfoHeader& info,
                     const unsigned char* rgb) {
    const std::size_t width = std::size_t(info.biWidth), height = std::size_t(info.biHeight);
    const std::size_t stride = (width * 3 + 3) & ~std::size_t(3);
    const std::size_t offset = u32(data + 10);
    FUZZ_CHECK(offset >= 14 + info.biSize && offset <= size && stride * height <= size - offset);
    // Rows come out bottom first; a negative height in the file stores them top first.
    const bool topDown = info.biSize >= 40 && std::int32_t(u32(data + 22)) < 0;
    const std::uint8_t* bottom = data + offset + (topDown ? (height - 1) * stride : 0);
    const std::uint8_t* top = data + offset + (topDown ? 0 : (height - 1) * stride);
    checkPixel(rgb, 0, bottom);
    checkPixel(rgb, width * height - 1, top + (width - 1) * 3);
}

void checkPaletted(const std::uint8_t* data, const BitmapInfoHeader& info,
                   const unsigned char* rgb) {
    const std::size_t entryBytes = info.biSize == 12 ? 3 : 4, at = 14 + info.biSize;
    std::set<std::uint32_t> colours = {0};
    for (std::size_t e = at; e + entryBytes <= u32(data + 10) && colours.size() <= 256;
         e += entryBytes)
        colours.insert(std::uint32_t(data[e + 2]) << 16 | data[e + 1] << 8 | data[e]);
    for (std::size_t i = 0; i < std::size_t(info.biWidth) * std::size_t(info.biHeight); ++i)
        FUZZ_CHECK(colours.count(rgbAt(rgb, i)) == 1);
}

void checkImage(const std::uint8_t* data, std::size_t size, const BitmapInfoHeader& info,
                const unsigned char* rgb, const unsigned char* rgba) {
    FUZZ_CHECK(info.biWidth > 0 && info.biHeight > 0);
    if (info.biBitCount == 24) checkTrueColour(data, size, info, rgb);
    if (info.biBitCount <= 8) checkPaletted(data, info, rgb);
    const std::size_t count = std::size_t(info.biWidth) * std::size_t(info.biHeight);
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char *p = rgb + 3 * i, *q = rgba + 4 * i;
        FUZZ_CHECK(q[0] == p[0] && q[1] == p[1] && q[2] == p[2]);
        const bool black = (p[0] | p[1] | p[2]) == 0;
        FUZZ_CHECK(!black || q[3] == 0);
        FUZZ_CHECK(black || info.biBitCount == 16 || info.biBitCount == 32 || q[3] == 255);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TrimFuzzLog();
    BitmapInfoHeader info{}, keyedInfo{};
    unsigned char* rgb = DecodeBitmap(data, size, "fuzz.bmp", &info);
    unsigned char* rgba = DecodeKeyedBitmap(data, size, "fuzz.bmp", &keyedInfo);
    FUZZ_CHECK((rgb == nullptr) == (rgba == nullptr));
    if (rgb) {
        FUZZ_CHECK(info.biWidth == keyedInfo.biWidth && info.biHeight == keyedInfo.biHeight);
        checkImage(data, size, info, rgb, rgba);
    }
    std::free(rgb);
    std::free(rgba);
    return 0;
}
