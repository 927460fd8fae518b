// A supersampled RGBA painting surface for the asset tools: layers are
// composited one over the other at several samples per pixel, and the result
// is box-filtered down to an Image, which anti-aliases every edge.
#pragma once

#include "tools/image_write.h"

#include <functional>
#include <vector>

// Straight (not premultiplied) colour, components 0 to 1.
struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

struct Point {
    float x = 0, y = 0;
};

class Canvas {
public:
    // width x height output pixels, each made of samples x samples samples.
    Canvas(int width, int height, int samples);

    // shade(x, y) gives the colour of a layer at a sample position, in output
    // pixel coordinates (x right, y down, (0, 0) the image's top-left corner);
    // the layer is composited over what is there.
    using Shader = std::function<Rgba(float x, float y)>;
    void Paint(const Shader& shade);
    // A flat convex polygon; corners in order, either direction.
    void PaintPolygon(const std::vector<Point>& corners, Rgba colour);

    // The averaged samples, alpha kept when channels is 4.
    Image Resolve(int channels) const;

    int samples() const { return samplesPerSide; }

private:
    // The mean of the premultiplied samples that make up output pixel (x, y).
    Rgba meanOf(int x, int y) const;

    int width;
    int height;
    int samplesPerSide;
    std::vector<Rgba> premultiplied;  // row-major, sample resolution
};

// True when p lies inside the convex polygon (corners in either order).
bool InsideConvex(const std::vector<Point>& corners, Point p);

// Shading helpers: 0 below edge0, 1 above edge1, a smooth ramp between; and
// the linear blend from a (t = 0) to b (t = 1).
float Smoothstep(float edge0, float edge1, float x);
Rgba Mix(Rgba a, Rgba b, float t);
