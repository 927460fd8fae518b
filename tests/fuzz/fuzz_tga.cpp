// TGA reading, from memory and through the file path (the pixels read straight
// into the image, or the whole file decoded): both give the same result. A
// failure leaves an empty record; a decoded image has the header's size, 24 or
// 32 bits, and rows bottom first. For a plain 24- or 32-bit image the pixels lie
// inside the bytes behind the identification field and the corner pixels are the
// file's B, G, R (, A) reordered, the rows turned over when the origin bit says
// top first; a greyscale image of 8 bits is grey. Reading every pixel makes the
// sanitizer check the size of the buffer.
#include "fuzz_support.h"
#include "render/image_decode.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kHeaderSize = 18;

// The decoded pixel at index against the file's pixel at fileIndex.
void checkPixel(const texture_t& image, std::size_t index, const std::uint8_t* pixels,
                std::size_t fileIndex) {
    const std::size_t bytes = image.bpp / 8;
    const unsigned char* out = image.pixels + bytes * index;
    const std::uint8_t* in = pixels + bytes * fileIndex;
    FUZZ_CHECK(out[0] == in[2] && out[1] == in[1] && out[2] == in[0]);
    FUZZ_CHECK(bytes == 3 || out[3] == in[3]);
}

void checkPlain(const std::uint8_t* data, std::size_t size, const texture_t& image) {
    FUZZ_CHECK(data[16] == image.bpp);
    const std::size_t count = std::size_t(image.width) * image.height;
    const std::size_t pixelsAt = kHeaderSize + data[0];
    FUZZ_CHECK(pixelsAt <= size && count * (image.bpp / 8) <= size - pixelsAt);
    const bool topFirst = data[17] & 0x20;
    const std::size_t lastRowStart = count - image.width;
    checkPixel(image, 0, data + pixelsAt, topFirst ? lastRowStart : 0);
    checkPixel(image, count - 1, data + pixelsAt, topFirst ? image.width - 1 : count - 1);
}

texture_t loadThroughFile(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen("input.tga", "wb");
    FUZZ_CHECK(file && std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0);
    return LoadTGATexture("input.tga");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TrimFuzzLog();
    texture_t image = DecodeTGA(data, size);
    texture_t loaded = loadThroughFile(data, size);
    FUZZ_CHECK(image.sourceKind == 1 && image.glTexture == 0);
    FUZZ_CHECK(loaded.width == image.width && loaded.height == image.height &&
               loaded.bpp == image.bpp && !loaded.pixels == !image.pixels);
    if (!image.pixels) {
        FUZZ_CHECK(image.width == 0 && image.height == 0);
        return 0;
    }
    FUZZ_CHECK(size >= kHeaderSize && (image.bpp == 24 || image.bpp == 32));
    FUZZ_CHECK(image.width == std::uint32_t(data[12] | data[13] << 8) &&
               image.height == std::uint32_t(data[14] | data[15] << 8));
    const std::size_t bytes = std::size_t(image.width) * image.height * (image.bpp / 8);
    const bool plain = data[1] == 0 && data[2] == 2 && (data[16] == 24 || data[16] == 32);
    if (plain) checkPlain(data, size, image);
    const bool grey = (data[2] & 7) != 1 && data[16] == 8;  // 8 bits that are no colour index
    for (std::size_t i = 0; grey && i < bytes; i += 3)
        FUZZ_CHECK(image.pixels[i] == image.pixels[i + 1] &&
                   image.pixels[i] == image.pixels[i + 2]);
    FUZZ_CHECK(std::memcmp(image.pixels, loaded.pixels, bytes) == 0);
    std::free(image.pixels);
    std::free(loaded.pixels);
    return 0;
}
