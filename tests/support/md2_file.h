// Hand-built MD2 files for tests.
#pragma once

#include "support/image_files.h"

#include <cstring>
#include <string>
#include <vector>

namespace testing_support {

struct Md2Triangle {
    unsigned vertex[3];
    unsigned coord[3];
};

// A model with one packed vertex list per frame (x, y, z bytes), the given
// scale and translate for every frame, texture coordinates in pixels and
// triangles. header[] holds the 17 header fields and may be changed before
// bytes() to make a damaged file.
struct Md2File {
    std::vector<std::vector<std::array<int, 3>>> frames;
    float scale[3] = {1, 1, 1};
    float translate[3] = {0, 0, 0};
    std::vector<std::array<int, 2>> coords;
    std::vector<Md2Triangle> triangles;
    int header[17] = {};

    void layOut() {
        const int vertexCount = frames.empty() ? 0 : int(frames[0].size());
        const int frameSize = 40 + 4 * vertexCount;
        const int coordsAt = 68, trianglesAt = coordsAt + 4 * int(coords.size());
        const int framesAt = trianglesAt + 12 * int(triangles.size());
        const int end = framesAt + frameSize * int(frames.size());
        const int fields[17] = {0x32504449, 8, 256, 256, frameSize, 0, vertexCount, int(coords.size()),
                                int(triangles.size()), 0, int(frames.size()), 68, coordsAt,
                                trianglesAt, framesAt, end, end};
        std::memcpy(header, fields, sizeof header);
    }

    std::string bytes() const {
        std::string s(68, '\0');
        for (int i = 0; i < 17; ++i) put32(s, size_t(4 * i), std::uint32_t(header[i]));
        for (const auto& c : coords) {
            s += std::string(4, '\0');
            put16(s, s.size() - 4, unsigned(c[0] & 0xFFFF));
            put16(s, s.size() - 2, unsigned(c[1] & 0xFFFF));
        }
        for (const Md2Triangle& t : triangles) {
            s += std::string(12, '\0');
            for (int k = 0; k < 3; ++k) {
                put16(s, s.size() - 12 + size_t(2 * k), t.vertex[k]);
                put16(s, s.size() - 6 + size_t(2 * k), t.coord[k]);
            }
        }
        for (const auto& frame : frames) {
            std::string record(40, '\0');
            std::memcpy(&record[0], scale, 12);
            std::memcpy(&record[12], translate, 12);
            for (const auto& v : frame) record += {char(v[0]), char(v[1]), char(v[2]), '\0'};
            s += record;
        }
        return s;
    }
};

}  // namespace testing_support
