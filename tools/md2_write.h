// A one-frame mesh in memory and its encoding as an MD2 model file, the
// format the demo loads its cylinder and test model from.
//
// The file holds the 68-byte header, the texture coordinates, the triangles
// and one frame; it has no skin names and no GL commands (the demo takes the
// skin from the model's description file and draws the triangles itself).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A texture coordinate in skin pixels.
struct Md2Coord {
    std::int16_t s = 0;
    std::int16_t t = 0;
};

// Indices into the vertices and into the texture coordinates, corner by corner.
struct Md2Triangle {
    std::array<std::uint16_t, 3> vertex{};
    std::array<std::uint16_t, 3> coord{};
};

struct Md2Model {
    int skinWidth = 0;  // stored in the header; the demo uses the loaded skin's size
    int skinHeight = 0;
    std::string frameName;                       // at most 15 characters
    std::vector<std::array<float, 3>> vertices;  // positions of frame 0
    std::vector<Md2Coord> coords;
    std::vector<Md2Triangle> triangles;
};

// The MD2 file bytes, little-endian. Each axis of the frame is quantised to
// bytes with scale (max - min) / 255 and translate min, to the nearest step.
// Throws std::invalid_argument when the model does not fit the format (index
// out of range, more than 65536 vertices or coordinates, name too long).
std::vector<std::uint8_t> EncodeMd2(const Md2Model& model);
