#include "physics/newton_model.h"

#include "platform/log.h"
#include "platform/window.h"

#include <GL/gl.h>

#include <memory>

NewtonModel::NewtonModel(NewtonWorld* w, const char* descFile, Vertex position, float m,
                         float scale)
    : NewtonPrimitive(w, m) {
    type = kModelBody;
    log_txt("\nloading a Model: %s", descFile);
    size = newV(scale, scale, scale);
    model.Load(descFile);
    log_txt("*Model succesfully loaded");
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
}

void NewtonModel::draw() {
    glPushMatrix();
    multGLMatrix();
    glScalef(size.x, size.y, size.z);
    model.RenderFrame();
    glPopMatrix();
}
