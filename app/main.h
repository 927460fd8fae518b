// Process entry, the program-wide objects, the main window's procedure, the
// message and frame loop, and the scene shut-down.
#pragma once

#include "config/menu.h"
#include "config/settings.h"
#include "physics/linked_list.h"
#include "physics/newton_primitive.h"
#include "platform/window.h"
#include "scene/camera.h"
#include "scene/skybox.h"
#include "scene/timer.h"

// The program-wide objects, made before entry in this order.
extern Settings3D* settings;
extern Menu menu;
extern CTimer timer;
extern Camera cam;
extern LinkedList<NewtonPrimitive*> NewtonObjects;  // the scene's bodies, floor at the head
extern Skybox sky;
extern bool keys[256];  // key held, by virtual-key code; written by WndProc
extern bool active;     // false while the scene window is minimised
extern bool init_quit;  // the user left the launcher without starting

// Runs the whole program; the exit code is 0 on every path.
int WinMain();
plat::LRESULT WndProc(plat::Window* window, unsigned msg, plat::WPARAM wParam,
                      plat::LPARAM lParam);
// Releases the physics world and the audio; runs at most once per run.
void OnClose();
// Dispatches every waiting message; when none waits, ends on Escape (unless
// minimised) or else draws and presents one frame with drawFrame. Returns on
// the quit message.
void MainLoop(void (*drawFrame)());
