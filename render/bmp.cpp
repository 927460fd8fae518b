// BMP reading, from memory; the file loaders read the whole file and decode
// its bytes. Windows headers of 40, 56, 108 and 124 bytes and OS/2 headers of
// 12; 1-, 4- and 8-bit colour palettes; 16- and 32-bit pixels in the default
// layout (5-5-5; 8-8-8 with alpha in the fourth byte) or with bit fields;
// 24-bit pixels; rows stored bottom-up or top-down. Run-length encoded
// images are refused. Bit fields of fewer than 8 bits are widened by
// repeating their bits. The alpha of a 32-bit image whose alpha is 0
// everywhere is taken as opaque: writers leave that byte 0.
//
// The headers are checked against each other and against the length of the
// bytes before any pixel is read, so a lying header can never cause a read
// past the end; fill bytes at row ends are dropped so the result is tightly packed.
#include "render/image_decode.h"

#include "io/file_bytes.h"
#include "io/little_endian.h"
#include "platform/log.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kOs2HeaderSize = 12;
constexpr std::int64_t kMaxSide = 16384;
constexpr std::uint32_t kBitFields = 3;

using Rgba = std::array<unsigned char, 4>;

BitmapInfoHeader readInfo(const unsigned char* p) {
    BitmapInfoHeader info{};
    info.biSize = readLE32(p);
    if (info.biSize == kOs2HeaderSize) {
        info.biWidth = readLE16(p + 4);
        info.biHeight = readLE16(p + 6);
        info.biPlanes = readLE16(p + 8);
        info.biBitCount = readLE16(p + 10);
        return info;
    }
    info.biWidth = std::int32_t(readLE32(p + 4));
    info.biHeight = std::int32_t(readLE32(p + 8));
    info.biPlanes = readLE16(p + 12);
    info.biBitCount = readLE16(p + 14);
    info.biCompression = readLE32(p + 16);
    info.biSizeImage = readLE32(p + 20);
    info.biXPelsPerMeter = std::int32_t(readLE32(p + 24));
    info.biYPelsPerMeter = std::int32_t(readLE32(p + 28));
    info.biClrUsed = readLE32(p + 32);
    info.biClrImportant = readLE32(p + 36);
    return info;
}

// One bit field: where its highest bit lies and how many bits it has.
struct Field {
    std::uint32_t mask = 0;
    int shift = 0;  // right shift that puts the highest bit at bit 7
    int bits = 0;

    explicit Field(std::uint32_t m = 0)
        : mask(m), shift(m ? 31 - std::countl_zero(m) - 7 : 0), bits(std::popcount(m)) {}

    // The field's value widened to 8 bits by repeating its bits.
    unsigned char of(std::uint32_t v) const {
        static constexpr unsigned kRepeat[9] = {0, 0xff, 0x55, 0x49, 0x11, 0x21, 0x41, 0x81, 0x01};
        static constexpr int kDrop[9] = {0, 0, 0, 1, 0, 2, 4, 6, 0};
        v &= mask;
        v = shift < 0 ? v << -shift : v >> shift;
        v >>= 8 - bits;
        return static_cast<unsigned char>(v * kRepeat[bits] >> kDrop[bits]);
    }
};

// Where the pixels of a checked BMP lie in its bytes and how to read them.
struct BitmapRows {
    const unsigned char* bottom = nullptr;  // the bottom row
    std::ptrdiff_t step = 0;                // bytes from one row up to the next, fill included
    std::size_t width = 0;
    std::size_t height = 0;
    unsigned bits = 0;
    Field red, green, blue, alpha;    // 16 and 32 bits; alpha's mask 0 when there is none
    std::array<Rgba, 256> palette{};  // 1 to 8 bits; missing entries are black
};

bool isHeaderSize(std::uint32_t size) {
    return size == kOs2HeaderSize || size == 40 || size == 56 || size == 108 || size == 124;
}

