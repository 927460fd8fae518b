// The gem model and its skin.
//
// Shape (eightfold, y up): an octagonal table; the crown with 8 star facets
// round the table, 8 kite-shaped bezel facets and 16 upper girdle facets; a
// narrow 16-sided girdle; the pavilion with 16 lower girdle facets and 8
// kite-shaped main facets meeting at the culet point. The star points and the
// pavilion's inner points sit on the planes of the kites, so every kite is
// flat and the solid convex.
//
// Skin (512 x 256): the crown seen from above on the left disc, the pavilion
// seen from below on the right disc (each facet textured where it projects),
// and the girdle unrolled along a strip at the bottom, tiling at s = 512.
#include "tools/gem_model.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

namespace {

using Vec = std::array<float, 3>;

constexpr float kPi = std::numbers::pi_v<float>;
constexpr int kFold = 8;  // table corners, stars, kites, mains
constexpr float kGirdleRadius = 5;
constexpr float kTableRadius = 0.55f * kGirdleRadius;
constexpr float kStarRadius = 0.84f * kGirdleRadius;
constexpr float kPavilionRadius = 0.45f * kGirdleRadius;  // inner points of the mains
constexpr float kTableY = 3.2f;
constexpr float kGirdleTopY = 1.55f;
constexpr float kGirdleBottomY = 1.3f;
constexpr float kCuletY = -3.2f;

constexpr int kSkinWidth = 512;
constexpr int kSkinHeight = 256;
constexpr int kSamples = 4;
constexpr Point kCrownCentre{128, 116};
constexpr Point kPavilionCentre{384, 116};
constexpr float kDiscRadius = 112;      // pixels for kGirdleRadius
constexpr float kGirdleStripTop = 236;  // Canvas rows of the girdle strip
constexpr float kGirdleStripBottom = 252;

constexpr Rgba kDeep{0.32f, 0.02f, 0.08f, 1};
constexpr Rgba kBright{1.0f, 0.42f, 0.52f, 1};
constexpr Rgba kEdge{1.0f, 0.82f, 0.86f, 1};

Vec atAngle(float radius, float angle, float y) {
    return {radius * std::cos(angle), y, radius * std::sin(angle)};
}

float lerp(float a, float b, float t) { return a + (b - a) * t; }

// Vertex indices of the parts of the gem, in the order they are added.
struct Rings {
    int table, star, girdleTop, girdleBottom, pavilion, culet;
};

// Height on the kite through (r0, y0) and (r1, y1), at radius r in the kite's
// mirror plane: the point that keeps the kite flat.
float onKite(float r0, float y0, float r1, float y1, float r) {
    return lerp(y0, y1, (r - r0) / (r1 - r0));
}

Rings addVertices(std::vector<Vec>& v) {
    const float step = 2 * kPi / kFold, half = step / 2, cosHalf = std::cos(half);
    const float starY =
        onKite(kTableRadius, kTableY, kGirdleRadius, kGirdleTopY, kStarRadius * cosHalf);
    const float pavilionY =
        onKite(0, kCuletY, kGirdleRadius, kGirdleBottomY, kPavilionRadius * cosHalf);
    Rings rings{};
    rings.table = static_cast<int>(v.size());
    for (int k = 0; k < kFold; ++k) v.push_back(atAngle(kTableRadius, k * step, kTableY));
    rings.star = static_cast<int>(v.size());
    for (int k = 0; k < kFold; ++k) v.push_back(atAngle(kStarRadius, k * step + half, starY));
    rings.girdleTop = static_cast<int>(v.size());
    for (int j = 0; j < 2 * kFold; ++j) v.push_back(atAngle(kGirdleRadius, j * half, kGirdleTopY));
    rings.girdleBottom = static_cast<int>(v.size());
    for (int j = 0; j < 2 * kFold; ++j)
        v.push_back(atAngle(kGirdleRadius, j * half, kGirdleBottomY));
    rings.pavilion = static_cast<int>(v.size());
    for (int k = 0; k < kFold; ++k)
        v.push_back(atAngle(kPavilionRadius, k * step + half, pavilionY));
    rings.culet = static_cast<int>(v.size());
    v.push_back({0, kCuletY, 0});
    return rings;
}

// Faces as vertex triples, counter-clockwise seen from outside. Angles run
// from x towards z, which is clockwise seen from above: the crown's faces
// take their corners in falling angle, the pavilion's in rising angle.
struct Faces {
    std::vector<std::array<int, 3>> crown, girdle, pavilion;
};

Faces facesOf(const Rings& r) {
    const auto table = [&](int k) { return r.table + (k + kFold) % kFold; };
    const auto star = [&](int k) { return r.star + (k + kFold) % kFold; };
    const auto top = [&](int j) { return r.girdleTop + j % (2 * kFold); };
    const auto bottom = [&](int j) { return r.girdleBottom + j % (2 * kFold); };
    const auto inner = [&](int k) { return r.pavilion + (k + kFold) % kFold; };
    Faces f;
    for (int k = 1; k + 1 < kFold; ++k) f.crown.push_back({table(0), table(k + 1), table(k)});
    for (int k = 0; k < kFold; ++k) {
        f.crown.push_back({table(k), table(k + 1), star(k)});      // star
        f.crown.push_back({table(k), star(k), top(2 * k)});        // kite, right half
        f.crown.push_back({table(k), top(2 * k), star(k - 1)});    // kite, left half
        f.crown.push_back({star(k), top(2 * k + 1), top(2 * k)});  // upper girdle
        f.crown.push_back({star(k), top(2 * k + 2), top(2 * k + 1)});
        f.pavilion.push_back({r.culet, inner(k - 1), bottom(2 * k)});  // main, two halves
        f.pavilion.push_back({r.culet, bottom(2 * k), inner(k)});
        f.pavilion.push_back({inner(k), bottom(2 * k), bottom(2 * k + 1)});  // lower girdle
        f.pavilion.push_back({inner(k), bottom(2 * k + 1), bottom(2 * k + 2)});
    }
    for (int j = 0; j < 2 * kFold; ++j) {
        f.girdle.push_back({top(j), top(j + 1), bottom(j)});
        f.girdle.push_back({bottom(j), top(j + 1), bottom(j + 1)});
    }
    return f;
}

Vec minus(Vec a, Vec b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

Vec unitNormal(const std::vector<Vec>& v, const std::array<int, 3>& face) {
    const Vec e1 = minus(v[face[1]], v[face[0]]), e2 = minus(v[face[2]], v[face[0]]);
    const Vec n{e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                e1[0] * e2[1] - e1[1] * e2[0]};
    const float length = std::hypot(n[0], n[1], n[2]);
    return {n[0] / length, n[1] / length, n[2] / length};
}

// A face's tone, from dark to bright: varies with the direction the facet
// faces, so neighbouring facets differ as in a cut stone catching light.
Rgba toneOf(const Vec& n) {
    const float azimuth = std::atan2(n[2], n[0]);
    const float f = 0.5f + 0.5f * std::sin(3 * azimuth + 2.5f * n[1]);
    return Mix(kDeep, kBright, 0.15f + 0.7f * f * f + 0.15f * std::max(0.0f, n[1]));
}

// One textured face on the skin: its corners on the Canvas, its unit normal
// on the model and the tone that follows from it.
struct SkinFace {
    std::array<Point, 3> corners;
    Vec normal;
    Rgba tone;
};

struct Segment {
    Point a, b;
};

// Whether two faces sharing an edge lie in one plane (one facet).
bool coplanar(const SkinFace& f, const SkinFace& g) {
    const Vec &a = f.normal, &b = g.normal;
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2] > 0.9999f;
}

// A model edge drawn on the skin, and the skin faces that share it.
struct SkinEdge {
    Segment segment;
    std::vector<std::size_t> faces;
};

class GemBuilder {
public:
    GemBuilder() { rings = addVertices(mesh.vertices); }

