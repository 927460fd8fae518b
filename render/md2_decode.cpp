#include "render/md2_decode.h"

#include "io/little_endian.h"
#include "platform/log.h"

#include <cmath>

namespace {

constexpr std::size_t kHeaderSize = 68;
constexpr std::size_t kFrameHeader = 40;   // scale, translate, name
constexpr std::size_t kTriangleSize = 12;  // three vertex indices, three coordinate indices
// No sane model reaches this far from its origin (the world is 400 units across).
constexpr double kMaxCoordinate = 10000;

enum HeaderField {
    kFrameSize = 4,
    kVertexCount = 6,
    kCoordCount = 7,
    kTriangleCount = 8,
    kFrameCount = 10,
    kCoordOffset = 12,
    kTriangleOffset = 13,
    kFrameOffset = 14,
};

class Reader {
public:
    Reader(const unsigned char* d, std::size_t n, const char* name)
        : data(d), size(n), file(name) {}

    bool refuse(const char* field, long long value) const {
        log_txt("bad MD2 %s: %s %lld", file, field, value);
        return false;
    }
    std::int32_t header(HeaderField f) const { return std::int32_t(readLE32(data + 4 * f)); }
    // A non-negative count from the header.
    bool count(HeaderField f, const char* field, int* out) const {
        *out = header(f);
        return *out >= 0 || refuse(field, *out);
    }
    // A block of count records of recordSize bytes must lie inside the file.
    bool block(HeaderField offsetField, const char* field, long long count,
               long long recordSize) const {
        long long offset = header(offsetField);
        if (offset < 0 || offset > (long long)size || count * recordSize > (long long)size - offset)
            return refuse(field, offset);
        return true;
    }

    const unsigned char* data;
    std::size_t size;
    const char* file;
};

bool readCounts(const Reader& in, MD2Data* out, int* coordCount, int* triangleCount) {
    return in.count(kVertexCount, "vertex count", &out->vertexCount) &&
           in.count(kFrameCount, "frame count", &out->frameCount) &&
           in.count(kFrameSize, "frame size", &out->frameSize) &&
           in.count(kCoordCount, "texture coordinate count", coordCount) &&
           in.count(kTriangleCount, "triangle count", triangleCount);
}

// The vertex coordinate of a frame's packed value; NaN, infinite or beyond
// kMaxCoordinate (also beyond float range) fails the check that follows.
double unpack(unsigned char packed, float scale, float translate) {
    return packed * double(scale) + translate;
}

bool withinBounds(double c) { return std::fabs(c) <= kMaxCoordinate; }

// A frame whose scale and translate give a vertex farther than kMaxCoordinate
// from the origin (or not a number) is refused, naming the frame and value.
bool readFrames(const Reader& in, MD2Data* out) {
    const unsigned char* frames = in.data + in.header(kFrameOffset);
    out->vertices.resize(std::size_t(out->frameCount) * std::size_t(out->vertexCount));
    Vertex* v = out->vertices.data();
    for (int f = 0; f < out->frameCount; ++f) {
        const unsigned char* frame = frames + std::size_t(f) * std::size_t(out->frameSize);
        float scale[3], translate[3];
        for (int k = 0; k < 3; ++k) {
            scale[k] = readLEFloat(frame + 4 * k);
            translate[k] = readLEFloat(frame + 12 + 4 * k);
        }
        const unsigned char* packed = frame + kFrameHeader;
        for (int i = 0; i < out->vertexCount; ++i, packed += 4) {
            double c[3];
            for (int k = 0; k < 3; ++k) {
                c[k] = unpack(packed[k], scale[k], translate[k]);
                if (!withinBounds(c[k])) {
                    log_txt("bad MD2 %s: vertex out of range in frame %d: %g, not within %g of "
                            "the origin",
                            in.file, f, c[k], kMaxCoordinate);
                    return false;
                }
            }
            *v++ = Vertex{float(c[0]), float(c[1]), float(c[2])};
        }
    }
    return true;
}

bool readTriangles(const Reader& in, int count, int coordCount, MD2Data* out) {
    out->triangles.resize(std::size_t(count));
    const unsigned char* record = in.data + in.header(kTriangleOffset);
    for (md2Triangle_t& t : out->triangles) {
        for (int k = 0; k < 3; ++k) {
            t.vertexIndex[k] = readLE16(record + 2 * k);
            t.coordIndex[k] = readLE16(record + 6 + 2 * k);
            if (t.vertexIndex[k] >= out->vertexCount)
                return in.refuse("vertex index", t.vertexIndex[k]);
            if (t.coordIndex[k] >= coordCount)
                return in.refuse("texture coordinate index", t.coordIndex[k]);
        }
        record += kTriangleSize;
    }
    return true;
}

}  // namespace

bool DecodeMD2(const unsigned char* data, std::size_t size, const char* fileName, MD2Data* out) {
    *out = MD2Data{};
    Reader in(data, size, fileName);
    if (size < kHeaderSize) return in.refuse("header length", (long long)size);
    int coordCount = 0, triangleCount = 0;
    if (!readCounts(in, out, &coordCount, &triangleCount)) return false;
    if (out->frameCount > 0 && out->frameSize < (long long)kFrameHeader + 4LL * out->vertexCount)
        return in.refuse("frame size", out->frameSize);
    if (triangleCount > 0 && out->frameCount == 0) return in.refuse("frame count", 0);
    if (!in.block(kFrameOffset, "frame offset", out->frameCount, out->frameSize) ||
        !in.block(kCoordOffset, "texture coordinate offset", coordCount, 4) ||
        !in.block(kTriangleOffset, "triangle offset", triangleCount, kTriangleSize))
        return false;
    if (!readFrames(in, out)) {
        *out = MD2Data{};
        return false;
    }
    out->pixelCoords.resize(std::size_t(coordCount) * 2);
    const unsigned char* coords = data + in.header(kCoordOffset);
    for (std::int16_t& c : out->pixelCoords) {
        c = std::int16_t(readLE16(coords));
        coords += 2;
    }
    if (readTriangles(in, triangleCount, coordCount, out)) return true;
    *out = MD2Data{};
    return false;
}
