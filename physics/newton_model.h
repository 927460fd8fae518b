// A body shaped as the convex hull of a model's first frame and drawn as the
// model. Its mass matrix and centre of mass come from the hull's volume.
#pragma once

#include "physics/newton_primitive.h"
#include "render/md2.h"

class NewtonModel : public NewtonPrimitive {
public:
    // A model that yields no vertices is reported, the program's end is
    // requested, and no body is made.
    NewtonModel(NewtonWorld* world, const char* descFile, Vertex position, float mass, float scale);
    void draw() override;

    CMD2Model model;
    // Frame 0's corners, scaled, at the starting place; both zero when no body was made.
    Vertex low = newV(0, 0, 0), high = newV(0, 0, 0);

private:
    void placeBounds(const float* points, Vertex position);
};
