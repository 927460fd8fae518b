// BMP reading: 24-bit uncompressed images with Windows headers, rows stored
// bottom-up or top-down, decoded from memory; the file loaders read the whole file and decode its
// bytes. The headers are checked against each other and against the length of the bytes before any
// pixel is read, so a lying header can never cause a read past the end; fill bytes at row ends are
// dropped so the result is tightly packed.
#include "render/image_decode.h"

#include "io/file_bytes.h"
#include "io/little_endian.h"
#include "platform/log.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kHeadersSize = kFileHeaderSize + 40;
constexpr std::int64_t kMaxSide = 16384;

BitmapInfoHeader readInfo(const unsigned char* p) {
    BitmapInfoHeader info;
    info.biSize = readLE32(p);
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

// Where the pixel rows of a checked BMP lie in its bytes.
struct BitmapRows {
    const unsigned char* bottom = nullptr;  // the bottom row
    std::ptrdiff_t step = 0;                // bytes from one row up to the next, fill included
    std::size_t width = 0;
    std::size_t height = 0;
};

bool checkFormat(const BitmapInfoHeader& info, const char* fileName) {
    if (info.biSize < 40) {
        log_txt("bad BMP %s: info header of %u bytes (OS/2 style), only Windows headers of 40 "
                "bytes or more are read",
                fileName, info.biSize);
        return false;
    }
    if (info.biBitCount != 24) {
        log_txt("bad BMP %s: %u bits per pixel, only 24 are read", fileName, info.biBitCount);
        return false;
    }
    if (info.biCompression != 0) {
        log_txt("bad BMP %s: compression %u, only uncompressed (0) is read", fileName,
                info.biCompression);
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

// Checks the headers against each other and the length; logs the first fault.
bool locateRows(const unsigned char* data, std::size_t size, const char* fileName,
                BitmapInfoHeader* info, BitmapRows* rows) {
    if (size < 2 || readLE16(data) != 0x4D42) return false;  // not a BMP at all: silent
    if (size < kHeadersSize) {
        log_txt("bad BMP %s: file length %zu, shorter than its headers", fileName, size);
        return false;
    }
    *info = readInfo(data + kFileHeaderSize);
    if (!checkFormat(*info, fileName)) return false;

    const bool topDown = info->biHeight < 0;
    rows->width = std::size_t(info->biWidth);
    rows->height = std::size_t(topDown ? -info->biHeight : info->biHeight);
    const std::size_t stride = (rows->width * 3 + 3) & ~std::size_t(3);
    const std::uint64_t needed = std::uint64_t(stride) * rows->height;
    if (info->biSizeImage != 0 && info->biSizeImage < needed) {
        log_txt("bad BMP %s: image size field %u, rows need %llu bytes", fileName,
                info->biSizeImage, (unsigned long long)needed);
        return false;
    }
    const std::uint32_t offset = readLE32(data + 10);
    if (offset < kHeadersSize || offset > size) {
        log_txt("bad BMP %s: pixel data offset %u, outside %zu to %zu", fileName, offset,
                kHeadersSize, size);
        return false;
    }
    if (needed > size - offset) {
        log_txt("bad BMP %s: file length %zu, pixel data needs %llu", fileName, size,
                (unsigned long long)(offset + needed));
        return false;
    }
    rows->bottom = data + offset + (topDown ? (rows->height - 1) * stride : 0);
    rows->step = topDown ? -std::ptrdiff_t(stride) : std::ptrdiff_t(stride);
    info->biHeight = std::int32_t(rows->height);  // rows come out bottom first either way
    return true;
}

// Copies the rows out as R, G, B (and the colour-key alpha when Channels is 4).
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

template <int Channels>
unsigned char* decode(const unsigned char* data, std::size_t size, const char* fileName,
                      BitmapInfoHeader* info) {
    BitmapRows rows;
    if (!locateRows(data, size, fileName, info, &rows)) return nullptr;
    return convertRows<Channels>(rows);
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
