// The MD2 model format decoded from bytes in memory. Every count, offset and
// index of the file is checked against the file before use.
#pragma once

#include "render/vector_math.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct md2Triangle_t {
    std::uint16_t vertexIndex[3];
    std::uint16_t coordIndex[3];
};

struct md2TexCoord_t {
    float s, t;
};

// What the program takes from an MD2 file: positions of every frame, texture
// coordinates in skin pixels, and the triangles.
struct MD2Data {
    int vertexCount = 0;
    int frameCount = 0;
    int frameSize = 0;
    std::vector<Vertex> vertices;           // frame f, vertex i at f * vertexCount + i
    std::vector<std::int16_t> pixelCoords;  // s, t pairs
    std::vector<md2Triangle_t> triangles;
};

// Decodes the file's bytes. On a bad header, a count or offset outside the
// file, a frame too small for its vertices or an index out of range: logs one
// line naming fileName and the bad field, and returns false.
bool DecodeMD2(const unsigned char* data, std::size_t size, const char* fileName, MD2Data* out);
