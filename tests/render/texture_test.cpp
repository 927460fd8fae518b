// BMP and TGA files read by the program's loaders, from the hand-built seeds
// of the fuzz corpus: the colour key, channel order and row fill, every
// malformed header refused with its log line, and what a failed load leaves.
#include "render/image_decode.h"
#include "support/image_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace testing_support;
using Pixels = std::vector<int>;

TEST(TextureFiles, GiveRowsBottomFirstWithoutFillOrOneLogLineAndNoPixels) {
    struct Case {
        const char* file;
        Pixels pixels;
        const char* logged = nullptr;  // what its log line holds; none for a good file
        std::size_t at = 0;            // where bytes are replaced first, if not 0
        std::string patch = "";
    } cases[] = {
        // Green, black, red 1; three fill bytes end the row. Only pure black is see-through.
        {"bmp/3x1_stride_12.bmp", {0, 255, 0, 255, 0, 0, 0, 0, 1, 0, 0, 255}},
        // Red, black; blue, white; two fill bytes end each row; an image size field of 0.
        {"bmp/2x2_padded_rows.bmp",
         {255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255},
         nullptr,
         34,
         {0}},
        // The same rows with height -2 are stored top-down: they come out the other way up.
        {"bmp/2x2_padded_rows.bmp",
         {0, 0, 255, 255, 255, 255, 255, 255, 255, 0, 0, 255, 0, 0, 0, 0},
         nullptr,
         22,
         "\xfe\xff\xff\xff"},
        {"bmp/top_down_height", {255, 0, 0, 255}},
        {"bmp/1x1.bmp", {}, "x.bmp: info header of 12 bytes (OS/2 style)", 14, "\x0c"},
        {"bmp/magic_only", {}, "x.bmp: file length 2"},
        {"bmp/header_cut_53", {}, "x.bmp: file length 53"},
        {"bmp/bits_32", {}, "x.bmp: 32 bits per pixel"},
        {"bmp/rle_compressed", {}, "x.bmp: compression 1"},
        {"bmp/1x1.bmp", {}, "x.bmp: width 0", 18, {0}},
        {"bmp/over_max_side", {}, "x.bmp: width 16385"},
        {"bmp/1x1.bmp", {}, "x.bmp: height 16385", 23, "\x40"},
        {"bmp/huge_claim_16384", {}, "x.bmp: image size field 4"},
        {"bmp/size_image_too_small", {}, "x.bmp: image size field 15"},
        {"bmp/offset_inside_header", {}, "x.bmp: pixel data offset 20"},
        {"bmp/offset_past_end", {}, "x.bmp: pixel data offset 1000"},
        {"bmp/pixels_short", {}, "x.bmp: file length 69"},
        // TGA rows stay in file order whatever the origin flag says. A refused TGA
        // logs "Couldn't load texture" and the step: 2 header, 3 size or depth, 4 pixels.
        {"tga/2x2_24.tga", {2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9}},
        {"tga/3x1_32_origin_top.tga", {2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11}},
        {"tga/empty", {}, "texture2"},
        {"tga/header_cut_17", {}, "texture2"},
        {"tga/rle_type_10", {}, "texture2"},
        // A one-byte identification field ('X') before the black pixel is skipped.
        {"tga/id_field", {0, 0, 0}, nullptr, 18, "X"},
        {"tga/bits_16", {}, "texture3"},
        {"tga/zero_width", {}, "texture3"},
        {"tga/pixels_short", {}, "texture4"},
        {"tga/huge_claim_65535", {}, "texture4"},
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
