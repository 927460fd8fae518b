// BMP and TGA decoding from hand-built bytes: the colour key, channel order,
// row layout, the file-name rules, and every malformed header being refused
// before a byte outside the file is read.
#include "render/image_decode.h"
#include "render/texture.h"
#include "support/image_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

using Bytes = std::vector<unsigned char>;

// Header fields of a hand-built BMP; the defaults describe a sound file.
struct BmpFields {
    std::int32_t width = 1;
    std::int32_t height = 1;
    unsigned bitCount = 24;
    std::uint32_t compression = 0;
    std::int64_t sizeImage = -1;  // -1: the length of the pixel data given
    std::uint32_t offset = 54;
};

std::size_t strideOf(std::int32_t width) { return (std::size_t(width) * 3 + 3) & ~std::size_t(3); }

// Rows of B, G, R triples, bottom row first; row fill bytes are 0xEE.
std::string bmpRows(std::int32_t width, const std::vector<std::vector<int>>& rows) {
    std::string out;
    for (const auto& row : rows) {
        std::string line(strideOf(width), char(0xEE));
        for (std::size_t i = 0; i < row.size(); ++i) line[i] = char(row[i]);
        out += line;
    }
    return out;
}

std::string bmpFile(const BmpFields& f, const std::string& pixelData) {
    std::string s(54, '\0');
    s[0] = 'B';
    s[1] = 'M';
    put32(s, 2, std::uint32_t(54 + pixelData.size()));
    put32(s, 10, f.offset);
    put32(s, 14, 40);
    put32(s, 18, std::uint32_t(f.width));
    put32(s, 22, std::uint32_t(f.height));
    put16(s, 26, 1);
    put16(s, 28, f.bitCount);
    put32(s, 30, f.compression);
    std::int64_t size = f.sizeImage >= 0 ? f.sizeImage : std::int64_t(pixelData.size());
    put32(s, 34, std::uint32_t(size));
    return s + pixelData;
}

// An uncompressed TGA header (type 2 unless told) followed by the given bytes.
std::string tgaFile(unsigned width, unsigned height, unsigned bpp, const std::string& pixelData,
                    unsigned type = 2, unsigned descriptor = 0) {
    std::string s(18, '\0');
    s[2] = char(type);
    put16(s, 12, width);
    put16(s, 14, height);
    s[16] = char(bpp);
    s[17] = char(descriptor);
    return s + pixelData;
}

std::string bytesOf(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s += char(v);
    return s;
}

// The decoders get a heap copy of exactly the file's length, so the
// sanitizers catch any read past its end.
Bytes exact(const std::string& file) { return Bytes(file.begin(), file.end()); }

std::vector<int> take(const unsigned char* p, std::size_t n) { return std::vector<int>(p, p + n); }

struct Decoded {
    unsigned char* rgb = nullptr;
    unsigned char* rgba = nullptr;
    BitmapInfoHeader info{};
    ~Decoded() {
        std::free(rgb);
        std::free(rgba);
    }
};

void decodeBoth(const std::string& file, Decoded* out) {
    Bytes bytes = exact(file);
    out->rgb = DecodeBitmap(bytes.data(), bytes.size(), "x.bmp", &out->info);
    out->rgba = DecodeKeyedBitmap(bytes.data(), bytes.size(), "x.bmp", &out->info);
}

// The same TGA bytes decoded from memory and loaded from a file.
std::vector<texture_t> tgaBothWays(const std::string& file) {
    Bytes bytes = exact(file);
    writeFile("t.tga", file);
    return {DecodeTGA(bytes.data(), bytes.size()), LoadTGATexture("t.tga")};
}

}  // namespace

TEST(BmpDecode, OnlyPureBlackBecomesTransparent) {
    TempDir dir;
    BmpFields f;
    f.width = 4;
    // black, white, pure blue, red 1
    writeFile("key.bmp", bmpFile(f, bmpRows(4, {{0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 0, 1}})));
    BitmapInfoHeader info{};
    unsigned char* rgba = LoadBitmapFile("key.bmp", &info);
    ASSERT_NE(rgba, nullptr);
    EXPECT_EQ(take(rgba, 16),
              (std::vector<int>{0, 0, 0, 0, 255, 255, 255, 255, 0, 0, 255, 255, 1, 0, 0, 255}));
    EXPECT_EQ(info.biWidth, 4);
    EXPECT_EQ(info.biHeight, 1);
    std::free(rgba);
}

