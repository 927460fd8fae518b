// TGA reading: colour-mapped (types 1 and 9), true-colour (2 and 10) and
// greyscale (3 and 11) images, plain or run-length encoded, in 8, 15, 16, 24
// and 32 bits, decoded from memory or read from a file. Every image comes out
// bottom row first, whatever the descriptor's origin bit says, as R, G, B, with
// alpha where the file has it: 32-bit colours, 16-bit greyscale (grey and
// alpha), a colour map of 32-bit entries. 15- and 16-bit colours carry no
// alpha; their 5-bit channels become c * 255 / 31. The origin fields are
// ignored. Every failure logs one fixed line, the same from memory and from a file.
//
// The file loader reads a plain 24- or 32-bit true-colour image's pixels
// straight into the image's own buffer and reorders them there: with a
// whole-file copy beside it, a large image's two buffers went back to the
// system at every load and were faulted in afresh at the next. Other kinds
// are read whole and decoded from memory.
#include "render/image_decode.h"

#include "io/file_bytes.h"
#include "io/little_endian.h"
#include "platform/log.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kHeaderSize = 18;
// The largest image decoded: 16384 x 16384 with alpha, as for BMP. Run-length
// encoding lets a small file claim far more.
constexpr std::uint64_t kMaxImageBytes = std::uint64_t(1) << 30;

using Rgba = std::array<unsigned char, 4>;

// How one stored colour is laid out.
enum class Colour { Grey, GreyAlpha, Rgb555, Bgr, Bgra };

Colour colourOf(unsigned bits, bool grey) {
    switch (bits) {
    case 8: return Colour::Grey;
    case 16: return grey ? Colour::GreyAlpha : Colour::Rgb555;
    case 15: return Colour::Rgb555;
    case 24: return Colour::Bgr;
    default: return Colour::Bgra;
    }
}

bool hasAlpha(Colour c) { return c == Colour::GreyAlpha || c == Colour::Bgra; }

bool isColourDepth(unsigned bits) {
    return bits == 8 || bits == 15 || bits == 16 || bits == 24 || bits == 32;
}

std::size_t bytesOf(unsigned bits) { return (bits + 7) / 8; }

unsigned char scale5(unsigned v) { return static_cast<unsigned char>((v & 31) * 255 / 31); }

Rgba decodeColour(const unsigned char* p, Colour c) {
    switch (c) {
    case Colour::Grey: return {p[0], p[0], p[0], 255};
    case Colour::GreyAlpha: return {p[0], p[0], p[0], p[1]};
    case Colour::Rgb555: {
        const unsigned v = readLE16(p);
        return {scale5(v >> 10), scale5(v >> 5), scale5(v), 255};
    }
    case Colour::Bgr: return {p[2], p[1], p[0], 255};
    default: return {p[2], p[1], p[0], p[3]};
    }
}

struct Header {
    std::size_t idLength = 0;
    bool mapped = false;   // a colour map follows the identification field
    bool indexed = false;  // pixels are colour-map indices
    bool rle = false;
    bool grey = false;
    unsigned mapFirst = 0, mapLength = 0, mapBits = 0;
    unsigned bits = 0;  // per stored pixel
    bool topFirst = false;
    std::size_t mapBytes() const { return mapped ? mapLength * bytesOf(mapBits) : 0; }
    std::size_t pixelsAt() const { return kHeaderSize + idLength + mapBytes(); }
    // The kind the file loader reads straight into the image.
    bool plain() const { return !mapped && !rle && !indexed && (bits == 24 || bits == 32); }
};

std::uint64_t pixelCount(const texture_t& t) { return std::uint64_t(t.width) * t.height; }
std::uint64_t imageSize(const texture_t& t) { return pixelCount(t) * (t.bpp / 8); }  // < 2^35

texture_t noImage() {
    texture_t texture;
    texture.sourceKind = 1;
    return texture;
}

