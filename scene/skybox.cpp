// The skybox: reading the description, loading the six faces and drawing
// them as six quads. Texture coordinates run from 0.01 to 0.99, which keeps
// linear filtering with the repeat wrap mode from blending in the opposite
// edge of a face.
#include "scene/skybox.h"

#include "io/file_bytes.h"
#include "io/text_scanner.h"
#include "platform/log.h"

#include <GL/gl.h>

#include <cstring>

const char* const Skybox::kLabels[kFaces] = {
    "SKY_UP:", "SKY1:", "SKY2:", "SKY3:", "SKY4:", "SKY_DOWN:"};

namespace {

// Corners of the box by index: x and z 0 = min, 1 = max; y by level.
enum Level { kBottom, kTop, kWallTop };

struct Corner {
    int x;
    Level y;
    int z;
    float s, t;
};

constexpr float lo = 0.01f, hi = 0.99f;

// Per face, in the order of the textures: four corners with their
// coordinates. On the walls t runs from the bottom edge to the wall top.
constexpr Corner kQuads[Skybox::kFaces][4] = {
    {{0, kTop, 1, lo, lo}, {1, kTop, 1, hi, lo}, {1, kTop, 0, hi, hi}, {0, kTop, 0, lo, hi}},
    {{0, kBottom, 1, lo, lo},
     {1, kBottom, 1, hi, lo},
     {1, kWallTop, 1, hi, hi},
     {0, kWallTop, 1, lo, hi}},
    {{1, kBottom, 1, lo, lo},
     {1, kBottom, 0, hi, lo},
     {1, kWallTop, 0, hi, hi},
     {1, kWallTop, 1, lo, hi}},
    {{0, kBottom, 0, hi, lo},
     {1, kBottom, 0, lo, lo},
     {1, kWallTop, 0, lo, hi},
     {0, kWallTop, 0, hi, hi}},
    {{0, kBottom, 1, hi, lo},
     {0, kBottom, 0, lo, lo},
     {0, kWallTop, 0, lo, hi},
     {0, kWallTop, 1, hi, hi}},
    {{0, kBottom, 1, lo, lo},
     {1, kBottom, 1, hi, lo},
     {1, kBottom, 0, hi, hi},
     {0, kBottom, 0, lo, hi}},
};

// Each face's name goes into the record the loader returns.
void loadFace(texture_t* face) {
    char name[sizeof face->name];
    std::memcpy(name, face->name, sizeof name);
    *face = LoadTexture(name, true);
    std::memcpy(face->name, name, sizeof name);
}

}  // namespace

int ParseSkyboxNames(std::string_view text, texture_t (&faces)[Skybox::kFaces]) {
    static_assert(sizeof faces[0].name > Skybox::kMaxName);
    TextScanner in(text);
    for (int i = 0; i < Skybox::kFaces; ++i) {
        if (!in.label(Skybox::kLabels[i])) return i;
        in.name(faces[i].name, Skybox::kMaxName + 1);
    }
    return Skybox::kFaces;
}

Skybox::Skybox(const char* file, int extent, int offset, int heightScale)
    : extent(extent), offset(offset), heightScale(heightScale) {
    log_txt("\nInitializing Skybox, loading textures...");
    FileBytes bytes = ReadFileBytes(file, kMaxTextFile);
    if (!bytes.data) {
        log_txt("Skybox: could not open %s: no sky is drawn", file);
        return;
    }
    const int matched = ParseSkyboxNames(bytes.text(), textures);
    if (matched < kFaces)
        log_txt("Skybox: %s: no %s label where expected: that face and the ones after it are "
                "not drawn",
                file, kLabels[matched]);
    for (int i = 0; i < kFaces; ++i) {
        if (textures[i].name[0]) loadFace(&textures[i]);
        else if (i < matched)
            log_txt("Skybox: %s: no name of 1 to %i characters after %s: that face is not drawn",
                    file, kMaxName, kLabels[i]);
    }
    log_txt("\nSkybox succesfully initialized\n");
}

void Skybox::draw() {
    const float xs[2] = {float(-(extent + offset)), float(extent + 2 * offset)};
    const float ys[3] = {float(-1000 * heightScale), float(1000 * heightScale),
                         float(1005 * heightScale)};
    const float zs[2] = {float(-(extent + 2 * offset)), float(extent + offset)};
    auto face = [&](int i) {
        // Without a texture the quad would show as a plain white wall.
        if (!textures[i].glTexture) return;
        glBindTex(textures[i], 0);
        glBegin(GL_QUADS);
        for (const Corner& c : kQuads[i]) {
            glTexCoordARB(c.s, c.t, 0);
            glVertex3f(xs[c.x], ys[c.y], zs[c.z]);
        }
        glEnd();
    };
    glColor3f(0.95f, 0.95f, 0.95f);
    face(0);
    glColor3f(1, 1, 1);
    for (int i = 1; i < kFaces; ++i) face(i);
}
