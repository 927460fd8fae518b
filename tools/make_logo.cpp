// make_logo: renders the launcher's logo texture, a 512 x 256 32-bit TGA with
// alpha: "3D-Varne" above a small scene of stacked cubes, a sphere and a cube
// falling onto it, on a fading floor grid, over a soft blue glow.
//
// The launcher draws the texture on a quad 6 units wide and 4 high that fades
// from transparent and dark at its left edge to opaque light grey at its
// right; its window shows the quad only up to about 5.3 units across, and the
// menu text covers the left fifth. So the picture is laid out in quad units
// (u across, v up) and kept to the right. The 2:1 image is stretched to the
// 3:2 quad, so shapes and glyphs are drawn 4/3 wider in pixels than high.
//
// With --icon it renders the program's icon instead: the same scene, without
// the title (unreadable at 48 px), on a rounded dark-blue tile of size x size
// pixels with undistorted shapes.
//
// Usage: make_logo <output.tga> [font.ttf] | make_logo --icon <size> <output.tga>
#include "tools/canvas.h"
#include "tools/font_face.h"
#include "tools/image_write.h"
#include "tools/logo_scene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* kDefaultFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr int kWidth = 512;
constexpr int kHeight = 256;
constexpr int kSamples = 4;  // per side of each pixel
constexpr float kQuadHeight = 4;
constexpr float kPixelsPerU = kWidth / 6.0f;  // the quad is 6 units wide
constexpr float kPixelsPerV = kHeight / kQuadHeight;

constexpr char kTitle[] = "3D-Varne";
constexpr float kTitleRight = 5.15f;    // u of the title's right end
constexpr float kTitleBaseline = 2.5f;  // v
constexpr float kTitleEm = 0.72f;       // quad units
constexpr float kTitleCap = 0.73f;      // cap height of the face, in ems

Point toPixels(float u, float v) { return {u * kPixelsPerU, (kQuadHeight - v) * kPixelsPerV}; }
float vOf(float y) { return kQuadHeight - y / kPixelsPerV; }
float radians(float degrees) { return degrees * std::numbers::pi_v<float> / 180; }

// Coverage 0-1 of the title at sample resolution, right-aligned to
// kTitleRight on kTitleBaseline.
class TitleMask {
public:
    explicit TitleMask(const char* fontPath)
        : columns(kWidth * kSamples), coverage(columns * kHeight * kSamples) {
        const FontFace face(fontPath, std::lround(kTitleEm * kPixelsPerU * kSamples),
                            std::lround(kTitleEm * kPixelsPerV * kSamples));
        // Lay the glyphs out from pen position 0, then move the line to the right.
        std::vector<std::pair<int, GlyphBitmap>> line;
        int pen = 0;
        for (const char* c = kTitle; *c; ++c) {
            GlyphBitmap glyph = face.Render(*c, false);
            const int left = pen + glyph.left;
            pen += glyph.advance + (c[1] ? face.Kerning(c[0], c[1]) : 0);
            line.emplace_back(left, std::move(glyph));
        }
        const Point end = toPixels(kTitleRight, kTitleBaseline);
        const int start = std::lround(end.x * kSamples) - pen;
        const int baseline = std::lround(end.y * kSamples);
        for (const auto& [left, glyph] : line) stamp(glyph, start + left, baseline - glyph.top);
    }

    float at(float x, float y) const {
        return coverage[static_cast<std::size_t>(y * kSamples) * columns +
                        static_cast<std::size_t>(x * kSamples)];
    }

private:
    // Parts of the glyph outside the image are dropped.
    void stamp(const GlyphBitmap& glyph, int left, int top) {
        const int rows = static_cast<int>(coverage.size() / columns);
        for (int y = std::max(0, -top); y < glyph.rows && top + y < rows; ++y)
            for (int x = std::max(0, -left); x < glyph.width && left + x < int(columns); ++x)
                coverage[static_cast<std::size_t>(top + y) * columns + left + x] =
                    glyph.at(x, y) / 255.0f;
    }

    std::size_t columns;
    std::vector<float> coverage;
};

