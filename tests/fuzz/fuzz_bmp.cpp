// BMP decoding, plain and colour-keyed, from the same bytes: both succeed or
// both fail, a decoded image has rows that lie inside the bytes (stored either
// way up), the corner pixels match the file's B, G, R triples, and the keyed image is the plain
// one with alpha 0 exactly for pure black. Reading every output pixel makes
// the sanitizer check the size of each buffer.
#include "fuzz_support.h"
#include "render/image_decode.h"

#include <cstdint>
#include <cstdlib>

namespace {

std::uint32_t u32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

// The decoded pixel at index must be the file's triple at byte at, reversed.
void checkPixel(const unsigned char* rgb, std::size_t index, const std::uint8_t* file) {
    FUZZ_CHECK(rgb[3 * index] == file[2] && rgb[3 * index + 1] == file[1] &&
               rgb[3 * index + 2] == file[0]);
}

void checkImage(const std::uint8_t* data, std::size_t size, const BitmapInfoHeader& info,
                const unsigned char* rgb, const unsigned char* rgba) {
    FUZZ_CHECK(info.biBitCount == 24 && info.biCompression == 0);
    FUZZ_CHECK(info.biWidth > 0 && info.biHeight > 0);
    const std::size_t width = std::size_t(info.biWidth), height = std::size_t(info.biHeight);
    const std::size_t stride = (width * 3 + 3) & ~std::size_t(3);
    const std::size_t offset = u32(data + 10);
    FUZZ_CHECK(offset >= 54 && offset <= size && stride * height <= size - offset);
    // Rows come out bottom first; a negative height in the file stores them top first.
    const bool topDown = std::int32_t(u32(data + 22)) < 0;
    const std::uint8_t* bottom = data + offset + (topDown ? (height - 1) * stride : 0);
    const std::uint8_t* top = data + offset + (topDown ? 0 : (height - 1) * stride);
    checkPixel(rgb, 0, bottom);
    checkPixel(rgb, width * height - 1, top + (width - 1) * 3);
    for (std::size_t i = 0; i < width * height; ++i) {
        const unsigned char* p = rgb + 3 * i;
        const unsigned char* q = rgba + 4 * i;
        FUZZ_CHECK(q[0] == p[0] && q[1] == p[1] && q[2] == p[2]);
        FUZZ_CHECK(q[3] == ((p[0] | p[1] | p[2]) ? 255 : 0));
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
