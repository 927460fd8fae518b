// BMP and TGA files read by the program's loaders, from the hand-built seeds
// of the fuzz corpus: the colour key, channel order and row fill, every
// malformed header refused with its log line, and what a failed load leaves.
#include "render/image_decode.h"
#include "support/image_files.h"

#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <cstdlib>

using namespace testing_support;
using Pixels = std::vector<int>;

TEST(TextureFiles, GiveRowsBottomFirstWithoutFillOrOneLogLineAndNoPixels) {
    // Red, black; blue, white: bottom row first, as RGBA, only pure black see-through.
    const Pixels rows{255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255};
    Pixels turned(rows.begin() + 8, rows.end());  // the same rows the other way up
    turned.insert(turned.end(), rows.begin(), rows.begin() + 8);
    struct Case {
        const char* file;
        Pixels pixels;
        const char* logged = nullptr;  // what its log line holds; none for a good file
        std::size_t at = 0;            // where bytes are replaced first, if not 0
        std::string patch = "";
    } cases[] = {
        // Green, black, red 1; three fill bytes end the row. Only pure black is see-through.
        {"bmp/3x1_stride_12.bmp", {0, 255, 0, 255, 0, 0, 0, 0, 1, 0, 0, 255}},
        // The rows above; two fill bytes end each row; an image size field of 0.
        {"bmp/2x2_padded_rows.bmp", rows, nullptr, 34, {0}},
        // The same rows with height -2 are stored top-down: they come out the other way up.
        {"bmp/2x2_padded_rows.bmp", turned, nullptr, 22, "\xfe\xff\xff\xff"},
        // 3-byte palette entries of an OS/2 header, as ImageMagick reads its own file back
        // (stb_image counts four entries fewer).
        {"bmp/os2_palette_4.bmp", {20, 150, 70, 255, 110, 150, 130, 255, 0,   0,  0,   0,
                                   0,  0,   0,  0,   110, 30,  70,  255, 200, 30, 130, 255}},
        {"bmp/1x1.bmp", {}, "x.bmp: info header of 64 bytes", 14, "\x40"},
        {"bmp/magic_only", {}, "x.bmp: file length 2"},
        {"bmp/header_cut_53", {}, "x.bmp: file length 53"},
        {"bmp/1x1.bmp", {}, "x.bmp: 2 bits per pixel", 28, "\x02"},
        {"bmp/rle_compressed", {}, "x.bmp: compression 1"},
        {"bmp/1x1.bmp", {}, "x.bmp: width 0", 18, {0}},
        {"bmp/over_max_side", {}, "x.bmp: width 16385"},
        {"bmp/1x1.bmp", {}, "x.bmp: height 16385", 23, "\x40"},
        {"bmp/huge_claim_16384", {}, "x.bmp: image size field 4"},
        {"bmp/size_image_too_small", {}, "x.bmp: image size field 15"},
        {"bmp/offset_inside_header", {}, "x.bmp: pixel data offset 20"},
        {"bmp/offset_past_end", {}, "x.bmp: pixel data offset 1000"},
        {"bmp/pixels_short", {}, "x.bmp: file length 69"},
        // TGA rows come out bottom row first (a file whose origin flag says top row first is
        // turned over: the ImageMagick files below). A refused TGA logs "Couldn't load texture"
        // and the step: 2 header, 3 size or depth, 4 pixels.
        {"tga/3x1_32_origin_top.tga", {2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11}},
        {"tga/empty", {}, "texture2"},
        {"tga/header_cut_17", {}, "texture2"},
        {"tga/rle_type_10", {}, "texture4"},  // its one run lacks a byte
        {"tga/2x2_24.tga", {}, "texture2", 2, "\x04"},
        // A one-byte identification field ('X') before the black pixel is skipped.
        {"tga/id_field", {0, 0, 0}, nullptr, 18, "X"},
        {"tga/2x2_24.tga", {}, "texture3", 16, "\x14"},
        {"tga/zero_width", {}, "texture3"},
        {"tga/pixels_short", {}, "texture4"},
        {"tga/huge_claim_65535", {}, "texture3"},  // more than 1 GiB of pixels
    };
    for (const Case& c : cases) {
        TempDir dir;
        const bool tga = std::string(c.file).starts_with("tga/");
        std::string file = seed(c.file);
        if (c.at) file.replace(c.at, c.patch.size(), c.patch);
        writeFile(tga ? "x.tga" : "x.bmp", file);
        std::vector<texture_t> loaded = {tga ? LoadTGATexture("x.tga") : LoadBMPTexture("x.bmp")};
        // TGA bytes are decoded from memory too, from a copy of exactly their length.
        const std::vector<unsigned char> bytes(file.begin(), file.end());
        if (tga) loaded.push_back(DecodeTGA(bytes.data(), bytes.size()));
        for (const texture_t& t : loaded) {
            const std::size_t size = t.pixels ? t.width * t.height * t.bpp / 8 : 0;
            EXPECT_EQ(Pixels(t.pixels, t.pixels + size), c.pixels) << c.file;
            std::free(t.pixels);
        }
        const std::string log = readLog();
        const int lines = c.logged ? int(loaded.size()) : 0;  // one for each load
        EXPECT_EQ(countOf(log, "\n"), lines) << c.file << ": " << log;
        if (c.logged) EXPECT_EQ(countOf(log, c.logged), lines) << log;
    }
}

