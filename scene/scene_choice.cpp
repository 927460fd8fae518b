#include "scene/scene_choice.h"

#include "platform/log.h"
#include "play/play_tools.h"
#include "scene/camera.h"
#include "scene/setup.h"

#include <memory>

namespace {

int shown = 0;
NewtonWorld* demoWorld = nullptr;  // the demo's own world while a classic scene is shown
std::unique_ptr<ClassicScene> classic;

// The grab's joint, the thrown balls and the spawned bodies: the tools' own, in the shown world.
void clearToolBodies() {
    tools.grab.release();
    tools.balls.clear();
    tools.spawned.clear();
}

}  // namespace

int ShownScene() { return shown; }

const ClassicScene* ShownClassicScene() { return classic.get(); }

void DropClassicScene() {
    if (!classic) return;
    clearToolBodies();  // before their world goes
    classic.reset();
    nWorld = demoWorld;
    shown = 0;
}

void ShowScene(int index) {
    clearToolBodies();
    if (!classic) demoWorld = nWorld;
    DropClassicScene();
    if (index > 0 && index < kSceneCount) {
        classic = std::make_unique<ClassicScene>(ClassicSceneTable(index));
        nWorld = classic->world();
        shown = index;
    } else {
        tools.start.restore();
    }
    cam.toStartPose();
}