TEST(BmpDecode, BlueGreenRedBecomesRedGreenBlue) {
    TempDir dir;
    writeFile("c.bmp", bmpFile({}, bmpRows(1, {{10, 20, 30}})));
    BitmapInfoHeader info{};
    unsigned char* rgb = LoadOnlyBitmapFile("c.bmp", &info);
    unsigned char* rgba = LoadBitmapFile("c.bmp", &info);
    ASSERT_TRUE(rgb && rgba);
    EXPECT_EQ(take(rgb, 3), (std::vector<int>{30, 20, 10}));
    EXPECT_EQ(take(rgba, 4), (std::vector<int>{30, 20, 10, 255}));
    std::free(rgb);
    std::free(rgba);

    texture_t t = LoadBMPTexture("c.bmp");
    ASSERT_NE(t.pixels, nullptr);
    EXPECT_EQ(t.sourceKind, 0);
    EXPECT_EQ(t.width, 1u);
    EXPECT_EQ(t.height, 1u);
    EXPECT_EQ(t.bpp, 32u);
    EXPECT_EQ(std::string(t.name), "");
    std::free(t.pixels);
}

TEST(BmpDecode, RowFillBytesAreDroppedAndRowsStayBottomFirst) {
    // 3 pixels make 9 bytes a row, stored as 12: three fill bytes per row.
    BmpFields f;
    f.width = 3;
    f.height = 2;
    std::string file = bmpFile(f, bmpRows(3, {{1, 2, 3, 4, 5, 6, 7, 8, 9},
                                              {11, 12, 13, 14, 15, 16, 17, 18, 19}}));
    ASSERT_EQ(file.size(), 54u + 24u);
    Decoded d;
    decodeBoth(file, &d);
    ASSERT_TRUE(d.rgb && d.rgba);
    EXPECT_EQ(take(d.rgb, 18), (std::vector<int>{3, 2, 1, 6, 5, 4, 9, 8, 7,  //
                                                 13, 12, 11, 16, 15, 14, 19, 18, 17}));
    EXPECT_EQ(take(d.rgba + 12, 12),
              (std::vector<int>{13, 12, 11, 255, 16, 15, 14, 255, 19, 18, 17, 255}));
}

TEST(BmpDecode, ImageSizeFieldMayBeZeroOrLargerThanTheRows) {
    for (std::int64_t sizeImage : {0, 18}) {  // 16 bytes of rows, one writer adds 2
        BmpFields f;
        f.width = 2;
        f.height = 2;
        f.sizeImage = sizeImage;
        Decoded d;
        decodeBoth(bmpFile(f, bmpRows(2, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}})), &d);
        ASSERT_NE(d.rgb, nullptr) << sizeImage;
        EXPECT_EQ(take(d.rgb, 12), (std::vector<int>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
    }
}

TEST(BmpDecode, BytesWithoutTheBmSignatureGiveNullAndNoLogLine) {
    TempDir dir;
    BitmapInfoHeader info{};
    std::string file = bmpFile({}, bmpRows(1, {{1, 2, 3}}));
    file[0] = 'M';
    Bytes bytes = exact(file);
    EXPECT_EQ(DecodeBitmap(bytes.data(), bytes.size(), "x.bmp", &info), nullptr);
    EXPECT_EQ(DecodeKeyedBitmap(bytes.data(), 1, "x.bmp", &info), nullptr);
    EXPECT_EQ(LoadBitmapFile("missing.bmp", &info), nullptr);
    EXPECT_EQ(LoadOnlyBitmapFile("missing.bmp", &info), nullptr);
    EXPECT_EQ(LoadBMPTexture("missing.bmp").pixels, nullptr);
    EXPECT_EQ(readFile("log.txt"), "");
}