bool isDepth(unsigned bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool checkFormat(const BitmapInfoHeader& info, const char* fileName) {
    if (!isDepth(info.biBitCount)) {
        log_txt("bad BMP %s: %u bits per pixel, only 1, 4, 8, 16, 24 and 32 are read", fileName,
                info.biBitCount);
        return false;
    }
    const bool fields = info.biCompression == kBitFields;
    if (!(info.biCompression == 0 || (fields && info.biBitCount % 16 == 0))) {
        log_txt("bad BMP %s: compression %u, only uncompressed (0) and, at 16 or 32 bits, bit "
                "fields (3) are read",
                fileName, info.biCompression);
        return false;
    }
    if (info.biWidth <= 0 || info.biWidth > kMaxSide) {
        log_txt("bad BMP %s: width %d, not 1 to %lld", fileName, info.biWidth, (long long)kMaxSide);
        return false;
    }
    // A negative height marks rows stored top-down.
    if (info.biHeight == 0 || info.biHeight > kMaxSide || info.biHeight < -kMaxSide) {
        log_txt("bad BMP %s: height %d, not 1 to %lld", fileName, info.biHeight,
                (long long)kMaxSide);
        return false;
    }
    return true;
}

// The end of the headers: a 40-byte header's bit fields follow it.
std::size_t headersEnd(const BitmapInfoHeader& info) {
    const bool trailingMasks = info.biSize == 40 && info.biCompression == kBitFields;
    return kFileHeaderSize + info.biSize + (trailingMasks ? 12 : 0);
}

// The bit fields: from the headers, or the default layout of 16 and 32 bits.
bool readFields(const unsigned char* data, const BitmapInfoHeader& info, const char* fileName,
                BitmapRows* rows) {
    const unsigned char* masks = data + kFileHeaderSize + 40;
    if (info.biCompression != kBitFields) {
        const bool wide = info.biBitCount == 32;
        rows->red = Field(wide ? 0xFF0000u : 0x7C00u);
        rows->green = Field(wide ? 0xFF00u : 0x3E0u);
        rows->blue = Field(wide ? 0xFFu : 0x1Fu);
        rows->alpha = Field(wide ? 0xFF000000u : 0u);
        return true;
    }
    rows->red = Field(readLE32(masks));
    rows->green = Field(readLE32(masks + 4));
    rows->blue = Field(readLE32(masks + 8));
    rows->alpha = Field(info.biSize > 40 ? readLE32(masks + 12) : 0u);
    const Field* all[] = {&rows->red, &rows->green, &rows->blue, &rows->alpha};
    bool usable = rows->red.bits && rows->green.bits && rows->blue.bits;
    for (const Field* f : all) usable = usable && f->bits <= 8;
    if (usable) return true;
    log_txt("bad BMP %s: bit fields %08x %08x %08x %08x, colours need 1 to 8 bits each", fileName,
            rows->red.mask, rows->green.mask, rows->blue.mask, rows->alpha.mask);
    return false;
}

// The palette between the headers and the pixels: 4 bytes an entry (3 with
// an OS/2 header), at most 256; the pixels' offset says how many there are.
bool readPalette(const unsigned char* data, const BitmapInfoHeader& info, std::uint32_t offset,
                 const char* fileName, BitmapRows* rows) {
    const std::size_t at = headersEnd(info), entryBytes = info.biSize == kOs2HeaderSize ? 3 : 4;
    const std::size_t count = std::min<std::size_t>((offset - at) / entryBytes, 256);
    if (count == 0) {
        log_txt("bad BMP %s: no colour palette before the pixel data at %u", fileName, offset);
        return false;
    }
    rows->palette.fill({0, 0, 0, 255});
    for (std::size_t i = 0; i < count; ++i) {
        const unsigned char* e = data + at + i * entryBytes;
        rows->palette[i] = {e[2], e[1], e[0], 255};
    }
    return true;
}

bool headersCut(std::size_t size, const char* fileName) {
    log_txt("bad BMP %s: file length %zu, shorter than its headers", fileName, size);
    return false;
}

// The information header, once its size is known and the bytes hold it.
bool readHeaders(const unsigned char* data, std::size_t size, const char* fileName,
                 BitmapInfoHeader* info) {
    if (size < kFileHeaderSize + 4) return headersCut(size, fileName);
    const std::uint32_t headerSize = readLE32(data + kFileHeaderSize);
    if (!isHeaderSize(headerSize)) {
        log_txt("bad BMP %s: info header of %u bytes, only 12 (OS/2), 40, 56, 108 and 124 are "
                "read",
                fileName, headerSize);
        return false;
    }
    if (size < kFileHeaderSize + headerSize) return headersCut(size, fileName);
    *info = readInfo(data + kFileHeaderSize);
    return size >= headersEnd(*info) || headersCut(size, fileName);
}

// Checks the headers against each other and the length; logs the first fault.
bool locateRows(const unsigned char* data, std::size_t size, const char* fileName,
                BitmapInfoHeader* info, BitmapRows* rows) {
    if (size < 2 || readLE16(data) != 0x4D42) return false;  // not a BMP at all: silent
    if (!readHeaders(data, size, fileName, info) || !checkFormat(*info, fileName)) return false;

    const bool topDown = info->biHeight < 0;
    rows->width = std::size_t(info->biWidth);
    rows->height = std::size_t(topDown ? -info->biHeight : info->biHeight);
    rows->bits = info->biBitCount;
    const std::size_t stride = (rows->width * rows->bits + 31) / 32 * 4;
    const std::uint64_t needed = std::uint64_t(stride) * rows->height;
    if (info->biSizeImage != 0 && info->biSizeImage < needed) {
        log_txt("bad BMP %s: image size field %u, rows need %llu bytes", fileName,
                info->biSizeImage, (unsigned long long)needed);
        return false;
    }
    const std::uint32_t offset = readLE32(data + 10);
    if (offset < headersEnd(*info) || offset > size) {
        log_txt("bad BMP %s: pixel data offset %u, outside %zu to %zu", fileName, offset,
                headersEnd(*info), size);
        return false;
    }
    if (needed > size - offset) {
        log_txt("bad BMP %s: file length %zu, pixel data needs %llu", fileName, size,
                (unsigned long long)(offset + needed));
        return false;
    }
    if (rows->bits <= 8 ? !readPalette(data, *info, offset, fileName, rows)
                        : rows->bits != 24 && !readFields(data, *info, fileName, rows))
        return false;
    rows->bottom = data + offset + (topDown ? (rows->height - 1) * stride : 0);
    rows->step = topDown ? -std::ptrdiff_t(stride) : std::ptrdiff_t(stride);
    info->biHeight = std::int32_t(rows->height);  // rows come out bottom first either way
    return true;
}

// Copies 24-bit rows out as R, G, B (and the colour-key alpha when Channels is 4).
template <int Channels>
unsigned char* convertRows(const BitmapRows& rows) {
    const std::size_t rowBytes = rows.width * Channels;
    auto* pixels = static_cast<unsigned char*>(std::malloc(rowBytes * rows.height));
    if (!pixels) return nullptr;
    for (std::size_t y = 0; y < rows.height; ++y) {
        const unsigned char* src = rows.bottom + std::ptrdiff_t(y) * rows.step;
        unsigned char* dst = pixels + y * rowBytes;
        for (std::size_t x = 0; x < rows.width; ++x, src += 3, dst += Channels) {
            const unsigned char b = src[0], g = src[1], r = src[2];
            dst[0] = r;
            dst[1] = g;
            dst[2] = b;
            if constexpr (Channels == 4) dst[3] = (r | g | b) ? 255 : 0;
        }
    }
    return pixels;
}

Rgba fromFields(const BitmapRows& rows, std::uint32_t v) {
    return {rows.red.of(v), rows.green.of(v), rows.blue.of(v),
            rows.alpha.mask ? rows.alpha.of(v) : static_cast<unsigned char>(255)};
}

// Pixel x of a row of 1, 4, 8, 16 or 32 bits.
Rgba pixelAt(const BitmapRows& rows, const unsigned char* row, std::size_t x) {
    switch (rows.bits) {
    case 1: return rows.palette[row[x / 8] >> (7 - x % 8) & 1];
    case 4: return rows.palette[row[x / 2] >> (x % 2 ? 0 : 4) & 15];
    case 8: return rows.palette[row[x]];
    case 16: return fromFields(rows, readLE16(row + 2 * x));
    default: return fromFields(rows, readLE32(row + 4 * x));
    }
}

// Rows of any other depth as R, G, B, A; the alpha of an image whose alpha
// is 0 everywhere made 255. Then packed to R, G, B, or given the colour key.
template <int Channels>
unsigned char* decodeRows(const BitmapRows& rows) {
    const std::size_t count = rows.width * rows.height;
    auto* pixels = static_cast<unsigned char*>(std::malloc(count * 4));
    if (!pixels) return nullptr;
    unsigned anyAlpha = 0;
    unsigned char* dst = pixels;
    for (std::size_t y = 0; y < rows.height; ++y) {
        const unsigned char* row = rows.bottom + std::ptrdiff_t(y) * rows.step;
        for (std::size_t x = 0; x < rows.width; ++x, dst += 4) {
            const Rgba p = pixelAt(rows, row, x);
            std::copy(p.begin(), p.end(), dst);
            anyAlpha |= p[3];
        }
    }
    for (std::size_t i = 0; i < count; ++i) {
        unsigned char* p = pixels + 4 * i;
        if constexpr (Channels == 3) {
            std::copy(p, p + 3, pixels + 3 * i);
        } else {
            p[3] = (p[0] | p[1] | p[2]) == 0 ? 0 : anyAlpha ? p[3] : 255;
        }
    }
    return pixels;
}

template <int Channels>
unsigned char* decode(const unsigned char* data, std::size_t size, const char* fileName,
                      BitmapInfoHeader* info) {
    BitmapRows rows;
    if (!locateRows(data, size, fileName, info, &rows)) return nullptr;
    return rows.bits == 24 ? convertRows<Channels>(rows) : decodeRows<Channels>(rows);
}

}  // namespace

