// Our BMP and TGA loaders against stb_image on the same 1024 x 1024 images,
// from a file and from memory. stb's own writer makes the images at start in
// a temporary folder: gradients, noise, alpha, and pure black areas so that
// the BMP colour key has work to do.
#include "bench/ratio.h"
#include "render/image_decode.h"
#include "render/texture.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 1024;

// Pixels top row first, as stb's writer and reader have them.
std::vector<unsigned char> makeImage(int channels) {
    std::vector<unsigned char> pixels(std::size_t(kSide) * kSide * channels);
    std::uint32_t noise = 12345;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            noise = noise * 1664525u + 1013904223u;
            unsigned char* p = &pixels[(std::size_t(y) * kSide + x) * channels];
            const bool black = (x / 64 + y / 64) % 7 == 0;
            p[0] = black ? 0 : (x == y ? 1 : (x / 4) ^ (noise >> 24 & 0x0F));
            p[1] = black ? 0 : (x == y ? 0 : y / 4);
            p[2] = black ? 0 : (x == y ? 0 : noise >> 16 & 0xFF);
            if (channels == 4) p[3] = (x + 3 * y) & 0xFF;
        }
    }
    return pixels;
}

std::vector<unsigned char> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The two image files and their bytes; the folder goes when the program ends.
struct ImageFiles {
    ImageFiles() {
        char pattern[] = "/tmp/varne-bench-XXXXXX";
        if (!mkdtemp(pattern)) {
            std::perror("varne_bench: temporary folder");
            std::exit(1);
        }
        folder = pattern;
        bmpPath = (folder / "bench.bmp").string();
        tgaPath = (folder / "bench.tga").string();
        stbi_write_bmp(bmpPath.c_str(), kSide, kSide, 3, makeImage(3).data());
        stbi_write_tga_with_rle = 0;
        stbi_write_tga(tgaPath.c_str(), kSide, kSide, 4, makeImage(4).data());
        bmp = readBytes(bmpPath);
        tga = readBytes(tgaPath);
    }
    ~ImageFiles() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::string bmpPath, tgaPath;
    std::vector<unsigned char> bmp, tga;
};

const ImageFiles& files() {
    static const ImageFiles images;
    return images;
}

// Ours gives the rows bottom first where stb gives them top first;
// a BMP's alpha is our colour key (0 for pure black) where stb gives 255.
bool samePixels(const unsigned char* ours, const unsigned char* stb, bool colourKey) {
    if (!ours || !stb) return false;
    const std::size_t row = std::size_t(kSide) * 4;
    for (std::size_t y = 0; y < kSide; ++y) {
        const unsigned char* a = ours + y * row;
        const unsigned char* b = stb + (kSide - 1 - y) * row;
        for (std::size_t i = 0; i < row; i += 4) {
            const bool black = (b[i] | b[i + 1] | b[i + 2]) == 0;
            const unsigned char alpha = colourKey ? (black ? 0 : 255) : b[i + 3];
            if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2] || a[i + 3] != alpha)
                return false;
        }
    }
    return true;
}

unsigned char* oursBmpFile() {
    BitmapInfoHeader info;
    return LoadBitmapFile(files().bmpPath.c_str(), &info);
}
unsigned char* oursBmpMemory() {
    BitmapInfoHeader info;
    return DecodeKeyedBitmap(files().bmp.data(), files().bmp.size(), "bench.bmp", &info);
}
unsigned char* oursTgaFile() { return LoadTGATexture(files().tgaPath.c_str()).pixels; }
unsigned char* oursTgaMemory() { return DecodeTGA(files().tga.data(), files().tga.size()).pixels; }

// stb as a texture loader would call it: RGBA for the BMP, the file's own
// four channels for the TGA.
unsigned char* stbFile(const std::string& path, int channels) {
    int w, h, n;
    return stbi_load(path.c_str(), &w, &h, &n, channels);
}
unsigned char* stbMemory(const std::vector<unsigned char>& bytes, int channels) {
    int w, h, n;
    return stbi_load_from_memory(bytes.data(), int(bytes.size()), &w, &h, &n, channels);
}
unsigned char* stbBmpFile() { return stbFile(files().bmpPath, 4); }
unsigned char* stbBmpMemory() { return stbMemory(files().bmp, 4); }
unsigned char* stbTgaFile() { return stbFile(files().tgaPath, 0); }
unsigned char* stbTgaMemory() { return stbMemory(files().tga, 0); }

bool matches(unsigned char* (*ours)(), unsigned char* (*stb)(), bool colourKey) {
    unsigned char* a = ours();
    unsigned char* b = stb();
    const bool same = samePixels(a, b, colourKey);
    std::free(a);
    stbi_image_free(b);
    return same;
}

void freeOurs(void* pixels) { std::free(pixels); }

// One load per iteration; releasing the pixels is timed too, alike on both
// sides.
varne_bench::Body timed(unsigned char* (*load)(), void (*release)(void*)) {
    return [=](benchmark::State& state) {
        for (auto _ : state) {
            unsigned char* pixels = load();
            benchmark::DoNotOptimize(pixels);
            release(pixels);
        }
    };
}

const bool added = varne_bench::check("bmp pixels equal stb_image's",
                                      [] { return matches(oursBmpFile, stbBmpFile, true); }) &&
                   varne_bench::check("tga pixels equal stb_image's",
                                      [] { return matches(oursTgaFile, stbTgaFile, false); }) &&
                   varne_bench::check("bmp pixels decoded from memory equal stb_image's",
                                      [] { return matches(oursBmpMemory, stbBmpMemory, true); }) &&
                   varne_bench::check("tga pixels decoded from memory equal stb_image's",
                                      [] { return matches(oursTgaMemory, stbTgaMemory, false); }) &&
                   varne_bench::compare("bmp_vs_stb", timed(oursBmpFile, freeOurs),
                                        timed(stbBmpFile, stbi_image_free)) &&
                   varne_bench::compare("tga_vs_stb", timed(oursTgaFile, freeOurs),
                                        timed(stbTgaFile, stbi_image_free)) &&
                   varne_bench::compare("bmp_decode_vs_stb", timed(oursBmpMemory, freeOurs),
                                        timed(stbBmpMemory, stbi_image_free)) &&
                   varne_bench::compare("tga_decode_vs_stb", timed(oursTgaMemory, freeOurs),
                                        timed(stbTgaMemory, stbi_image_free));

}  // namespace