namespace {

// A 2 x 2 image (16 bytes of rows) whose headers are then made to lie.
struct Malformed {
    const char* what;
    void (*change)(BmpFields&, std::string& rows);
    const char* logged;  // the bad value as the log line gives it
};

const Malformed kMalformed[] = {
    {"size field below the rows", [](BmpFields& f, std::string&) { f.sizeImage = 12; },
     "image size field 12"},
    {"width larger than the data", [](BmpFields& f, std::string&) { f.width = 3; f.sizeImage = 0; },
     "file length 70"},
    {"height larger than the data",
     [](BmpFields& f, std::string&) { f.height = 9; f.sizeImage = 0; },
     "file length 70"},
    {"file cut short", [](BmpFields& f, std::string& rows) { f.sizeImage = 16; rows.resize(15); },
     "file length 69"},
    {"offset past the end", [](BmpFields& f, std::string&) { f.offset = 71; }, "offset 71"},
    {"offset inside the headers", [](BmpFields& f, std::string&) { f.offset = 20; }, "offset 20"},
    {"offset leaving too little data", [](BmpFields& f, std::string&) { f.offset = 60; },
     "file length 70"},
    {"32 bits per pixel", [](BmpFields& f, std::string&) { f.bitCount = 32; }, "32 bits per pixel"},
    {"8 bits per pixel", [](BmpFields& f, std::string&) { f.bitCount = 8; }, "8 bits per pixel"},
    {"compressed", [](BmpFields& f, std::string&) { f.compression = 3; }, "compression 3"},
    {"top-down rows", [](BmpFields& f, std::string&) { f.height = -2; }, "height -2"},
    {"zero width", [](BmpFields& f, std::string&) { f.width = 0; }, "width 0"},
    {"absurd width", [](BmpFields& f, std::string&) { f.width = 100000; }, "width 100000"},
    {"absurd height", [](BmpFields& f, std::string&) { f.height = 0x7FFFFFFF; },
     "height 2147483647"},
};

}  // namespace

