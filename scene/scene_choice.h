// Which scene the run shows: the demo's own, whose world InitGL builds once,
// or one of the classic scenes (physics/classic_scene.h), built afresh in a
// world of its own each time it is chosen. nWorld is the shown scene's world,
// so every tool works in whichever is shown.
#pragma once

#include "physics/classic_scene.h"

// The shown scene's number in kSceneNames; 0, the demo's own, at the start.
int ShownScene();
// The classic scene shown, or null while the demo's own is.
const ClassicScene* ShownClassicScene();
// Shows scene `index` (0 to kSceneCount - 1) from its start, as a reset does:
// thrown balls, spawned bodies and the grab go, the camera goes back to its
// start; the music, the overlay and the panel stay.
void ShowScene(int index);
// Takes the classic scene away, its world with it, and shows the demo's own
// world again (before that world is destroyed at the end).
void DropClassicScene();
