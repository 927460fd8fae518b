// Painting the logo's scene: a tiny orthographic renderer with flat-shaded
// cube faces, per-sample sphere shading, and painter's-order drawing (the
// bodies do not intersect, so sorting by their centres is enough).
#include "tools/logo_scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>

namespace {

Vec3 add(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 scale(Vec3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 unit(Vec3 a) { return scale(a, 1 / std::sqrt(dot(a, a))); }

Vec3 turnY(Vec3 p, float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    return {p.x * c + p.z * s, p.y, -p.x * s + p.z * c};
}

Vec3 turnX(Vec3 p, float angle) {
    const float c = std::cos(angle), s = std::sin(angle);
    return {p.x, p.y * c - p.z * s, p.y * s + p.z * c};
}

Rgba lit(Rgba base, float diffuse) {
    const float k = 0.4f + 0.7f * std::max(diffuse, 0.0f);
    return {base.r * k, base.g * k, base.b * k, base.a};
}

constexpr float kGridHalfWidth = 0.012f;  // world units

// Distance, in world units, from the nearest grid line across this coordinate.
float gridDistance(float coordinate, float step) {
    const float f = coordinate / step - std::floor(coordinate / step);
    return std::min(f, 1 - f) * step;
}

void paintFloor(Canvas& canvas, const View& view, const Scene& scene) {
    canvas.Paint([&](float x, float y) {
        const Vec3 p = view.FloorAt({x, y});
        const float fade = 1 - Smoothstep(0.3f, 1.0f, std::hypot(p.x, p.z) / scene.floorRadius);
        if (fade <= 0) return Rgba{};
        const float line =
            std::min(gridDistance(p.x, scene.gridStep), gridDistance(p.z, scene.gridStep));
        Rgba colour = line < kGridHalfWidth ? scene.gridColour : scene.floorColour;
        colour.a *= fade;
        return colour;
    });
}

// A soft dark disc on the floor under a body, fainter the higher the body.
void paintShadow(Canvas& canvas, const View& view, Vec3 centre, float radius) {
    const float strength = 0.6f / (1 + centre.y);
    canvas.Paint([&, strength](float x, float y) {
        const Vec3 p = view.FloorAt({x, y});
        const float d = std::hypot(p.x - centre.x, p.z - centre.z) / radius;
        return Rgba{0, 0, 0, strength * (1 - Smoothstep(0.6f, 1.0f, d))};
    });
}

// The corners of a face, in turn, as multiples of its two half-edge vectors.
constexpr std::pair<float, float> kFaceCorners[] = {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}};

Vec3 cubeAxis(const Cube& cube, Vec3 axis) { return turnY(turnX(axis, cube.roll), cube.yaw); }

void paintCube(Canvas& canvas, const View& view, const Cube& cube, Vec3 light) {
    const std::array<Vec3, 3> axes = {cubeAxis(cube, {1, 0, 0}), cubeAxis(cube, {0, 1, 0}),
                                      cubeAxis(cube, {0, 0, 1})};
    for (int axis = 0; axis < 3; ++axis) {
        for (float side : {-1.0f, 1.0f}) {
            const Vec3 normal = scale(axes[axis], side);
            if (view.Turn(normal).z <= 0) continue;  // faces away from the viewer
            const Vec3 middle = add(cube.centre, scale(normal, cube.half));
            const Vec3 a = scale(axes[(axis + 1) % 3], cube.half);
            const Vec3 b = scale(axes[(axis + 2) % 3], cube.half);
            std::vector<Point> corners;
            for (const auto& [ka, kb] : kFaceCorners)
                corners.push_back(view.Project(add(middle, add(scale(a, ka), scale(b, kb)))));
            canvas.PaintPolygon(corners, lit(cube.colour, dot(normal, light)));
        }
    }
}

void paintSphere(Canvas& canvas, const View& view, const Sphere& sphere, Vec3 light) {
    const Point centre = view.Project(sphere.centre);
    const Vec3 viewLight = view.Turn(light);
    const Vec3 halfway = unit(add(viewLight, {0, 0, 1}));
    canvas.Paint([&](float x, float y) {
        const float dx = (x - centre.x) / (sphere.radius * view.pixelsAcross);
        const float dy = (centre.y - y) / (sphere.radius * view.pixelsUp);
        const float rr = dx * dx + dy * dy;
        if (rr >= 1) return Rgba{};
        const Vec3 normal{dx, dy, std::sqrt(1 - rr)};
        const Rgba base = lit(sphere.colour, dot(normal, viewLight));
        const float highlight = std::pow(std::max(dot(normal, halfway), 0.0f), 40.0f);
        return Rgba{base.r + highlight, base.g + highlight, base.b + highlight, base.a};
    });
}

}  // namespace

Vec3 View::Turn(Vec3 p) const { return turnX(turnY(p, yaw), pitch); }

Point View::Project(Vec3 p) const {
    const Vec3 v = Turn(p);
    return {origin.x + v.x * pixelsAcross, origin.y - v.y * pixelsUp};
}

Vec3 View::FloorAt(Point pixel) const {
    // On the floor the turned point is (x, -z' sin pitch, ...) with z' the
    // depth after the yaw alone; undo the tilt, then the yaw.
    const float across = (pixel.x - origin.x) / pixelsAcross;
    const float up = (origin.y - pixel.y) / pixelsUp;
    const float depth = -up / std::sin(pitch);
    return turnY({across, 0, depth}, -yaw);
}

void PaintScene(Canvas& canvas, const View& view, const Scene& scene) {
    const Vec3 light = unit(scene.light);
    paintFloor(canvas, view, scene);
    for (const Cube& cube : scene.cubes) paintShadow(canvas, view, cube.centre, cube.half * 1.4f);
    for (const Sphere& sphere : scene.spheres)
        paintShadow(canvas, view, sphere.centre, sphere.radius * 1.1f);

    std::vector<std::pair<float, std::function<void()>>> bodies;
    for (const Cube& cube : scene.cubes)
        bodies.push_back({view.Turn(cube.centre).z, [&] { paintCube(canvas, view, cube, light); }});
    for (const Sphere& sphere : scene.spheres)
        bodies.push_back({view.Turn(sphere.centre).z,
                          [&] { paintSphere(canvas, view, sphere, light); }});
    std::stable_sort(bodies.begin(), bodies.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& body : bodies) body.second();
}
