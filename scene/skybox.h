// The skybox: a large textured box around the scene, fixed in the world and
// drawn with the scene's own model-view matrix. Its six face textures are
// named in a small description file:
//
//   SKY_UP: data/sky/up.tga
//   SKY1: data/sky/side1.tga
//   SKY2: data/sky/side2.tga
//   SKY3: data/sky/side3.tga
//   SKY4: data/sky/side4.tga
//   SKY_DOWN: data/sky/down.tga
//
// Labels match literally and in this order; any run of whitespace separates
// the parts. A face whose name is missing, or whose texture did not load, is
// not drawn.
#pragma once

#include "render/texture.h"

#include <string_view>

class Skybox {
public:
    static constexpr int kFaces = 6;
    static constexpr int kMaxName = 50;  // characters of a face's file name
    static const char* const kLabels[kFaces];

    // Empty: all sizes 0, no textures; draws nothing.
    Skybox() = default;
    // Reads the description file and loads the faces with mipmapped linear
    // filtering; needs a current GL context for the textures. The box spans
    // x from -(extent + offset) to extent + 2 offset, z from
    // -(extent + 2 offset) to extent + offset, y from -1000 heightScale to
    // 1000 heightScale at the top face and 1005 heightScale at the wall tops.
    Skybox(const char* file, int extent, int offset, int heightScale);

    // The six faces, top first; leaves the current colour white.
    void draw();

    texture_t textures[kFaces] = {};  // up, side 1, side 2, side 3, side 4, down
    int extent = 0;
    int offset = 0;
    int heightScale = 0;
};

// The scene's skybox, empty until the scene is set up; defined in app/main.cpp.
extern Skybox sky;

// Puts the face names of a description text into the faces' name fields, in
// the order of kLabels. Reading stops at the first label that does not
// match; a name longer than kMaxName is skipped. Faces without a name keep an
// empty one. Returns the number of labels matched.
int ParseSkyboxNames(std::string_view text, texture_t (&faces)[Skybox::kFaces]);