TEST(TextureFiles, AFailedLoadUploadsNothing) {
    TempDir dir;
    writeFile("bad.bmp", seed("bmp/pixels_short"));
    for (const char* name : {"missing.bmp", "bad.bmp", "missing.tga", "image.png"}) {
        const texture_t t = LoadTexture(name, true);
        EXPECT_TRUE(t.glTexture == 0 && t.pixels == nullptr) << name;
    }
    EXPECT_EQ(countOf(readLog(), "generating texture"), 0);
}

// A 7 x 5 picture with pure black pixels and graded alpha, as raw R, G, B, A for ImageMagick.
static std::string pictureRgba() {
    std::string raw;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            raw += (x + y) % 5 == 0
                       ? std::string{0, 0, 0, char(255)}
                       : std::string{char(x * 37 + y * 11), char(y * 53 + x * 7),
                                     char(x * y * 19 + 40), char(x * 40 + y * 20 + 15)};
    return raw;
}

// Whether ours (bottom row first, `channels` a pixel) holds stb's pixels (top row first, as many
// channels); with the colour key, alpha is 0 for pure black and stb's elsewhere.
static bool sameAsStb(const texture_t& ours, const unsigned char* stb, bool colourKey) {
    const std::size_t channels = ours.bpp / 8, row = ours.width * channels;
    for (std::size_t y = 0; y < ours.height; ++y)
        for (std::size_t i = 0; i < row; ++i) {
            const unsigned char* p = stb + (ours.height - 1 - y) * row + i / channels * channels;
            const bool black = (p[0] | p[1] | p[2]) == 0;
            const int expected = colourKey && i % channels == 3 && black ? 0 : p[i % channels];
            if (ours.pixels[y * row + i] != expected) return false;
        }
    return true;
}

// What image editors write, made by ImageMagick from one picture, read as stb_image reads the
// same bytes: pixel for pixel, bottom row first, with the colour key on BMPs. (Run-length encoded
// BMPs, which both refuse, are among the refusals above.)
TEST(TextureFiles, EveryCommonBmpAndTgaReadsAsStbImageReadsIt) {
    const struct {
        const char* options;  // ImageMagick's, then the output
        std::size_t at = 0;   // where bytes are replaced first, if not 0
        std::string patch = "";
    } cases[] = {
        {"-alpha off BMP3:v.bmp"},
        {"-define bmp3:alpha=true BMP3:v.bmp"},
        {"-alpha off -type palette -compress none BMP3:v.bmp"},
        {"-alpha off -colors 16 -type palette -compress none BMP3:v.bmp"},
        {"-alpha off -monochrome BMP3:v.bmp"},
        {"-alpha off BMP:v.bmp"},
        {"BMP:v.bmp"},
        {"-alpha off -define bmp:subtype=RGB555 BMP:v.bmp"},
        {"-alpha off -define bmp:subtype=RGB565 BMP:v.bmp"},
        {"-define bmp:subtype=ARGB4444 BMP:v.bmp"},
        {"-define bmp:subtype=ARGB1555 BMP:v.bmp"},
        {"-alpha off BMP2:v.bmp"},
        {"-alpha off -type palette BMP2:v.bmp"},
        {"-alpha off TGA:v.tga"},
        {"TGA:v.tga"},
        {"TGA:v.tga", 8, "\x07\x00\x05\x00"},  // origin fields not zero
        {"-alpha off -compress RLE TGA:v.tga"},
        {"-compress RLE TGA:v.tga"},
        {"-alpha off -orient TopLeft TGA:v.tga"},
        {"-orient TopLeft -compress RLE TGA:v.tga"},
        {"-alpha off -colorspace gray TGA:v.tga"},
        {"-alpha off -colorspace gray -compress RLE TGA:v.tga"},
        {"-alpha off -type palette TGA:v.tga"},
        {"-alpha off -type palette -compress RLE TGA:v.tga"},
        {"-alpha off -depth 5 TGA:v.tga"},
        {"-alpha off -depth 5 TGA:v.tga", 16, "\x0f"},  // 15 bits
    };
    TempDir dir;
    writeFile("picture.rgba", pictureRgba());
    for (const auto& c : cases) {
        const std::string command = std::string("convert -size 7x5 -depth 8 rgba:picture.rgba ") +
                                    c.options + " 2>/dev/null";
        if (std::system(command.c_str()) != 0) GTEST_SKIP() << "no ImageMagick: " << command;
        const bool tga = std::string(c.options).ends_with(".tga");
        std::string file = readFile(tga ? "v.tga" : "v.bmp");
        if (c.at) file.replace(c.at, c.patch.size(), c.patch), writeFile("v.tga", file);
        std::vector<texture_t> loaded = {tga ? LoadTGATexture("v.tga") : LoadBMPTexture("v.bmp")};
        const auto* bytes = reinterpret_cast<const unsigned char*>(file.data());
        if (tga) loaded.push_back(DecodeTGA(bytes, file.size()));
        for (const texture_t& ours : loaded) {
            int w = 0, h = 0, n = 0;
            unsigned char* stb = stbi_load_from_memory(bytes, int(file.size()), &w, &h, &n,
                                                       ours.pixels ? int(ours.bpp / 8) : 4);
            EXPECT_TRUE(ours.pixels && stb && ours.width == 7 && ours.height == 5 &&
                        sameAsStb(ours, stb, !tga))
                << c.options;
            stbi_image_free(stb);
            std::free(ours.pixels);
        }
    }
}
