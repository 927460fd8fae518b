#include "scene/setup.h"

#include "app/log.h"
#include "platform/newton.h"
#include "platform/window.h"

#include <GL/gl.h>

NewtonWorld* nWorld = nullptr;

// For now the set-up makes the world, the clear colour and the mouse start
// point; the bodies, light, shader, font, music and skybox join it as they land.
int InitGL() {
    log_txt("Initializing Newton Game Dynamics");
    nWorld = NewtonCreate(nullptr, nullptr);
    glClearColor(0.4f, 0.4f, 1.0f, 1.0f);
    log_txt("\n***********************************************\n"
            "Initialisation finished successfully\n"
            "***********************************************\n");
    plat::SetCursorPos(200, 200);
    return 1;
}
