#include "render/md2.h"

#include "io/file_bytes.h"
#include "io/text_scanner.h"
#include "platform/log.h"

#include <GL/gl.h>

#include <cstdio>

int CMD2Model::Load(const char* descFileName) {
    modelfile_t files;
    if (std::snprintf(files.descFile, sizeof files.descFile, "%s",
                      descFileName ? descFileName : "") < int(sizeof files.descFile))
        Load(&files);
    initList();
    return 1;
}

int CMD2Model::Load(modelfile_t* files) {
    if (!readDescription(files)) return 0;
    init();
    if (!LoadMesh(files->modelFile)) return 0;
    skin = LoadTexture(files->skinFile, true);
    scaleCoords();
    return 1;
}

bool CMD2Model::LoadMesh(const char* md2File) {
    FileBytes bytes = ReadFileBytes(md2File, kMaxModelFile);
    if (!bytes.data) {
        log_txt("could not open model file %s", md2File);
        return false;
    }
    MD2Data mesh;
    damaged = !DecodeMD2(bytes.data.get(), bytes.size, md2File, &mesh);
    if (damaged) return false;
    vertexCount = mesh.vertexCount;
    frameCount = mesh.frameCount;
    frameSize = mesh.frameSize;
    triangleCount = int(mesh.triangles.size());
    coordCount = int(mesh.pixelCoords.size() / 2);
    triangles = std::move(mesh.triangles);
    vertices = std::move(mesh.vertices);
    texCoords.resize(std::size_t(coordCount));
    for (std::size_t k = 0; k < texCoords.size(); ++k)
        texCoords[k] = {float(mesh.pixelCoords[2 * k]), float(mesh.pixelCoords[2 * k + 1])};
    return true;
}

// Reads the three lines; a path that does not fit its buffer stays empty.
bool CMD2Model::readDescription(modelfile_t* files) {
    FileBytes text = ReadFileBytes(files->descFile, kMaxTextFile);
    if (!text.data) {
        log_txt("could not open model description %s", files->descFile);
        return false;
    }
    overblend = ParseModelDescription(text.text(), files);
    return true;
}

bool ParseModelDescription(std::string_view text, modelfile_t* files) {
    TextScanner in(text);
    if (!in.label("MODELFILE:"))
        log_txt("%s: does not begin with the label MODELFILE:", files->descFile);
    else if (!in.name(files->modelFile, sizeof files->modelFile))
        log_txt("%s: no model file name of 1 to 49 characters", files->descFile);
    if (in.label("MODELTEX:") && !in.name(files->skinFile, sizeof files->skinFile))
        log_txt("%s: no skin file name of 1 to 49 characters", files->descFile);
    int flag = 0;
    return in.label("OVERBLEND BLACK?:") && in.integer(&flag) && flag == 1;
}

void CMD2Model::init() {
    vertexCount = triangleCount = coordCount = frameSize = frameCount = 0;
    triangles.clear();
    texCoords.clear();
    vertices.clear();
}

// Coordinates address the skin image as loaded; without a skin they stay in
// pixels rather than become infinite.
void CMD2Model::scaleCoords() {
    const double width = skin.width ? skin.width : 1.0, height = skin.height ? skin.height : 1.0;
    for (md2TexCoord_t& c : texCoords) c = {float(c.s / width), float(c.t / height)};
}

void CMD2Model::initList() {
    listID = glGenLists(1);
    glNewList(listID, GL_COMPILE);
    RenderFrame(0);
    glEndList();
}

int CMD2Model::RenderFrame(int frame) {
    if (frame < 0 || frame >= frameCount || triangleCount == 0) return 0;
    const Vertex* v = vertices.data() + std::size_t(frame) * std::size_t(vertexCount);
    glBindTex(skin, 0);
    glBegin(GL_TRIANGLES);
    for (const md2Triangle_t& t : triangles) {
        CalculateNormal(v[t.vertexIndex[0]], v[t.vertexIndex[2]], v[t.vertexIndex[1]]);
        for (int corner : {0, 2, 1}) {
            const md2TexCoord_t& c = texCoords[t.coordIndex[corner]];
            glTexCoord2f(c.s, c.t);
            glVertexV(v[t.vertexIndex[corner]]);
        }
    }
    glEnd();
    return 0;
}

void CMD2Model::RenderFrame() { glCallList(listID); }

float* CMD2Model::getAllVertices(float sx, float sy, float sz) {
    if (vertexCount == 0 || frameCount == 0) return nullptr;
    float* out = new float[std::size_t(vertexCount) * 3];
    for (int i = 0; i < vertexCount; ++i) {
        const Vertex& v = vertices[std::size_t(i)];
        out[3 * i] = v.x * sx;
        out[3 * i + 1] = v.y * sy;
        out[3 * i + 2] = v.z * sz;
    }
    return out;
}

float* CMD2Model::getAllVertices(float s) { return getAllVertices(s, s, s); }