    ModelAsset Build() {
        const Faces faces = facesOf(rings);
        addProjected(faces.crown, kCrownCentre, 1);
        addProjected(faces.pavilion, kPavilionCentre, -1);
        addGirdle(faces.girdle);
        mesh.skinWidth = kSkinWidth;
        mesh.skinHeight = kSkinHeight;
        mesh.frameName = "gem";
        return {std::move(mesh), paint()};
    }

private:
    // Faces textured where their vertices project onto a disc, seen from
    // above (flip 1) or below (flip -1) so that neither disc is mirrored.
    void addProjected(const std::vector<std::array<int, 3>>& faces, Point centre, int flip) {
        std::map<int, std::uint16_t> coordOf;  // vertex -> coordinate, shared by the faces
        for (const auto& face : faces) {
            std::array<Corner, 3> corners;
            for (int i = 0; i < 3; ++i) {
                const Vec& p = mesh.vertices[face[i]];
                const Point at{centre.x + flip * p[0] * kDiscRadius / kGirdleRadius,
                               centre.y + p[2] * kDiscRadius / kGirdleRadius};
                const auto [it, added] = coordOf.try_emplace(face[i], mesh.coords.size());
                if (added) mesh.coords.push_back(SkinCoord(at, kSkinHeight));
                corners[i] = {static_cast<std::uint16_t>(face[i]), it->second};
            }
            addFace(face, corners, true);
        }
    }