unsigned char* DecodeBitmap(const unsigned char* data, std::size_t size, const char* fileName,
                            BitmapInfoHeader* info) {
    return decode<3>(data, size, fileName, info);
}

unsigned char* DecodeKeyedBitmap(const unsigned char* data, std::size_t size, const char* fileName,
                                 BitmapInfoHeader* info) {
    return decode<4>(data, size, fileName, info);
}

unsigned char* LoadOnlyBitmapFile(const char* fileName, BitmapInfoHeader* info) {
    FileBytes bytes = ReadFileBytes(fileName, kMaxImageFile);
    if (!bytes.data) return nullptr;
    return DecodeBitmap(bytes.data.get(), bytes.size, fileName, info);
}

unsigned char* LoadBitmapFile(const char* fileName, BitmapInfoHeader* info) {
    FileBytes bytes = ReadFileBytes(fileName, kMaxImageFile);
    if (!bytes.data) return nullptr;
    return DecodeKeyedBitmap(bytes.data.get(), bytes.size, fileName, info);
}

texture_t LoadBMPTexture(const char* fileName) {
    texture_t texture;
    BitmapInfoHeader info{};
    texture.pixels = LoadBitmapFile(fileName, &info);
    if (texture.pixels) {
        texture.width = std::uint32_t(info.biWidth);
        texture.height = std::uint32_t(info.biHeight);
        texture.bpp = 32;
    }
    return texture;
}