TEST(BmpDecode, MalformedHeadersAreRefusedWithOneLineNamingFileAndValue) {
    for (const Malformed& m : kMalformed) {
        TempDir dir;
        BmpFields f;
        f.width = 2;
        f.height = 2;
        std::string rows = bmpRows(2, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
        m.change(f, rows);
        Bytes bytes = exact(bmpFile(f, rows));
        BitmapInfoHeader info{};
        EXPECT_EQ(DecodeBitmap(bytes.data(), bytes.size(), "bad.bmp", &info), nullptr) << m.what;
        std::string log = readFile("log.txt");
        EXPECT_EQ(countOf(log, "\n"), 1) << m.what << ": " << log;
        EXPECT_NE(log.find("bad.bmp"), std::string::npos) << m.what << ": " << log;
        EXPECT_NE(log.find(m.logged), std::string::npos) << m.what << ": " << log;
    }
}

TEST(BmpDecode, HeadersCutShortAreRefused) {
    TempDir dir;
    std::string file = bmpFile({}, bmpRows(1, {{1, 2, 3}}));
    BitmapInfoHeader info{};
    for (std::size_t length : {2u, 14u, 53u}) {
        Bytes bytes = exact(file.substr(0, length));
        EXPECT_EQ(DecodeKeyedBitmap(bytes.data(), bytes.size(), "short.bmp", &info), nullptr);
    }
    EXPECT_EQ(countOf(readFile("log.txt"), "bad BMP short.bmp: file length"), 3);
}

TEST(TgaDecode, PixelsBecomeRgbInFileOrderWhateverTheOrigin) {
    // 2 x 2, 24-bit, top-left origin flag set: rows still come in file order.
    // Bytes after the pixels (a footer) are ignored.
    TempDir dir;
    std::string pixels = bytesOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    for (const texture_t& t : tgaBothWays(tgaFile(2, 2, 24, pixels + "footer", 2, 0x20))) {
        ASSERT_NE(t.pixels, nullptr);
        EXPECT_EQ(t.sourceKind, 1);
        EXPECT_EQ(t.bpp, 24u);
        EXPECT_EQ(t.width, 2u);
        EXPECT_EQ(t.height, 2u);
        EXPECT_EQ(take(t.pixels, 12), (std::vector<int>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
        std::free(t.pixels);
    }
}

TEST(TgaDecode, ThirtyTwoBitKeepsItsAlpha) {
    TempDir dir;
    std::string file = tgaFile(2, 1, 32, bytesOf({10, 20, 30, 0, 40, 50, 60, 128}), 2, 8);
    for (const texture_t& t : tgaBothWays(file)) {
        ASSERT_NE(t.pixels, nullptr);
        EXPECT_EQ(t.sourceKind, 1);
        EXPECT_EQ(t.bpp, 32u);
        EXPECT_EQ(take(t.pixels, 8), (std::vector<int>{30, 20, 10, 0, 60, 50, 40, 128}));
        std::free(t.pixels);
    }
    EXPECT_EQ(readFile("log.txt"), "");
}

TEST(TgaDecode, EachFailureLogsItsLineAndGivesNoPixels) {
    const std::string pixels4 = bytesOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    std::string withId = tgaFile(1, 1, 24, bytesOf({0, 0, 0}));
    withId[0] = 5;  // an identification field
    struct Case {
        std::string file;
        const char* line;
    } cases[] = {
        {tgaFile(2, 2, 24, pixels4, 10), "Couldn't load texture2"},  // run-length encoded
        {tgaFile(2, 2, 24, pixels4, 3), "Couldn't load texture2"},   // grey scale
        {withId, "Couldn't load texture2"},
        {tgaFile(2, 2, 24, "").substr(0, 11), "Couldn't load texture2"},
        {tgaFile(2, 2, 24, "").substr(0, 17), "Couldn't load texture2"},
        {tgaFile(2, 2, 16, pixels4), "Couldn't load texture3"},
        {tgaFile(0, 2, 24, pixels4), "Couldn't load texture3"},
        {tgaFile(2, 0, 32, pixels4), "Couldn't load texture3"},
        {tgaFile(2, 2, 24, pixels4.substr(0, 11)), "Couldn't load texture4"},
        {tgaFile(2, 2, 32, pixels4), "Couldn't load texture4"},
        {tgaFile(65535, 65535, 32, pixels4), "Couldn't load texture4"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        for (const texture_t& t : tgaBothWays(c.file)) {
            EXPECT_EQ(t.pixels, nullptr) << c.line;
            EXPECT_EQ(t.width, 0u);
            EXPECT_EQ(t.sourceKind, 1);
        }
        EXPECT_EQ(readFile("log.txt"), std::string(c.line) + "\n" + c.line + "\n");
    }
    TempDir dir;
    EXPECT_EQ(LoadTGATexture("missing.tga").pixels, nullptr);
    EXPECT_EQ(readFile("log.txt"), "Couldn't load texture1\n");
}

TEST(TextureFileName, TheTextAfterTheLastDotPicksTheLoaderExactly) {
    // None of these files exists, so no upload happens: the log shows which
    // loader each name reached.
    TempDir dir;
    texture_t t = LoadTexture("a.b.tga", true);
    EXPECT_EQ(t.glTexture, 0u);
    EXPECT_EQ(t.pixels, nullptr);
    EXPECT_EQ(t.sourceKind, 1);
    EXPECT_EQ(readFile("log.txt"),
              "loading texture: a.b.tga\nCouldn't load texture1\ncould not load texture a.b.tga\n");

    for (const char* name : {"a.Bmp", "a.TgA", "bmp", "a.tga.png", "dir.bmp/a"}) {
        TempDir inner;
        EXPECT_EQ(LoadTexture(name, false).glTexture, 0u);
        std::string log = readFile("log.txt");
        EXPECT_EQ(countOf(log, "\n"), 2) << log;
        EXPECT_EQ(countOf(log, "not a .bmp, .BMP, .tga or .TGA name"), 1) << log;
    }
    for (const char* name : {"a.tga.bmp", "A.BMP", "x.TGA"}) {
        TempDir inner;
        LoadTexture(name, false);
        bool tga = std::string(name).ends_with("TGA");
        EXPECT_EQ(countOf(readFile("log.txt"), "Couldn't load texture1"), tga ? 1 : 0) << name;
        EXPECT_EQ(countOf(readFile("log.txt"), std::string("could not load texture ") + name), 1);
    }
}