// The fields of the 18 header bytes as one line of failure: "2" for the
// header itself, "3" for the size or depth; empty when they can be read.
const char* headerFault(const unsigned char* p, Header* h) {
    const unsigned mapType = p[1], type = p[2];
    h->idLength = p[0];
    h->mapped = mapType == 1;
    h->indexed = (type & 7) == 1;
    h->rle = type & 8;
    h->grey = (type & 7) == 3;
    h->mapFirst = readLE16(p + 3);
    h->mapLength = readLE16(p + 5);
    h->mapBits = p[7];
    h->bits = p[16];
    h->topFirst = p[17] & 0x20;
    const bool knownType = (type & ~8u) >= 1 && (type & ~8u) <= 3;
    if (mapType > 1 || !knownType || (h->indexed && (!h->mapped || h->mapLength == 0)) ||
        (h->mapped && !isColourDepth(h->mapBits)))
        return "2";
    if (readLE16(p + 12) == 0 || readLE16(p + 14) == 0) return "3";
    const bool depthOk = h->indexed ? h->bits == 8 || h->bits == 16 : isColourDepth(h->bits);
    return depthOk ? "" : "3";
}

// Size and depth from the header (size: the bytes there are, maybe fewer than
// 18); bpp stays 0 when the header is refused.
texture_t readHeader(const unsigned char* header, std::size_t size, Header* h) {
    texture_t texture = noImage();
    const char* fault = size < kHeaderSize ? "2" : headerFault(header, h);
    if (*fault) {
        log_txt("Couldn't load texture%s", fault);
        return texture;
    }
    const Colour stored = h->indexed ? colourOf(h->mapBits, false) : colourOf(h->bits, h->grey);
    texture.width = readLE16(header + 12);
    texture.height = readLE16(header + 14);
    texture.bpp = hasAlpha(stored) ? 32 : 24;
    if (imageSize(texture) <= kMaxImageBytes) return texture;
    log_txt("Couldn't load texture3");
    return noImage();
}

// Whether the bytes behind the header could hold the pixels: all of them
// stored, or runs of 128 at best. Keeps a few lying bytes from claiming gigabytes.
bool pixelsCouldFit(const Header& h, const texture_t& t, std::size_t size) {
    if (h.pixelsAt() > size) return false;
    const std::uint64_t unit = bytesOf(h.bits), count = pixelCount(t);
    const std::uint64_t least = h.rle ? (count + 127) / 128 * (1 + unit) : count * unit;
    return least <= size - h.pixelsAt();
}

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

// Turns rows stored top row first the other way up.
void flipRows(unsigned char* pixels, const texture_t& t) {
    const std::size_t row = std::size_t(t.width) * (t.bpp / 8);
    std::vector<unsigned char> spare(row);
    for (std::size_t top = 0, bottom = t.height - 1; top < bottom; ++top, --bottom) {
        unsigned char* a = pixels + top * row;
        unsigned char* b = pixels + bottom * row;
        std::memcpy(spare.data(), a, row);
        std::memcpy(a, b, row);
        std::memcpy(b, spare.data(), row);
    }
}

// The bytes still to be read, never beyond the end.
struct Bytes {
    const unsigned char* at;
    const unsigned char* end;
    const unsigned char* take(std::size_t n) {
        if (std::size_t(end - at) < n) return nullptr;
        at += n;
        return at - n;
    }
};

// The colour map's entries; an index outside it stands for its first entry.
struct ColourMap {
    std::vector<Rgba> entries;
    unsigned first = 0;
    Rgba operator[](unsigned index) const {
        const unsigned i = index - first;
        return i < entries.size() ? entries[i] : entries[0];
    }
};

ColourMap readMap(const Header& h, const unsigned char* at) {
    ColourMap map;
    map.first = h.mapFirst;
    const Colour c = colourOf(h.mapBits, false);
    for (unsigned i = 0; i < h.mapLength; ++i, at += bytesOf(h.mapBits))
        map.entries.push_back(decodeColour(at, c));
    return map;
}

