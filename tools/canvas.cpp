// Supersampled painting for the asset tools.
#include "tools/canvas.h"

#include <algorithm>
#include <cmath>

Canvas::Canvas(int width, int height, int samples)
    : width(width), height(height), samplesPerSide(samples),
      premultiplied(static_cast<std::size_t>(width) * height * samples * samples) {}

void Canvas::Paint(const Shader& shade) {
    const int columns = width * samplesPerSide;
    const float step = 1.0f / samplesPerSide;
    for (std::size_t i = 0; i < premultiplied.size(); ++i) {
        const float x = (static_cast<float>(i % columns) + 0.5f) * step;
        const float y = (static_cast<float>(i / columns) + 0.5f) * step;
        const Rgba top = shade(x, y);
        const float a = std::clamp(top.a, 0.0f, 1.0f);
        if (a <= 0) continue;
        Rgba& dst = premultiplied[i];
        dst.r = top.r * a + dst.r * (1 - a);
        dst.g = top.g * a + dst.g * (1 - a);
        dst.b = top.b * a + dst.b * (1 - a);
        dst.a = a + dst.a * (1 - a);
    }
}

void Canvas::PaintPolygon(const std::vector<Point>& corners, Rgba colour) {
    Paint([&](float x, float y) { return InsideConvex(corners, {x, y}) ? colour : Rgba{}; });
}

namespace {

std::uint8_t toByte(float value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255));
}

}  // namespace

Rgba Canvas::meanOf(int x, int y) const {
    const std::size_t columns = static_cast<std::size_t>(width) * samplesPerSide;
    Rgba sum;
    for (int sy = 0; sy < samplesPerSide; ++sy) {
        const std::size_t row = static_cast<std::size_t>(y * samplesPerSide + sy) * columns;
        for (int sx = 0; sx < samplesPerSide; ++sx) {
            const Rgba& s = premultiplied[row + x * samplesPerSide + sx];
            sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b, sum.a + s.a};
        }
    }
    const float count = static_cast<float>(samplesPerSide * samplesPerSide);
    return {sum.r / count, sum.g / count, sum.b / count, sum.a / count};
}

Image Canvas::Resolve(int channels) const {
    Image image(width, height, channels);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgba mean = meanOf(x, y);
            // Without alpha the image shows the picture over black.
            const float unpremultiply = channels == 4 && mean.a > 0 ? 1 / mean.a : 1;
            std::uint8_t* p = image.at(x, y);
            p[0] = toByte(mean.r * unpremultiply);
            p[1] = toByte(mean.g * unpremultiply);
            p[2] = toByte(mean.b * unpremultiply);
            if (channels == 4) p[3] = toByte(mean.a);
        }
    }
    return image;
}

bool InsideConvex(const std::vector<Point>& corners, Point p) {
    bool anyPositive = false;
    bool anyNegative = false;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point a = corners[i];
        const Point b = corners[(i + 1) % corners.size()];
        const float cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        anyPositive |= cross > 0;
        anyNegative |= cross < 0;
    }
    return !(anyPositive && anyNegative);
}

float Smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

Rgba Mix(Rgba a, Rgba b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}
