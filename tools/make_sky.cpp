// make_sky: renders the six skybox faces of the demo, 512 x 512 24-bit TGA
// files (so no colour is keyed out), and their description file:
//   up.tga side1.tga side2.tga side3.tga side4.tga down.tga sky.txt
// Each texel is the world's colour (tools/make_sky_dome.h) seen from the
// scene's origin through the point of the box the texel is drawn at, so the
// faces meet without seams and the horizon lies at the origin's height.
//
// The box and its texture coordinates are those the demo draws: the scene
// builds its skybox with extent 3000, offset 2000 and height scale 4, and
// each face spans texture coordinates 0.01 to 0.99. The description file
// names the faces as <folder>/<file>, so run the tool from the folder the
// demo starts in, with the folder given relative to it (scripts/assets.sh
// passes data/sky).
//
// Usage: make_sky <folder>
#include "tools/canvas.h"
#include "tools/image_write.h"
#include "tools/make_sky_dome.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 512;
constexpr int kSamples = 2;    // per side of each texel
constexpr int kMaxPath = 50;   // the demo reads each face name into 50 characters
constexpr float kLow = 0.01f;  // the texture coordinates of a face's edges
constexpr float kHigh = 0.99f;
// The demo tints the top face with this grey and draws the walls white; the
// top texture is brightened by its inverse so the two meet in one colour.
constexpr float kTopTint = 0.95f;

constexpr int kExtent = 3000, kOffset = 2000, kHeightScale = 4;
constexpr float x0 = -(kExtent + kOffset), x1 = kExtent + 2 * kOffset;
constexpr float z0 = -(kExtent + 2 * kOffset), z1 = kExtent + kOffset;
constexpr float yb = -1000 * kHeightScale, yt = 1000 * kHeightScale, yw = 1005 * kHeightScale;

// Where a face's texture coordinates (kLow, kLow) lie, and how far the box
// goes from there while s or t grows to kHigh.
struct Face {
    const char* label;
    const char* file;
    Direction origin, sSpan, tSpan;
    float gain = 1;
};

const Face kFaces[] = {
    {"SKY_UP:", "up.tga", {x0, yt, z1}, {x1 - x0, 0, 0}, {0, 0, z0 - z1}, 1 / kTopTint},
    {"SKY1:", "side1.tga", {x0, yb, z1}, {x1 - x0, 0, 0}, {0, yw - yb, 0}},
    {"SKY2:", "side2.tga", {x1, yb, z1}, {0, 0, z0 - z1}, {0, yw - yb, 0}},
    {"SKY3:", "side3.tga", {x1, yb, z0}, {x0 - x1, 0, 0}, {0, yw - yb, 0}},
    {"SKY4:", "side4.tga", {x0, yb, z0}, {0, 0, z1 - z0}, {0, yw - yb, 0}},
    {"SKY_DOWN:", "down.tga", {x0, yb, z1}, {x1 - x0, 0, 0}, {0, 0, z0 - z1}},
};

float length(Direction d) { return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z); }

// Bright values are eased below kTopTint, so that no texel of the brightened
// top face clips.
float eased(float value) {
    constexpr float knee = 0.85f, room = kTopTint - knee;
    return value < knee ? value : knee + room * std::tanh((value - knee) / room);
}

// Canvas positions run down from the top row, which is the top of the
// texture (t = 1): the writers store the bottom row first.
Image renderFace(const Face& face) {
    const float texel = std::max(length(face.sSpan), length(face.tSpan)) / (kHigh - kLow) / kSize;
    Canvas canvas(kSize, kSize, kSamples);
    canvas.Paint([&](float x, float y) {
        const float u = (x / kSize - kLow) / (kHigh - kLow);
        const float v = (1 - y / kSize - kLow) / (kHigh - kLow);
        const Direction at{face.origin.x + u * face.sSpan.x + v * face.tSpan.x,
                           face.origin.y + u * face.sSpan.y + v * face.tSpan.y,
                           face.origin.z + u * face.sSpan.z + v * face.tSpan.z};
        const Rgba c = SkyColour(at, texel / length(at));
        return Rgba{eased(c.r) * face.gain, eased(c.g) * face.gain, eased(c.b) * face.gain, 1};
    });
    return canvas.Resolve(3);
}

bool writeSky(const std::string& folder) {
    std::string description;
    for (const Face& face : kFaces) {
        const std::string path = folder + "/" + face.file;
        if (path.size() > kMaxPath) {
            std::fprintf(stderr, "make_sky: path longer than %i characters: %s\n", kMaxPath,
                         path.c_str());
            return false;
        }
        if (!WriteFile(path, EncodeTga(renderFace(face)))) return false;
        description += std::string(face.label) + " " + path + "\n";
    }
    return WriteFile(folder + "/sky.txt", {description.begin(), description.end()});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sky <folder>\n");
        return 2;
    }
    return writeSky(argv[1]) ? 0 : 1;
}
