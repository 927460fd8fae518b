// A box body, drawn as six lit quads; the floor is one.
#pragma once

#include "physics/newton_primitive.h"

#include <memory>
#include <utility>
#include <vector>

class NewtonBox : public NewtonPrimitive {
public:
    NewtonBox(NewtonWorld* world, Vertex position, float mass, float edge);
    NewtonBox(NewtonWorld* world, Vertex position, float mass, float x, float y, float z);
    void draw() override;
};

// Vertex and normal arrays of many boxes, each box's six faces moved to its
// current pose on the CPU, so that all of them draw in one call: the same
// quads as each box's draw, without a draw call and matrix change a box.
// Boxes wholly outside the view are left out, the boxes nearest the eye go
// first and back faces are culled, so hidden pixels fail the depth test
// before they are shaded.
class BoxBatch {
public:
    void draw(const std::vector<std::unique_ptr<NewtonBox>>& boxes, Vertex eye);

private:
    // Kept between frames, refilled each.
    std::vector<std::pair<float, NewtonBox*>> nearestFirst;
    std::vector<float> positions, normals;
};
