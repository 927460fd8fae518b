// Many boxes drawn in one call: each box's six faces moved to its current
// pose on the CPU into vertex and normal arrays, the same quads as a box's own
// draw without a draw call and matrix change a box. Boxes wholly outside the
// view are left out, the boxes nearest the eye go first and back faces are
// culled, so hidden pixels fail the depth test before they are shaded.
#pragma once

#include "render/vector_math.h"

#include <utility>
#include <vector>

// A face of the box of edges 2 around the origin: its normal, and its corners
// counter-clockwise seen from outside.
struct BoxFace {
    float normal[3];
    float corners[4][3];
};
// The six faces, as a box drawn on its own and the batch both draw them.
extern const BoxFace kBoxFaces[6];

// A box as the batch takes it: its current pose (position in elements 12-14)
// and its edges.
struct BatchedBox {
    const Matrix* pose;
    Vertex size;
};

class BoxBatch {
public:
    void draw(const std::vector<BatchedBox>& boxes, Vertex eye);

private:
    // Kept between frames, refilled each.
    std::vector<std::pair<float, const BatchedBox*>> nearestFirst;
    std::vector<float> positions, normals;
};