    // The girdle band along the strip: girdle vertex j at s = 32 j, the seam
    // repeated at s = 512.
    void addGirdle(const std::vector<std::array<int, 3>>& faces) {
        const int first = static_cast<int>(mesh.coords.size()), columns = 2 * kFold + 1;
        for (float y : {kGirdleStripTop, kGirdleStripBottom})
            for (int j = 0; j < columns; ++j)
                mesh.coords.push_back(
                    SkinCoord({static_cast<float>(kSkinWidth * j / (2 * kFold)), y}, kSkinHeight));
        for (std::size_t n = 0; n < faces.size(); ++n) {
            const int column = static_cast<int>(n / 2);  // two faces per girdle quad
            std::array<Corner, 3> corners;
            for (int i = 0; i < 3; ++i) {
                const int vertex = faces[n][i];
                const bool isTop = vertex < rings.girdleBottom;
                const int j = vertex - (isTop ? rings.girdleTop : rings.girdleBottom);
                const int c = (j == 0 && column > 0 ? columns - 1 : j) + (isTop ? 0 : columns);
                corners[i] = {static_cast<std::uint16_t>(vertex),
                              static_cast<std::uint16_t>(first + c)};
            }
            addFace(faces[n], corners, false);
        }
    }

    void addFace(const std::array<int, 3>& face, const std::array<Corner, 3>& c, bool onDisc) {
        AddFace(mesh, c[0], c[1], c[2]);
        if (!onDisc) return;
        const Vec normal = unitNormal(mesh.vertices, face);
        SkinFace painted{{}, normal, toneOf(normal)};
        for (int i = 0; i < 3; ++i)
            painted.corners[i] = SkinPoint(mesh.coords[c[i].coord], kSkinHeight);
        skinFaces.push_back(painted);
        for (int i = 0; i < 3; ++i) {
            SkinEdge& edge = edges[std::minmax(face[i], face[(i + 1) % 3])];
            edge.segment = {painted.corners[i], painted.corners[(i + 1) % 3]};
            edge.faces.push_back(skinFaces.size() - 1);
        }
    }

    // Edges between faces that do not lie in one plane: the facet outlines.
    std::vector<Segment> facetEdges() const {
        std::vector<Segment> out;
        for (const auto& [vertices, edge] : edges) {
            const auto& f = edge.faces;
            if (f.size() < 2 || !coplanar(skinFaces[f[0]], skinFaces[f[1]]))
                out.push_back(edge.segment);
        }
        return out;
    }

    Image paint() const;

    Md2Model mesh;
    Rings rings;
    std::vector<SkinFace> skinFaces;                // the crown's and the pavilion's
    std::map<std::pair<int, int>, SkinEdge> edges;  // by vertex pair, lower index first
};

// Whether p lies in the face; the bounding box test first keeps painting fast.
bool inside(const SkinFace& face, Point p) {
    const auto& c = face.corners;
    const auto [minX, maxX] = std::minmax({c[0].x, c[1].x, c[2].x});
    const auto [minY, maxY] = std::minmax({c[0].y, c[1].y, c[2].y});
    if (p.x < minX || p.x > maxX || p.y < minY || p.y > maxY) return false;
    return InsideConvex({c.begin(), c.end()}, p);
}

float distanceTo(const Segment& s, Point p) {
    const float dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
    const float t =
        std::clamp(((p.x - s.a.x) * dx + (p.y - s.a.y) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
    return std::hypot(p.x - s.a.x - t * dx, p.y - s.a.y - t * dy);
}

// A mid tone everywhere (what filtering pulls in round the regions), the
// girdle strip, the facets, then their outlines.
Image GemBuilder::paint() const {
    Canvas canvas(kSkinWidth, kSkinHeight, kSamples);
    canvas.Paint([](float, float y) {
        const bool strip = y > kGirdleStripTop - 6 && y < kGirdleStripBottom + 2;
        return strip ? Mix(kBright, kEdge, 0.4f) : Mix(kDeep, kBright, 0.4f);
    });
    canvas.Paint([this](float x, float y) {
        for (const SkinFace& face : skinFaces)
            if (inside(face, {x, y})) return face.tone;
        return Rgba{};
    });
    const std::vector<Segment> outlines = facetEdges();
    canvas.Paint([&outlines](float x, float y) {
        constexpr float kHalfWidth = 0.9f;
        float nearest = kHalfWidth + 1;
        for (const Segment& s : outlines) {
            if (std::min(s.a.x, s.b.x) - 2 > x || std::max(s.a.x, s.b.x) + 2 < x) continue;
            nearest = std::min(nearest, distanceTo(s, {x, y}));
        }
        Rgba edge = kEdge;
        edge.a = 1 - Smoothstep(kHalfWidth - 0.5f, kHalfWidth + 0.5f, nearest);
        return edge;
    });
    return canvas.Resolve(3);
}

}  // namespace

ModelAsset BuildGem() { return GemBuilder().Build(); }
