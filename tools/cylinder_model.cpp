// The cylinder model and its skin.
//
// Skin (256 x 256): the side is unrolled over the top half, s running once
// round the circumference (so the side tiles seamlessly at s = 256), x = -0.5
// at t = 136 and x = 0.5 at t = 248. The caps are discs of radius 56 in the
// bottom half, -x on the left, +x on the right. Every region is painted 8
// pixels beyond the coordinates that use it, so that filtering and mipmaps
// do not pull in a neighbouring region's colours.
#include "tools/cylinder_model.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kSegments = 32;
constexpr int kSkinSize = 256;
constexpr int kSamples = 4;
constexpr float kRadius = 0.5f;
constexpr float kHalfLength = 0.5f;
constexpr int kSideLowT = 136;   // t of the x = -0.5 edge of the side
constexpr int kSideHighT = 248;  // t of the x = 0.5 edge
constexpr int kStripes = 8;
constexpr float kCapRadius = 56;  // pixels
constexpr float kCapCentreT = 64;
constexpr float kPi = std::numbers::pi_v<float>;

constexpr Rgba kCream{0.96f, 0.92f, 0.8f, 1};
constexpr Rgba kBlue{0.15f, 0.3f, 0.75f, 1};
constexpr Rgba kRed{0.85f, 0.1f, 0.12f, 1};
constexpr Rgba kTeal{0.1f, 0.6f, 0.55f, 1};
constexpr Rgba kOrange{0.98f, 0.58f, 0.12f, 1};
constexpr Rgba kNavy{0.1f, 0.16f, 0.42f, 1};

float angleOf(int segment) { return 2 * kPi * segment / kSegments; }

// A cap as seen from outside it: side -1 for the cap at x = -0.5, 1 for x = 0.5.
struct Cap {
    int side;
    Point centre;  // Canvas position of the disc centre
    Rgba base;
    Rgba spokes;

    // Canvas direction of cylinder angle theta on the disc. Looking at the
    // cap from outside, y is up and z is to the right at x = -0.5, to the
    // left at x = 0.5, so neither disc is mirrored.
    Point direction(float theta) const { return {-side * std::sin(theta), -std::cos(theta)}; }
};

const Cap kCaps[2] = {
    {-1, {64, kSkinSize - kCapCentreT}, kTeal, kCream},
    {1, {192, kSkinSize - kCapCentreT}, kOrange, kNavy},
};

// Stripe k covers cylinder angles [k, k + 1) * 2 pi / kStripes; stripe 0 is
// the marker, and the caps' marker spoke points at its middle.
float markerAngle() { return kPi / kStripes; }

void buildMesh(Md2Model& mesh) {
    // Vertices: ring at x = -0.5, ring at x = 0.5, then the two cap centres.
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < kSegments; ++i)
            mesh.vertices.push_back({side ? kHalfLength : -kHalfLength,
                                     kRadius * std::cos(angleOf(i)),
                                     kRadius * std::sin(angleOf(i))});
    mesh.vertices.push_back({-kHalfLength, 0, 0});
    mesh.vertices.push_back({kHalfLength, 0, 0});

    // Coordinates: the side's two edges (kSegments + 1 each, the seam twice),
    // then each cap's rim and centre.
    for (int t : {kSideLowT, kSideHighT})
        for (int i = 0; i <= kSegments; ++i)
            mesh.coords.push_back({static_cast<std::int16_t>(kSkinSize * i / kSegments),
                                   static_cast<std::int16_t>(t)});
    for (const Cap& cap : kCaps) {
        for (int i = 0; i < kSegments; ++i) {
            const Point d = cap.direction(angleOf(i));
            mesh.coords.push_back(SkinCoord(
                {cap.centre.x + kCapRadius * d.x, cap.centre.y + kCapRadius * d.y}, kSkinSize));
        }
        mesh.coords.push_back(SkinCoord(cap.centre, kSkinSize));
    }
}

// Faces, counter-clockwise from outside: the side's quads as two triangles
// each, then a fan round each cap centre.
void buildFaces(Md2Model& mesh) {
    const auto u16 = [](int i) { return static_cast<std::uint16_t>(i); };
    const int highRing = kSegments, capCoords = 2 * (kSegments + 1);
    for (int i = 0; i < kSegments; ++i) {
        const int next = (i + 1) % kSegments;
        const Corner low{u16(i), u16(i)}, lowNext{u16(next), u16(i + 1)};
        const Corner high{u16(highRing + i), u16(kSegments + 1 + i)};
        const Corner highNext{u16(highRing + next), u16(kSegments + 2 + i)};
        AddFace(mesh, low, lowNext, high);
        AddFace(mesh, high, lowNext, highNext);
    }
    for (int side = 0; side < 2; ++side) {
        const int ring = side * kSegments, coords = capCoords + side * (kSegments + 1);
        const Corner centre{u16(2 * kSegments + side), u16(coords + kSegments)};
        for (int i = 0; i < kSegments; ++i) {
            const int next = (i + 1) % kSegments;
            const Corner rim{u16(ring + i), u16(coords + i)};
            const Corner rimNext{u16(ring + next), u16(coords + next)};
            // Angles increase anticlockwise seen from +x.
            if (side) AddFace(mesh, centre, rim, rimNext);
            else AddFace(mesh, centre, rimNext, rim);
        }
    }
}

// The side: stripes across s, and bands in the caps' colours at both ends.
Rgba sideColour(float x, float y) {
    constexpr float kBand = 14;  // pixels of the side's 112-pixel length
    if (y > kSkinSize - kSideLowT - kBand) return kTeal;
    if (y < kSkinSize - kSideHighT + kBand) return kOrange;
    const int stripe = static_cast<int>(x / (kSkinSize / kStripes));
    if (stripe == 0) return kRed;
    return stripe % 2 ? kBlue : kCream;
}

// A cap: four spokes (the marker one red) from a hub to a rim ring.
Rgba capColour(const Cap& cap, float x, float y) {
    constexpr float kHub = 9, kRimInner = 44, kRimOuter = 50, kSpokeHalfWidth = 4.5f;
    const float dx = x - cap.centre.x, dy = y - cap.centre.y;
    const float r = std::hypot(dx, dy);
    if (r > kRimOuter) return cap.base;
    if (r > kRimInner || r < kHub) return kCream;
    for (int k = 0; k < 4; ++k) {
        const Point d = cap.direction(markerAngle() + k * kPi / 2);
        const float along = dx * d.x + dy * d.y, across = dx * d.y - dy * d.x;
        if (along > 0 && std::abs(across) < kSpokeHalfWidth) return k == 0 ? kRed : cap.spokes;
    }
    return cap.base;
}

Image paintSkin() {
    Canvas canvas(kSkinSize, kSkinSize, kSamples);
    canvas.Paint([](float x, float y) {
        if (y < kSkinSize / 2) return sideColour(x, y);
        return capColour(kCaps[x < kSkinSize / 2 ? 0 : 1], x, y);
    });
    return canvas.Resolve(3);
}

}  // namespace

ModelAsset BuildCylinder() {
    ModelAsset asset{{}, paintSkin()};
    asset.mesh.skinWidth = asset.mesh.skinHeight = kSkinSize;
    asset.mesh.frameName = "cylinder";
    buildMesh(asset.mesh);
    buildFaces(asset.mesh);
    return asset;
}