// Every pixel in file order into out, `channels` bytes each; false when the
// bytes end first. A run may go on into the next row; one longer than the
// pixels left is cut.
bool decodePixels(const Header& h, const ColourMap& map, Bytes in, const texture_t& t,
                  unsigned char* out) {
    const std::size_t unit = bytesOf(h.bits), channels = t.bpp / 8;
    const Colour stored = colourOf(h.bits, h.grey);
    const std::uint64_t count = pixelCount(t);
    for (std::uint64_t i = 0; i < count;) {
        std::uint64_t run = 1;
        bool repeat = false;
        if (h.rle) {
            const unsigned char* packet = in.take(1);
            if (!packet) return false;
            run = std::min<std::uint64_t>((*packet & 127u) + 1, count - i);
            repeat = *packet & 128;
        }
        Rgba colour{};
        for (std::uint64_t k = 0; k < run; ++k, ++i, out += channels) {
            if (k == 0 || !repeat) {
                const unsigned char* p = in.take(unit);
                if (!p) return false;
                colour = h.indexed ? map[unit == 1 ? p[0] : readLE16(p)] : decodeColour(p, stored);
            }
            std::memcpy(out, colour.data(), channels);
        }
    }
    return true;
}

// The pixels, given in file order, made bottom row first.
texture_t finish(texture_t texture, unsigned char* pixels, const Header& h) {
    if (h.topFirst) flipRows(pixels, texture);
    texture.pixels = pixels;
    return texture;
}

texture_t decodeAny(const Header& h, texture_t texture, const unsigned char* data,
                    std::size_t size) {
    if (!pixelsCouldFit(h, texture, size)) return pixelsMissing();
    auto* pixels = static_cast<unsigned char*>(std::malloc(imageSize(texture)));
    if (!pixels) return pixelsMissing();
    const ColourMap map = h.indexed ? readMap(h, data + kHeaderSize + h.idLength) : ColourMap{};
    if (!decodePixels(h, map, {data + h.pixelsAt(), data + size}, texture, pixels)) {
        std::free(pixels);
        return pixelsMissing();
    }
    return finish(texture, pixels, h);
}

}  // namespace

texture_t DecodeTGA(const unsigned char* data, std::size_t size) {
    Header h;
    texture_t texture = readHeader(data, size, &h);
    if (!texture.bpp) return texture;
    if (!h.plain()) return decodeAny(h, texture, data, size);
    if (!pixelsCouldFit(h, texture, size)) return pixelsMissing();
    auto* pixels = static_cast<unsigned char*>(std::malloc(imageSize(texture)));
    if (!pixels) return pixelsMissing();
    swapRedBlue(data + h.pixelsAt(), pixels, texture);
    return finish(texture, pixels, h);
}

texture_t LoadTGATexture(const char* fileName) {
    const OpenedFile file = OpenFileChecked(fileName, kMaxImageFile);
    if (!file.stream) {
        log_txt("Couldn't load texture1");
        return noImage();
    }
    unsigned char header[kHeaderSize];
    Header h;
    texture_t texture =
        readHeader(header, std::fread(header, 1, kHeaderSize, file.stream.get()), &h);
    if (!texture.bpp) return texture;
    if (!h.plain()) {
        std::vector<unsigned char> bytes(file.size);
        std::memcpy(bytes.data(), header, kHeaderSize);
        const std::size_t rest = file.size - kHeaderSize;
        if (std::fread(bytes.data() + kHeaderSize, 1, rest, file.stream.get()) != rest)
            return pixelsMissing();
        return decodeAny(h, texture, bytes.data(), bytes.size());
    }
    if (!pixelsCouldFit(h, texture, file.size)) return pixelsMissing();
    auto* pixels = static_cast<unsigned char*>(std::malloc(imageSize(texture)));
    if (!pixels || std::fseek(file.stream.get(), long(h.pixelsAt()), SEEK_SET) != 0 ||
        std::fread(pixels, 1, imageSize(texture), file.stream.get()) != imageSize(texture)) {
        std::free(pixels);
        return pixelsMissing();
    }
    swapRedBlue(pixels, pixels, texture);
    return finish(texture, pixels, h);
}
