#include "play/debug_view.h"

#include <GL/gl.h>

#include <vector>

namespace {

constexpr float kNormalLength = 2.0f;  // units of the line drawn along a contact normal

struct ColouredVertex {
    float colour[3];
    float at[3];
};

struct DebugLines {
    std::vector<ColouredVertex> lines;  // two vertices a line
    std::vector<ColouredVertex> points;
};

void put(std::vector<ColouredVertex>& to, const float* at, const float* colour) {
    to.push_back({{colour[0], colour[1], colour[2]}, {at[0], at[1], at[2]}});
}

void addLine(const float* from, const float* to, const float* colour, void* user) {
    auto& lines = static_cast<DebugLines*>(user)->lines;
    put(lines, from, colour);
    put(lines, to, colour);
}

void addPoint(const float* at, const float* normal, const float* colour, void* user) {
    const float tip[3] = {at[0] + normal[0] * kNormalLength, at[1] + normal[1] * kNormalLength,
                          at[2] + normal[2] * kNormalLength};
    addLine(at, tip, colour, user);
    put(static_cast<DebugLines*>(user)->points, at, colour);
}

void drawArray(GLenum mode, const std::vector<ColouredVertex>& vertices) {
    if (vertices.empty()) return;
    glColorPointer(3, GL_FLOAT, sizeof(ColouredVertex), vertices[0].colour);
    glVertexPointer(3, GL_FLOAT, sizeof(ColouredVertex), vertices[0].at);
    glDrawArrays(mode, 0, GLsizei(vertices.size()));
}

}  // namespace

void DrawDebugView(const NewtonWorld* world, int parts) {
    DebugLines debug;
    NewtonWorldDebugDraw(world, addLine, addPoint, &debug, parts);
    glPushAttrib(GL_ENABLE_BIT | GL_POINT_BIT | GL_CURRENT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glPointSize(5);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    drawArray(GL_LINES, debug.lines);
    drawArray(GL_POINTS, debug.points);
    glPopClientAttrib();
    glPopAttrib();
}
