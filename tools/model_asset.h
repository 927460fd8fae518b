// What the model tools build for the demo: a one-frame MD2 mesh with its skin,
// plus the two conventions of how the demo draws them, kept in one place.
//
// Faces: the demo draws each triangle record in the order 0, 2, 1 and takes
// its flat normal as (v2 - v0) x (v1 - v0), with OpenGL's counter-clockwise
// front face. AddFace therefore takes corners counter-clockwise as seen from
// outside the solid and stores them as (a, c, b).
//
// Skins: the demo divides s and t by the skin's size and does not flip t, so
// t = 0 is the first row it uploads, which for the TGA and BMP files of
// tools/image_write.h is the bottom row of the Image. SkinPoint and SkinCoord
// convert between texture coordinates and Canvas pixel positions.
#pragma once

#include "tools/canvas.h"
#include "tools/image_write.h"
#include "tools/md2_write.h"

#include <cstdint>

struct ModelAsset {
    Md2Model mesh;
    Image skin;
};

// One corner of a face: a vertex index and a texture coordinate index.
struct Corner {
    std::uint16_t vertex;
    std::uint16_t coord;
};

// Appends a triangle whose corners run counter-clockwise seen from outside.
void AddFace(Md2Model& mesh, Corner a, Corner b, Corner c);

// The Canvas position (x right, y down from the top-left corner) of a texture
// coordinate of a skin skinHeight pixels high, and the coordinate nearest to a
// Canvas position.
Point SkinPoint(Md2Coord coord, int skinHeight);
Md2Coord SkinCoord(Point point, int skinHeight);
