#include "physics/newton_model.h"

#include "platform/log.h"
#include "platform/window.h"

#include <GL/gl.h>

#include <algorithm>
#include <memory>

NewtonModel::NewtonModel(NewtonWorld* w, const char* descFile, Vertex position, float m,
                         float scale)
    : NewtonPrimitive(w, m) {
    type = kModelBody;
    log_txt("\nloading a Model: %s", descFile);
    size = newV(scale, scale, scale);
    model.Load(descFile);
    if (!model.damaged) log_txt("*Model succesfully loaded");  // its refusal was said instead
    std::unique_ptr<float[]> points(model.getAllVertices(scale));
    log_txt("*loading Vertices for Collision character");
    if (!points) {
        log_msg("couldn't get Vertices from Model,\rProgram will now close!");
        plat::PostQuitMessage(0);
        return;
    }
    log_txt("Number of loaded Vertices:\t%i, Size:%i", model.vertexCount, 4);
    collision = NewtonCreateConvexHull(world, model.vertexCount, points.get(), 12, nullptr);
    log_txt("*Collision character created!");
    setPosition0(position);
    initBody(true);
    placeBounds(points.get(), position);
}

void NewtonModel::placeBounds(const float* points, Vertex position) {
    low = high = newV(points[0], points[1], points[2]);
    for (int i = 1; i < model.vertexCount; ++i) {
        const Vertex p = newV(points[3 * i], points[3 * i + 1], points[3 * i + 2]);
        low = newV(std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z));
        high = newV(std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z));
    }
    low = add(low, position);
    high = add(high, position);
}

void NewtonModel::draw() {
    glPushMatrix();
    multGLMatrix();
    glScalef(size.x, size.y, size.z);
    model.RenderFrame();
    glPopMatrix();
}
