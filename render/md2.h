// A static MD2 mesh with its skin: loaded from a model description file,
// frame 0 compiled into a display list and drawn with one call; frame 0's
// vertices can be handed out for a collision hull.
//
// Description file, three lines:
//   MODELFILE: data/models/x.md2
//   MODELTEX: data/models/x.bmp
//   OVERBLEND BLACK?: 0
#pragma once

#include "render/md2_decode.h"
#include "render/texture.h"
#include "render/vector_math.h"

#include <string_view>
#include <vector>

struct modelfile_t {
    char modelFile[50] = {};
    char skinFile[50] = {};
    char descFile[256] = {};
};

// Fills modelFile and skinFile from description text (a missing MODELFILE:
// label, or a name that does not fit its buffer, is logged and the name left
// empty); returns the overblend flag.
bool ParseModelDescription(std::string_view text, modelfile_t* files);

class CMD2Model {
public:
    // Loads the model named by the description file (an empty model when it
    // cannot be loaded) and builds its display list; returns 1.
    int Load(const char* descFileName);
    // Reads the description and the MD2 file and loads the skin; 1 on
    // success, 0 when a file cannot be opened or the model is malformed.
    int Load(modelfile_t* files);
    // Reads and decodes the MD2 file alone, without the skin: texture
    // coordinates stay in skin pixels. False when it cannot be read or is malformed.
    bool LoadMesh(const char* md2File);
    void init();
    void initList();
    // Draws the frame in immediate mode; a frame the model lacks draws nothing.
    int RenderFrame(int frame);
    void RenderFrame();  // calls the display list
    // Frame 0's vertices scaled, as vertexCount * 3 floats the caller frees
    // with delete[]; null for an empty model.
    float* getAllVertices(float sx, float sy, float sz);
    float* getAllVertices(float s);

    int vertexCount = 0;
    int triangleCount = 0;
    int coordCount = 0;
    int frameSize = 0;
    std::vector<md2Triangle_t> triangles;
    std::vector<md2TexCoord_t> texCoords;  // divided by the loaded skin's size
    std::vector<Vertex> vertices;          // frame f, vertex i at f * vertexCount + i
    texture_t skin;
    unsigned listID = 0;
    bool overblend = false;
    int frameCount = 0;
    bool damaged = false;  // the MD2 file was read and refused as malformed

private:
    bool readDescription(modelfile_t* files);
    void scaleCoords();
};
