// The small scene in the launcher's logo: flat-shaded cubes and shaded
// spheres standing on a fading floor grid, seen in an orthographic view from
// above and to the side, painted onto a Canvas.
#pragma once

#include "tools/canvas.h"

#include <vector>

struct Vec3 {
    float x = 0, y = 0, z = 0;  // y up; the floor is y = 0
};

// Orthographic view: the world turned by yaw about y, then tilted by pitch so
// that the floor is seen from above. Angles in radians.
struct View {
    float yaw = 0;
    float pitch = 0;
    Point origin;            // pixel where the world origin appears
    float pixelsAcross = 1;  // pixels per world unit, horizontally
    float pixelsUp = 1;      // pixels per world unit, vertically

    Vec3 Turn(Vec3 p) const;          // into view space: x right, y up, z towards the viewer
    Point Project(Vec3 p) const;      // world point to output pixels
    Vec3 FloorAt(Point pixel) const;  // the floor point seen at a pixel
};

struct Cube {
    Vec3 centre;
    float half = 0.5f;  // half the edge length
    float yaw = 0;      // about y, radians
    float roll = 0;     // about the cube's own x, radians, applied first
    Rgba colour;
};

struct Sphere {
    Vec3 centre;
    float radius = 0.5f;
    Rgba colour;
};

struct Scene {
    std::vector<Cube> cubes;
    std::vector<Sphere> spheres;
    float floorRadius = 2;  // the grid fades out towards this distance
    float gridStep = 0.4f;
    Rgba floorColour;
    Rgba gridColour;
    Vec3 light{0, 1, 0};  // direction towards the light, need not be unit length
};

// Floor, blob shadows, then the bodies from the farthest to the nearest.
void PaintScene(Canvas& canvas, const View& view, const Scene& scene);
