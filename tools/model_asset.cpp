// Face winding and skin coordinates for the model tools.
#include "tools/model_asset.h"

#include <cmath>

void AddFace(Md2Model& mesh, Corner a, Corner b, Corner c) {
    mesh.triangles.push_back({{a.vertex, c.vertex, b.vertex}, {a.coord, c.coord, b.coord}});
}

Point SkinPoint(Md2Coord coord, int skinHeight) {
    return {static_cast<float>(coord.s), static_cast<float>(skinHeight - coord.t)};
}

Md2Coord SkinCoord(Point point, int skinHeight) {
    return {static_cast<std::int16_t>(std::lround(point.x)),
            static_cast<std::int16_t>(std::lround(skinHeight - point.y))};
}