Scene bodies() {
    Scene scene;
    const Rgba orange{1.0f, 0.6f, 0.15f, 1}, teal{0.2f, 0.85f, 0.9f, 1}, red{1.0f, 0.3f, 0.25f, 1};
    scene.cubes = {
        {{-0.75f, 0.3f, 0.1f}, 0.3f, radians(0), 0, orange},
        {{-0.12f, 0.3f, -0.05f}, 0.3f, radians(12), 0, teal},
        {{-0.43f, 0.9f, 0.02f}, 0.3f, radians(28), 0, red},
        {{0.75f, 1.45f, -0.05f}, 0.2f, radians(35), radians(30), {1.0f, 0.92f, 0.3f, 1}},
    };
    scene.spheres = {{{0.75f, 0.38f, 0.15f}, 0.38f, {0.45f, 0.62f, 1.0f, 1}}};
    scene.floorRadius = 1.9f;
    scene.floorColour = {0.08f, 0.2f, 0.5f, 0.6f};
    scene.gridColour = {0.45f, 0.9f, 1.0f, 1};
    scene.light = {-0.5f, 1.0f, 0.7f};
    return scene;
}

View view() {
    View v;
    v.yaw = radians(-25);
    v.pitch = radians(24);
    v.origin = toPixels(3.85f, 0.95f);
    v.pixelsAcross = kPixelsPerU;
    v.pixelsUp = kPixelsPerV;
    return v;
}

void paintTitle(Canvas& canvas, const TitleMask& mask) {
    const Rgba top{1, 1, 1, 1}, bottom{1.0f, 0.75f, 0.2f, 1};
    const float cap = kTitleEm * kTitleCap;
    canvas.Paint([&](float x, float y) {
        Rgba colour = Mix(bottom, top, Smoothstep(kTitleBaseline, kTitleBaseline + cap, vOf(y)));
        colour.a = mask.at(x, y);
        return colour;
    });
}

// A soft blue glow behind the picture, so that it reads as one panel.
void paintGlow(Canvas& canvas) {
    canvas.Paint([](float x, float y) {
        const float du = (x / kPixelsPerU - 3.5f) / 2.2f, dv = (vOf(y) - 2.0f) / 1.9f;
        return Rgba{0.1f, 0.2f, 0.5f, 0.5f * (1 - Smoothstep(0.0f, 1.0f, std::hypot(du, dv)))};
    });
}

// The icon's tile: rounded corners of a fifth of its side, light at the top.
void paintTile(Canvas& canvas, float size) {
    canvas.Paint([size](float x, float y) {
        const float radius = size / 5, half = size / 2;
        const float dx = std::max(std::abs(x - half) - (half - radius), 0.0f);
        const float dy = std::max(std::abs(y - half) - (half - radius), 0.0f);
        Rgba colour = Mix(Rgba{0.16f, 0.3f, 0.62f, 1}, Rgba{0.03f, 0.06f, 0.18f, 1}, y / size);
        colour.a = std::hypot(dx, dy) <= radius ? 1.0f : 0.0f;
        return colour;
    });
}

Image renderIcon(int size) {
    Canvas canvas(size, size, kSamples);
    paintTile(canvas, float(size));
    View v = view();
    v.origin = {size * 0.5f, size * 0.66f};
    v.pixelsAcross = v.pixelsUp = size / 3.4f;
    PaintScene(canvas, v, bodies());
    return canvas.Resolve(4);
}

Image renderLogo(const char* fontPath) {
    Canvas canvas(kWidth, kHeight, kSamples);
    paintGlow(canvas);
    PaintScene(canvas, view(), bodies());
    paintTitle(canvas, TitleMask(fontPath));
    return canvas.Resolve(4);
}

}  // namespace

int main(int argc, char** argv) {
    const bool icon = argc == 4 && std::string(argv[1]) == "--icon";
    const int size = icon ? std::atoi(argv[2]) : 0;
    if ((!icon && (argc < 2 || argc > 3)) || (icon && (size < 16 || size > 1024))) {
        std::fprintf(stderr, "usage: make_logo <output.tga> [font.ttf]\n"
                             "       make_logo --icon <size 16-1024> <output.tga>\n");
        return 2;
    }
    try {
        const Image image =
            icon ? renderIcon(size) : renderLogo(argc == 3 ? argv[2] : kDefaultFont);
        return WriteFile(icon ? argv[3] : argv[1], EncodeTga(image)) ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_logo: %s\n", error.what());
        return 1;
    }
}
